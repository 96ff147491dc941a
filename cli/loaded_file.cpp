#include "cli/loaded_file.h"

#include <ostream>
#include <stdexcept>

#include "economics/economics_errors.h"
#include "engine/capt_agua_interval.h"
#include "engine/input_rules.h"

ParsedOptions parseFileCommandOptions(const std::vector<std::string>& args) {
    static const std::vector<CommandOption> kOptions = {
        {"--json"},      {"--monthly"},
        {"--detailed"},  {"--locale", true},
        {"--out", true}, {"--jobs", true, "--jobs precisa de um número.", checkJobsOption}};
    return parseOptions(args, kOptions, {"arquivo", "falta o arquivo de simulação."});
}

int writeFromLoadedFile(const std::string& file, const LocaleSettings& loc, int jobs, std::ostream& out,
                        std::ostream& err, const std::function<void(const LoadedSimulation&)>& write) {
    try {
        const LoadedSimulation loaded = loadAndRunSimulation(file, loc, jobs);
        // A start date the file does not show the order of: the run goes on, the user is told.
        if (!loaded.dateNotice.empty()) reportWarning(loaded.dateNotice, err);
        // Values the main window would refuse as typed: the file runs as written, the user is told.
        for (const auto& message : inputRuleMessages(loaded.sim->base())) reportWarning(message, err);
        write(loaded);
        return finishOutput(out, err);
    } catch (const std::exception& e) {
        return reportFailure(e, err);
    }
}

std::optional<TAnaliseArquivo> fileAnalysis(const LoadedSimulation& loaded, const LocaleSettings& loc,
                                            std::ostream& err) {
    const auto marker = LinhaMarcadorAnalise(loaded.lines);
    if (!marker) return std::nullopt;
    try {
        TAnaliseArquivo a = CalculaAnaliseArquivo(loaded.lines, *marker + 1, loaded.sim->base(), loc);
        // A band the tariff window would refuse: left out, the run goes on, the user is told.
        for (const auto& aviso : a.avisos) reportWarning(aviso, err);
        return a;
    } catch (const AnaliseError& e) {
        throw std::runtime_error(std::string("Análise econômica do arquivo: ") + e.what());
    }
}

void writeLines(std::ostream& out, const std::vector<std::string>& lines) {
    for (const auto& line : lines) out << line << "\n";
}
