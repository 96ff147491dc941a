// vespra-cli scenarios: a scenario set from its definition file, every combination simulated
// and written as "Exportar planilha e simulações" writes it; or one part of the study
// (--shard K/N), or the parts joined into the sheet (--merge).

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <thread>

#include "cli/commands.h"
#include "cli/interrupts.h"
#include "cli/options.h"
#include "common/numtext.h"
#include "common/platform.h"
#include "common/system_message.h"
#include "common/textfile.h"
#include "scenarios/combs.h"
#include "scenarios/result_rows.h"
#include "scenarios/scenario_definition.h"
#include "scenarios/shards.h"

namespace {

struct Shard {
    std::int32_t k = 0, n = 0;
};

// --shard K/N: whole numbers with 1 ≤ K ≤ N ≤ the most combinations a set may have.
Shard shardOption(const std::string& text) {
    const std::size_t slash = text.find('/');
    const auto k = slash == std::string::npos ? std::nullopt : tryReadInteger(text.substr(0, slash));
    const auto n = slash == std::string::npos ? std::nullopt : tryReadInteger(text.substr(slash + 1));
    if (!k || !n || *k < 1 || *k > *n || *n > kMaxCombinacoes)
        throw UsageError{"--shard precisa de K/N, números inteiros com 1 ≤ K ≤ N ('" + text + "')."};
    return {static_cast<std::int32_t>(*k), static_cast<std::int32_t>(*n)};
}

void checkShard(const std::string& text) {
    shardOption(text);
}

ParsedOptions parseScenariosOptions(const std::vector<std::string>& args) {
    static const std::vector<CommandOption> kOptions = {
        {"--out", true, "--out precisa de uma pasta."},
        {"--locale", true, "--locale precisa de um nome de locale."},
        {"--jobs", true, "--jobs precisa de um número.", checkJobsOption},
        {"--shard", true, "--shard precisa de K/N.", checkShard},
        {"--merge", false}};
    ParsedOptions o = parseOptions(args, kOptions, {"arquivo de cenários", "falta o arquivo de cenários."});
    if (o.value("--out").empty()) throw UsageError{"falta a pasta de saída (--out PASTA)."};
    if (o.has("--shard") && o.has("--merge")) throw UsageError{"--shard e --merge não vão juntos."};
    return o;
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

// The number (from 1, in the whole study) of the first combination a stopped run did not write;
// 0 when the run wrote everything.
std::int32_t exportStudy(const ParsedOptions& o, const DefinicaoCenarios& def, const TCombs& combs,
                         const LocaleSettings& loc, std::ostream& err) {
    const auto progress = [&err, &loc](std::int32_t done, std::int32_t total) {
        // One piece per line: standard error is unbuffered, and each piece would be a write.
        err << "vespra-cli: combinação " + formatGeneral(done, loc) + " de " + formatGeneral(total, loc) +
                   "\n";
        return InterruptCatcher::caught() == 0;
    };
    const std::int32_t total = combs.numCombinacoes();
    if (!o.has("--shard")) {
        if (InterruptCatcher::caught() != 0) return 1;
        const std::int32_t written =
            ExportaPlanilhaESimulacoes(combs, o.value("--out"), loc, progress, jobsOrCores(o));
        return written > total ? 0 : written + 1;
    }
    const Shard s = shardOption(o.value("--shard"));
    const BlocoCombinacoes block = BlocoDaParte(total, s.k, s.n);
    if (InterruptCatcher::caught() != 0) return block.inicio + 1;
    const std::int32_t done = ExportaParte(combs, o.value("--out"), loc, ImpressaoDefinicao(def, loc), s.k,
                                           s.n, progress, jobsOrCores(o));
    return done == block.fim - block.inicio ? 0 : block.inicio + done + 1;
}

int runScenarios(const ParsedOptions& o, const LocaleSettings& loc, std::ostream& err) {
    const InterruptCatcher interrupts;
    const DefinicaoCenarios def = LeDefinicaoCenarios(o.file, loc);
    TCombs combs = CombsDaDefinicao(def, loc);
    if (o.has("--merge")) {
        combs.geraContagem();  // the number of combinations; the precipitation files are not read
        JuntaPartes(o.value("--out"), ImpressaoDefinicao(def, loc), combs.numCombinacoes());
        return 0;
    }
    // No combination table: a run holds nothing per combination of the study beyond the sheet
    // lines of the combinations it writes.
    combs.geraContagem();
    combs.loadPrecFiles(loc);
    for (const auto& aviso : ValoresForaDosLimites(combs)) reportWarning(aviso, err);
    makeOutputFolder(o.value("--out"));
    const std::int32_t stoppedAt = exportStudy(o, def, combs, loc, err);
    if (stoppedAt == 0) return 0;
    // Only an interrupt stops the run short: the files under way were finished and those of the
    // combinations before the stop put in place; none is left half-written or temporary.
    err << "vespra-cli: interrompido na combinação " << formatGeneral(stoppedAt, loc) << " de "
        << formatGeneral(combs.numCombinacoes(), loc) << ".\n";
    return InterruptCatcher::exitStatus(InterruptCatcher::caught());
}

}  // namespace

int scenariosCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const ParsedOptions o = parseScenariosOptions(args);
    const LocaleSettings loc = localeOption(o);
    try {
        const int status = runScenarios(o, loc, err);
        err.flush();
        return status;
    } catch (const std::exception& e) {
        return reportFailure(e, err);
    }
}
