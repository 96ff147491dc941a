// Simulation files with their economic section, as the program opens them: the file loaded,
// saved again and reopened, run when the load succeeds, then its economic section read and
// computed. Byte 0: the locale (low bits); bit 7 also builds the texts shown after the run
// (results block, monthly table, sweep sheet, costs and savings export, in the detailed view
// with bit 6), which are most of a run's time and so left out of half the runs. The rest: the
// file's bytes.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "common/numtext.h"
#include "common/textfile.h"
#include "economics/analysis_file.h"
#include "economics/economics_errors.h"
#include "economics/file_section.h"
#include "engine/capt_agua_interval.h"
#include "engine/engine_error.h"
#include "engine/monthly_table.h"
#include "engine/sim_file.h"
#include "engine/sweep_table.h"
#include "fuzz/fuzz_support.h"

namespace {

// Days of balance a run may take here (members × days of the series): enough for every
// sweep a small file describes, while a file asking for the program's largest sweep over a
// long series (bounded by the engine itself) is only loaded, so that a run stays quick.
constexpr double kMaxDiasSimulados = 5000;

bool runIsSmall(const TCaptAguaInterval& sim) {
    const double days = static_cast<double>(sim.base().vecDadosPrecOrig.size());
    double members = 1;
    if (sim.isSweep() && sim.interval > 0) members += std::max(0.0, std::floor(sim.volmax / sim.interval));
    return members * days <= kMaxDiasSimulados;
}

// A loaded file saved again opens again: nothing a file can hold is lost on a save.
void reopensAfterSave(const LoadedSimulation& loaded, const LocaleSettings& loc) {
    const std::vector<std::string> saved = loaded.sim->simLines({}, loc);
    try {
        const LoadedSimulation again = readSimulationLines(saved, "/fuzz/salvo.csv", loc);
        fuzz::require(again.sim->base().vecDadosPrecOrig.size() == loaded.sim->base().vecDadosPrecOrig.size(),
                      "the saved series keeps its length");
    } catch (const EngineError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        fuzz::broken("a saved simulation does not open again");
    }
}

void economicSection(const LoadedSimulation& loaded, bool textos, bool detalhada, const LocaleSettings& loc) {
    const auto marker = LinhaMarcadorAnalise(loaded.lines);
    if (!marker) return;
    try {
        const TAnaliseArquivo a = CalculaAnaliseArquivo(loaded.lines, *marker + 1, loaded.sim->base(), loc);
        if (textos) (void)LinhasExportacaoAnalise(a, detalhada, loc);
        // The section as it would be saved reads back.
        std::vector<std::string> secao;
        try {
            secao = LinhasSecaoAnalise(a.dados, a.usaResSup, loc);
        } catch (const SecaoAnaliseError&) {
            return;  // a text that cannot be written: the save refuses it
        }
        (void)LeSecaoAnalise(secao, 1, a.usaResSup, loc);
    } catch (const SecaoAnaliseError&) {
    } catch (const AnaliseError&) {
    } catch (const EngineError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const LocaleSettings loc = fuzz::localeOf(data[0] & 0x3F);
    const bool textos = (data[0] & 0x80) != 0;
    const bool detalhada = (data[0] & 0x40) != 0;
    LoadedSimulation loaded;
    try {
        loaded = readSimulationLines(decodeTextLines(fuzz::rest(data, size, 1)), "/fuzz/simulacao.csv", loc);
    } catch (const EngineError&) {
        return 0;  // a malformed file: the user is told which line
    }
    reopensAfterSave(loaded, loc);
    if (!runIsSmall(*loaded.sim)) return 0;
    try {
        runLoadedSimulation(*loaded.sim);
    } catch (const EngineError&) {
        return 0;  // a file that cannot run: the user is told why
    }
    if (textos) {
        (void)loaded.sim->resultLines(loc);
        (void)sweepTableCsv(buildSweepTable(*loaded.sim), loc);
        (void)buildMonthlyTable(loaded.sim->base(), loc);
    }
    economicSection(loaded, textos, detalhada, loc);
    return 0;
}
