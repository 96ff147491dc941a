// Speed of the daily water balance on a 100-year daily record (36 500 days).
// Counters: ns_per_day for one simulation, ns_per_member_day for a sweep.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "bench/century.h"
#include "engine/balance_lanes.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"

namespace {

constexpr std::size_t kDays = bench::kCenturyDays;

// The century household with a 5000 L cistern.
std::unique_ptr<TCaptAguaInterval> household(double resSup) {
    auto set = std::make_unique<TCaptAguaInterval>();
    bench::setCenturyHousehold(set->base(), resSup);
    set->base().dblResInf = 5000;
    return set;
}

void simulation(benchmark::State& state, double resSup) {
    auto set = household(resSup);
    for (auto _ : state) {
        set->base().simula();
        benchmark::DoNotOptimize(set->base().dblEconPot);
    }
    state.counters["ns_per_day"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kDays * 1e-9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_SimulaWithoutUpperReservoir(benchmark::State& state) {
    simulation(state, 0);
}
void BM_SimulaWithUpperReservoir(benchmark::State& state) {
    simulation(state, 300);
}

// A sweep of members 0 … 1000 at 50 L steps; state.range(0) is the upper reservoir's volume.
void sweep(benchmark::State& state) {
    auto set = household(static_cast<double>(state.range(0)));
    bench::setCenturySweep(*set);  // members 0 … 1000
    for (auto _ : state) {
        set->simula();
        benchmark::DoNotOptimize(set->indVolOtimo);
    }
    const double memberDays = 1001.0 * kDays;
    state.counters["ns_per_member_day"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * memberDays * 1e-9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Arguments: the upper reservoir's volume (0: none).
void BM_Sweep1000Volumes(benchmark::State& state) {
    sweep(state);
}

// The same on each path the processor has; the second argument is a balance::LanePath.
void BM_SweepOnLanes(benchmark::State& state) {
    const auto path = static_cast<balance::LanePath>(state.range(1));
    const balance::LanePath before = balance::lanePath();
    if (!balance::useLanePath(path)) {
        state.SkipWithError("the processor lacks this path");
        return;
    }
    sweep(state);
    balance::useLanePath(before);
}

}  // namespace

BENCHMARK(BM_SimulaWithoutUpperReservoir)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SimulaWithUpperReservoir)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sweep1000Volumes)->ArgName("upper")->Arg(0)->Arg(300)->Unit(benchmark::kMillisecond);
// Paths 0 to 3: one member at a time, two lanes, AVX2, AVX-512.
BENCHMARK(BM_SweepOnLanes)
    ->ArgNames({"upper", "path"})
    ->ArgsProduct({{0, 300}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
