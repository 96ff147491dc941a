#include "cli/options.h"

#include <ostream>

#include "common/numtext.h"
#include "common/platform.h"

namespace {

// The option `arg` names, given as "--name" or "--name=VALUE" (a flag only as "--name").
const CommandOption* findOption(const std::string& arg, const std::vector<CommandOption>& known) {
    for (const auto& option : known) {
        if (arg == option.name) return &option;
        if (option.takesValue && arg.rfind(option.name + "=", 0) == 0) return &option;
    }
    return nullptr;
}

}  // namespace

std::string ParsedOptions::value(const std::string& name) const {
    const auto it = given_.find(name);
    return it == given_.end() ? std::string() : it->second;
}

ParsedOptions parseOptions(const std::vector<std::string>& args, const std::vector<CommandOption>& known,
                           const FileArgument& file) {
    ParsedOptions p;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (const CommandOption* option = findOption(a, known)) {
            std::string value;
            if (option->takesValue) {
                if (a != option->name) {
                    value = a.substr(option->name.size() + 1);
                } else if (++i < args.size()) {
                    value = args[i];
                } else {
                    throw UsageError{option->missingValue.empty() ? option->name + " precisa de um valor."
                                                                  : option->missingValue};
                }
                if (option->check) option->check(value);
            }
            p.given_[option->name] = value;
        } else if (a.rfind("--", 0) == 0) {
            throw UsageError{"opção desconhecida '" + a + "'."};
        } else if (p.file.empty()) {
            p.file = a;
        } else {
            throw UsageError{"mais de um " + file.noun + " informado ('" + p.file + "' e '" + a + "')."};
        }
    }
    if (p.file.empty()) throw UsageError{file.missing};
    return p;
}

UsageError onlyForCommand(const std::string& option, const std::string& command) {
    return UsageError{option + " vale apenas para o comando " + command + "."};
}

LocaleSettings localeOption(const ParsedOptions& options) {
    return options.has("--locale") ? LocaleSettings::fromName(options.value("--locale"))
                                   : LocaleSettings::fromEnvironment();
}

int jobsOption(const std::string& text) {
    const auto n = tryReadInteger(text);
    if (!n || *n < 1 || *n > 1024) {
        throw UsageError{"--jobs precisa de um número inteiro de 1 a 1024 ('" + text + "')."};
    }
    return static_cast<int>(*n);
}

void checkJobsOption(const std::string& text) {
    jobsOption(text);
}

int jobsOrCores(const ParsedOptions& options) {
    if (options.has("--jobs")) return jobsOption(options.value("--jobs"));
    return usableCores();
}

int reportUsageError(const UsageError& e, std::ostream& err) {
    err << "vespra-cli: " << e.message << " Veja vespra-cli --help.\n";
    return 2;
}

int reportFailure(const std::exception& e, std::ostream& err) {
    err << "vespra-cli: " << e.what() << "\n";
    return 1;
}

void reportWarning(const std::string& message, std::ostream& err) {
    err << "vespra-cli: aviso: " << message << "\n";
}

int finishOutput(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) return 0;
    err << "vespra-cli: não foi possível escrever a saída.\n";
    return 1;
}
