#include "engine/balance_lanes.h"

#include <atomic>

#include "engine/balance_kernels.h"

// Generic vectors where the compiler has them (GCC and Clang); a build may ask for plain
// doubles only with -DVESPRA_BALANCE_LANES=0.
#ifndef VESPRA_BALANCE_LANES
#if defined(__GNUC__) || defined(__clang__)
#define VESPRA_BALANCE_LANES 1
#else
#define VESPRA_BALANCE_LANES 0
#endif
#endif

// AVX2 and AVX-512 functions on x86-64, chosen once at run time from the processor's own report
// rather than by the loader (no ifunc resolver: it would run before ThreadSanitizer is set up).
// Not on Windows, whose stack is aligned to 16 bytes only: GCC would keep 32- and 64-byte
// vectors spilled there with aligned moves.
#if VESPRA_BALANCE_LANES && defined(__x86_64__) && !defined(_WIN32)
#define VESPRA_WIDE_LANES 1
#else
#define VESPRA_WIDE_LANES 0
#endif

namespace balance {
namespace lanes {
namespace {

void monthScalar(const MonthJob& job) {
    monthOnLanes<double, 4, 8>(job);
}

#if VESPRA_BALANCE_LANES
typedef double Lanes2 __attribute__((vector_size(16)));

void monthPortable(const MonthJob& job) {
    monthOnLanes<Lanes2, 4, 8>(job);
}
#endif

#if VESPRA_WIDE_LANES
typedef double Lanes4 __attribute__((vector_size(32)));
typedef double Lanes8 __attribute__((vector_size(64)));

// Sixteen registers: two groups of the plain balance fill them.
__attribute__((target("avx2"))) void monthAvx2(const MonthJob& job) {
    monthOnLanes<Lanes4, 2, 4>(job);
}
// Thirty-two registers: more independent groups in flight hide the latency of each day's chain
// of additions and comparisons.
__attribute__((target("avx512f"))) void monthAvx512(const MonthJob& job) {
    monthOnLanes<Lanes8, 4, 4>(job);
}
#endif

bool supported(LanePath path) {
    switch (path) {
        case LanePath::Scalar:
            return true;
        case LanePath::Portable:
            return VESPRA_BALANCE_LANES != 0;
#if VESPRA_WIDE_LANES
        case LanePath::Avx2:
            __builtin_cpu_init();
            return __builtin_cpu_supports("avx2");
        case LanePath::Avx512:
            __builtin_cpu_init();
            return __builtin_cpu_supports("avx512f");
#endif
        default:
            return false;
    }
}

LanePath widest() {
    for (LanePath p : {LanePath::Avx512, LanePath::Avx2, LanePath::Portable}) {
        if (supported(p)) return p;
    }
    return LanePath::Scalar;
}

std::atomic<LanePath>& chosen() {
    static std::atomic<LanePath> path{widest()};
    return path;
}

}  // namespace

void runMonth(const MonthJob& job) {
    switch (chosen().load(std::memory_order_relaxed)) {
#if VESPRA_WIDE_LANES
        case LanePath::Avx512:
            monthAvx512(job);
            return;
        case LanePath::Avx2:
            monthAvx2(job);
            return;
#endif
#if VESPRA_BALANCE_LANES
        case LanePath::Portable:
            monthPortable(job);
            return;
#endif
        default:
            monthScalar(job);
            return;
    }
}

}  // namespace lanes

bool laneSupported(LanePath path) {
    return lanes::supported(path);
}

LanePath lanePath() {
    return lanes::chosen().load(std::memory_order_relaxed);
}

bool useLanePath(LanePath path) {
    if (!lanes::supported(path)) return false;
    lanes::chosen().store(path, std::memory_order_relaxed);
    return true;
}

}  // namespace balance
