#include "cli/options.h"

#include <ostream>

#include "common/numtext.h"

namespace {

// The option `arg` names, given as "--name" or "--name=VALUE" (a flag only as "--name").
const OptionSpec* findOption(const std::string& arg, const std::vector<OptionSpec>& specs) {
    for (const auto& spec : specs) {
        if (arg == spec.name) return &spec;
        if (spec.takesValue && arg.rfind(spec.name + "=", 0) == 0) return &spec;
    }
    return nullptr;
}

}  // namespace

std::string ParsedOptions::value(const std::string& name) const {
    const auto it = given_.find(name);
    return it == given_.end() ? std::string() : it->second;
}

ParsedOptions parseOptions(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs,
                           const FileSpec& file) {
    ParsedOptions p;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (const OptionSpec* spec = findOption(a, specs)) {
            std::string value;
            if (spec->takesValue) {
                if (a != spec->name) {
                    value = a.substr(spec->name.size() + 1);
                } else if (++i < args.size()) {
                    value = args[i];
                } else {
                    throw UsageError{spec->missingValue.empty() ? spec->name + " precisa de um valor."
                                                                : spec->missingValue};
                }
                if (spec->check) spec->check(value);
            }
            p.given_[spec->name] = value;
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

int reportUsageError(const UsageError& e, std::ostream& err) {
    err << "vespra-cli: " << e.message << " Veja vespra-cli --help.\n";
    return 2;
}

int reportFailure(const std::exception& e, std::ostream& err) {
    err << "vespra-cli: " << e.what() << "\n";
    return 1;
}
