#pragma once
// A sweep's members side by side in vector lanes: the widths this build and processor offer and
// one month of the balance for every member. Every lane does what dayWithoutUpper or
// dayWithUpper does, operation for operation, so each member keeps the figures of its own run.

#include <cstddef>

namespace balance {

// The widths a sweep's members can run at. Scalar: one member at a time, in plain doubles (every
// build). Portable: two lanes of the compiler's generic vectors (SSE2 on x86-64, NEON on
// aarch64). Avx2: four lanes; Avx512: eight lanes in the 32 AVX-512 registers (x86-64 processors
// that have them, chosen at run time).
enum class LanePath { Scalar, Portable, Avx2, Avx512 };

// Whether this build and processor can run `path`.
bool laneSupported(LanePath path);
// The path sweeps run on: the widest supported one, unless useLanePath chose another.
LanePath lanePath();
// Makes later sweeps run on `path`, so that tests and benchmarks can compare the paths; false,
// and nothing changes, when `path` is not supported.
bool useLanePath(LanePath path);

namespace lanes {

// The inputs of one day, the same for every member of a sweep.
struct DayInputs {
    double R;     // runoff reaching the lower reservoir, L
    double T;     // total demand, L
    double D;     // rainwater demand, L
    double dPos;  // 1 when D > 0
};

// Member k's values are at [k] of each column; the sums are the month's.
struct Columns {
    double* vi;  // lower reservoir's volume, carried from day to day
    double* vs;  // upper reservoir's volume (with an upper reservoir only)
    const double* cap;
    double *cons, *pot, *extrav, *recalc, *passes, *total, *partial;
};

// One run of days of one calendar month for every member of a block.
struct MonthJob {
    const DayInputs* days;
    std::size_t len;
    std::size_t count;  // members, a multiple of kPad
    Columns at;
    bool upper;  // else recalc, passes and vs are not used
    double resSup, minRec;
};

// Members come in multiples of the widest lane count: a block is padded with copies of its
// last member, whose figures are dropped.
constexpr std::size_t kPad = 8;

void runMonth(const MonthJob& job);

}  // namespace lanes
}  // namespace balance
