// vespra-cli methods: the sizing methods of NBR 15527:2007 on a simulation file's record, each
// volume simulated as the program simulates one volume, as the table or as JSON.

#include <ostream>

#include "cli/commands.h"
#include "cli/json_out.h"
#include "cli/loaded_file.h"
#include "cli/options.h"
#include "common/numtext.h"
#include "engine/capt_agua_interval.h"
#include "engine/sizing_methods.h"

namespace {

// A number of an option in either decimal mark, refused as a usage error naming the text.
double optionNumber(const std::string& option, const std::string& text) {
    try {
        return readNormalized(text, LocaleSettings::enUS());
    } catch (const ConversionError&) {
        throw UsageError{option + " precisa de um número ('" + text + "')."};
    }
}

// The option's value within its range; the engine's message names the parameter.
void refuseOutOfRange(const std::string& option, const std::optional<std::string>& error,
                      const std::string& text) {
    if (error) throw UsageError{option + " " + text + ": " + *error};
}

void checkDryMonths(const std::string& text) {
    refuseOutOfRange("--dry-months", erroMesesSecos(optionNumber("--dry-months", text)), text);
}
void checkInterception(const std::string& text) {
    refuseOutOfRange("--interception", erroInterceptacao(optionNumber("--interception", text)), text);
}
void checkConfidence(const std::string& text) {
    refuseOutOfRange("--confidence", erroConfianca(optionNumber("--confidence", text)), text);
}

ParsedOptions parseMethodsOptions(const std::vector<std::string>& args) {
    static const std::vector<CommandOption> kOptions = {
        {"--json"},
        {"--locale", true, "--locale precisa de um nome de locale."},
        {"--dry-months", true, "--dry-months precisa de um número de meses.", checkDryMonths},
        {"--interception", true, "--interception precisa de um valor em mm.", checkInterception},
        {"--confidence", true, "--confidence precisa de um valor em %.", checkConfidence}};
    return parseOptions(args, kOptions, {"arquivo", "falta o arquivo de simulação."});
}

ParametrosMetodos parameters(const ParsedOptions& o) {
    ParametrosMetodos p;
    if (o.has("--dry-months")) p.mesesSecos = optionNumber("--dry-months", o.value("--dry-months"));
    if (o.has("--interception")) p.interceptacao = optionNumber("--interception", o.value("--interception"));
    if (o.has("--confidence")) p.confianca = optionNumber("--confidence", o.value("--confidence"));
    return p;
}

}  // namespace

int methodsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedOptions o = parseMethodsOptions(args);
    const LocaleSettings loc = localeOption(o);
    const ParametrosMetodos p = parameters(o);
    return writeFromLoadedFile(o.file, loc, jobsOrCores(o), out, err, [&](const LoadedSimulation& loaded) {
        const ResultadoMetodos r = calculaMetodos(loaded.sim->base(), p);
        if (o.has("--json")) {
            out << methodsJson(r) << "\n";
        } else {
            writeLines(out, linhasMetodos(r, loc));
        }
    });
}
