// vespra-cli scenarios: a scenario set from its definition file, every combination simulated
// and written as "Exportar planilha e simulações" writes it.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <thread>

#include "cli/commands.h"
#include "cli/options.h"
#include "common/numtext.h"
#include "common/platform.h"
#include "common/system_message.h"
#include "common/textfile.h"
#include "scenarios/combs.h"
#include "scenarios/result_rows.h"
#include "scenarios/scenario_definition.h"

namespace {

void checkJobs(const std::string& text) {
    jobsOption(text);
}

ParsedOptions parseScenariosOptions(const std::vector<std::string>& args) {
    static const std::vector<CommandOption> kOptions = {
        {"--out", true, "--out precisa de uma pasta."},
        {"--locale", true, "--locale precisa de um nome de locale."},
        {"--jobs", true, "--jobs precisa de um número.", checkJobs}};
    ParsedOptions o = parseOptions(args, kOptions, {"arquivo de cenários", "falta o arquivo de cenários."});
    if (o.value("--out").empty()) throw UsageError{"falta a pasta de saída (--out PASTA)."};
    return o;
}

// Without --jobs, the machine's cores; its value was checked when it was read.
int jobs(const ParsedOptions& o) {
    if (o.has("--jobs")) return jobsOption(o.value("--jobs"));
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// The output folder, made when it is not there yet; a path that cannot be a folder is a
// write failure named like the program's other file errors, with the reason.
void makeOutputFolder(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path path = pathFromUtf8(folder);
    fs::create_directories(path, ec);
    std::error_code statusError;
    const fs::file_status st = fs::status(path, statusError);
    if (fs::is_directory(st)) return;
    const std::string reason = fs::exists(st) ? "existe um arquivo com esse nome" : systemMessage(ec);
    throw FileError("Não foi possível criar a pasta \"" + folder + "\": " + reason + ".");
}

}  // namespace

int scenariosCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    ParsedOptions o;
    try {
        o = parseScenariosOptions(args);
    } catch (const UsageError& e) {
        return reportUsageError(e, err);
    }
    const LocaleSettings loc = localeOption(o);
    try {
        const DefinicaoCenarios def = LeDefinicaoCenarios(o.file, loc);
        TCombs combs = CombsDaDefinicao(def, loc);
        combs.geraCombs(loc);
        for (const auto& aviso : ValoresForaDosLimites(combs)) err << "vespra-cli: aviso: " << aviso << "\n";
        const std::string folder = o.value("--out");
        makeOutputFolder(folder);
        const auto progress = [&err, &loc](std::int32_t done, std::int32_t total) {
            err << "vespra-cli: combinação " << formatGeneral(done, loc) << " de "
                << formatGeneral(total, loc) << "\n";
            return true;
        };
        ExportaPlanilhaESimulacoes(combs, folder, loc, progress, jobs(o));
        err.flush();
        return 0;
    } catch (const std::exception& e) {
        return reportFailure(e, err);
    }
}
