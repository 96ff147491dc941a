// Speed of a scenario batch run as `vespra-cli scenarios` runs it: the definition read, 1000
// combinations, each a sweep of 21 lower-reservoir volumes (0 to 20 000 L) on a 10-year daily
// record, and every simulation file and the sheet written into a scratch folder.
// Arguments: upper reservoirs (0: none, 1: every combination has one, 2: half of them), threads
// (0: without --jobs, the machine's cores, as vespra-cli runs by default).
// Time: real time; CPU: the process's, every thread's together (files included, the kernel's
// work on them not). Counter: combinations_per_second, files included (real time).
// BM_SimulationFileLines: the text of one such combination's simulation file, without writing it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "bench/batch_study.h"
#include "bench/rain_pattern.h"
#include "cli/cli_app.h"
#include "common/numtext.h"
#include "common/textfile.h"
#include "engine/capt_agua_interval.h"
#include "examples/household.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kDays = 3650;
constexpr int kCombinations = bench::kBatchCombinations;

doubleArray decade() {
    return rainPattern(kDays);
}

using bench::Upper;

// A scratch folder with the study of bench/batch_study.h.
class Study {
  public:
    explicit Study(Upper upper) {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("vespra-bench-" + std::to_string(rd()));
        fs::create_directories(dir_);
        bench::writeBatchStudy(dir_.string(), upper);
    }
    ~Study() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    Study(const Study&) = delete;
    Study& operator=(const Study&) = delete;

    std::string definition() const { return (dir_ / "cenarios.txt").string(); }
    std::string out() const { return (dir_ / "saida").string(); }

  private:
    fs::path dir_;
};

void BM_ScenarioBatch(benchmark::State& state) {
    const Study study(static_cast<Upper>(state.range(0)));
    std::vector<std::string> args = {"scenarios", study.definition(), "--out",
                                     study.out(), "--locale",         "pt_BR"};
    if (state.range(1) > 0) args.insert(args.end(), {"--jobs", std::to_string(state.range(1))});
    for (auto _ : state) {
        std::ostringstream out, err;
        if (runCli(args, out, err) != 0) {
            state.SkipWithError(err.str().c_str());
            break;
        }
    }
    state.counters["combinations_per_second"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kCombinations, benchmark::Counter::kIsRate);
}

// One combination's sweep (the example household, 21 volumes, 2 mm discard), its file text made.
void BM_SimulationFileLines(benchmark::State& state) {
    TCaptAguaInterval set;
    examples::setHousehold(set.base());
    set.base().vecDadosPrecOrig = decade();
    set.base().dateDadosPrec = *TDate::fromYMD(2010, 1, 1);
    set.volmax = 20000;
    set.interval = 1000;
    set.delta = 2;
    set.simula();
    const LocaleSettings loc = LocaleSettings::ptBR();
    for (auto _ : state) {
        auto lines = set.simLines({}, loc);
        benchmark::DoNotOptimize(lines.data());
    }
}

}  // namespace

BENCHMARK(BM_SimulationFileLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScenarioBatch)
    ->ArgNames({"upper", "jobs"})
    ->ArgsProduct({{0, 1, 2}, {1, 2, 0}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(2);

BENCHMARK_MAIN();
