// vespra-cli run: a simulation file simulated as the main window simulates it on opening,
// its results as the file stores them, as the monthly table or as JSON.

#include <ostream>

#include "cli/commands.h"
#include "cli/json_out.h"
#include "cli/loaded_file.h"
#include "cli/options.h"
#include "engine/capt_agua_interval.h"
#include "engine/monthly_table.h"

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedOptions o = parseFileCommandOptions(args);
    if (o.has("--json") && o.has("--monthly"))
        throw UsageError{"--json e --monthly não podem ser usados juntos."};
    if (o.has("--detailed")) throw onlyForCommand("--detailed", "costs");
    if (o.has("--out")) throw onlyForCommand("--out", "costs");
    const LocaleSettings loc = localeOption(o);
    return writeFromLoadedFile(o.file, loc, jobsOrCores(o), out, err, [&](const LoadedSimulation& loaded) {
        const TCaptAguaInterval& sim = *loaded.sim;
        if (o.has("--json")) {
            const auto analise = fileAnalysis(loaded, loc, err);
            out << simulationJson(sim, analise ? &analise->resultado : nullptr) << "\n";
        } else if (o.has("--monthly")) {
            for (const auto& row : buildMonthlyTable(sim.base(), loc)) {
                std::string line;
                for (std::size_t c = 0; c < row.size(); ++c) line += (c ? ";" : "") + row[c];
                out << line << "\n";
            }
        } else {
            writeLines(out, sim.resultLines(loc));
        }
    });
}
