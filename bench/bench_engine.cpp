// Speed of the daily water balance on a 100-year daily record (36 500 days).
// Counters: ns_per_day for one simulation, ns_per_member_day for a sweep.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "engine/unit_classe.h"
#include "examples/household.h"

namespace {

constexpr std::size_t kDays = 36500;

// A century of rain in a fixed pattern: dry spells, drizzle and storms, in mm.
doubleArray century() {
    doubleArray v(kDays);
    std::uint32_t x = 2024;
    for (auto& d : v) {
        x = x * 1664525u + 1013904223u;
        const std::uint32_t r = (x >> 8) % 100;
        d = r < 55 ? 0.0 : r < 80 ? (r - 54) * 3 / 10.0 : (r - 79) * 25 / 10.0;
    }
    return v;
}

// The example household on a 150 m² roof.
std::unique_ptr<TCaptAguaInterval> household(double resSup) {
    auto set = std::make_unique<TCaptAguaInterval>();
    TCaptAgua& p = set->base();
    examples::setHousehold(p);
    p.dblAreaCapt = 150;
    p.vecDadosPrecOrig = century();
    p.dateDadosPrec = *TDate::fromYMD(1925, 1, 1);
    p.dblResInf = 5000;
    p.dblResSup = resSup;
    p.dblResSupMinRec = 100;
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

void BM_Sweep1000Volumes(benchmark::State& state) {
    auto set = household(0);
    set->base().dblResInf = 0;
    set->interval = 50;
    set->volmax = 50000;  // members 0 … 1000
    set->delta = 2;
    for (auto _ : state) {
        set->simula();
        benchmark::DoNotOptimize(set->indVolOtimo);
    }
    const double memberDays = 1001.0 * kDays;
    state.counters["ns_per_member_day"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * memberDays * 1e-9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BM_SimulaWithoutUpperReservoir)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SimulaWithUpperReservoir)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sweep1000Volumes)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
