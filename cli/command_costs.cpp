// vespra-cli costs: the economic analysis a simulation file carries, recomputed ("Calcular")
// and written as "Exportar" writes it after the file is opened.

#include <ostream>
#include <stdexcept>

#include "cli/commands.h"
#include "cli/loaded_file.h"
#include "cli/options.h"
#include "common/textfile.h"
#include "economics/analysis_file.h"

int costsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedOptions o = parseFileCommandOptions(args);
    if (o.has("--json")) throw onlyForCommand("--json", "run");
    if (o.has("--monthly")) throw onlyForCommand("--monthly", "run");
    if (o.has("--out") && o.value("--out").empty()) throw UsageError{"--out precisa de um caminho."};
    const LocaleSettings loc = localeOption(o);
    return writeFromLoadedFile(o.file, loc, jobsOrCores(o), out, err, [&](const LoadedSimulation& loaded) {
        const auto analise = fileAnalysis(loaded, loc, err);
        if (!analise) {
            throw std::runtime_error("o arquivo '" + o.file +
                                     "' não traz análise econômica (não há a linha \"ANÁLISE ECONÔMICA\").");
        }
        const auto lines = LinhasExportacaoAnalise(*analise, o.has("--detailed"), loc);
        if (o.has("--out")) {
            writeTextLines(o.value("--out"), lines);
        } else {
            writeLines(out, lines);
        }
    });
}
