#include "economics/field_reads.h"

#include <limits>

#include "common/numtext.h"

double leNumeroCampo(std::string_view text, CampoAnalise campo, const std::string& rotulo,
                     const LocaleSettings& loc) {
    try {
        return readStrict(text, loc);
    } catch (const ConversionError& e) {
        throw AnaliseError(campo, rotulo + ": " + e.what());
    }
}

int leInteiroCampo(std::string_view text, CampoAnalise campo, const std::string& rotulo) {
    const auto v = tryReadInteger(text);
    if (!v || *v < std::numeric_limits<int>::min() || *v > std::numeric_limits<int>::max()) {
        throw AnaliseError(campo, rotulo + ": '" + std::string(text) + "' não é um número inteiro válido.");
    }
    return static_cast<int>(*v);
}
