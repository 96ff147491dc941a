// vespra-cli import: a weather service's daily rainfall file written as a precipitation data
// file, with the report of what was read, every gap and what the gap policy did.

#include <ostream>

#include "cli/commands.h"
#include "cli/json_out.h"
#include "cli/loaded_file.h"
#include "cli/options.h"
#include "import/station_import.h"

namespace {

void checkFormat(const std::string& value) {
    if (value != "auto" && !formatFromKey(value))
        throw UsageError{"--format precisa de auto, inmet, ana, ghcn, noaa ou csv ('" + value + "')."};
}

void checkGaps(const std::string& value) {
    if (value != "refuse" && value != "zero" && value != "longest")
        throw UsageError{"--gaps precisa de refuse, zero ou longest ('" + value + "')."};
}

void checkUnits(const std::string& value) {
    if (value != "mm" && value != "in") throw UsageError{"--units precisa de mm ou in ('" + value + "')."};
}

ParsedOptions parseImportOptions(const std::vector<std::string>& args) {
    static const std::vector<CommandOption> kOptions = {
        {"--out", true, "--out precisa de um caminho."},
        {"--format", true, "--format precisa de um formato.", checkFormat},
        {"--gaps", true, "--gaps precisa de refuse, zero ou longest.", checkGaps},
        {"--units", true, "--units precisa de mm ou in.", checkUnits},
        {"--json"},
        {"--locale", true, "--locale precisa de um nome de locale."}};
    ParsedOptions o = parseOptions(args, kOptions, {"arquivo de estação", "falta o arquivo da estação."});
    if (o.value("--out").empty()) throw UsageError{"falta o arquivo do registro (--out REGISTRO)."};
    return o;
}

ImportOptions importOptions(const ParsedOptions& o) {
    ImportOptions options;
    if (o.has("--format") && o.value("--format") != "auto")
        options.formato = formatFromKey(o.value("--format"));
    const std::string gaps = o.value("--gaps");
    if (gaps == "zero") options.lacunas = PoliticaLacunas::Zerar;
    if (gaps == "longest") options.lacunas = PoliticaLacunas::MaisLonga;
    if (o.value("--units") == "in") options.unidade = UnidadeChuva::Polegadas;
    return options;
}

}  // namespace

int importCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedOptions o = parseImportOptions(args);
    const LocaleSettings loc = localeOption(o);
    try {
        const RegistroImportado r = importStationFile(o.file, importOptions(o), loc);
        writeImportedRecord(o.file, o.value("--out"), r);
        if (o.has("--json")) {
            out << importJson(r.relatorio) << "\n";
        } else {
            writeLines(out, reportLines(r.relatorio, loc));
        }
        return finishOutput(out, err);
    } catch (const std::exception& e) {
        return reportFailure(e, err);
    }
}
