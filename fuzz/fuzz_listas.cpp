// The value-list texts of the scenario rows: the items the list dialog shows for a row's text
// and each parser under each delimiter. Byte 0: the locale. Byte 1: the row (1 to 8, low
// bits), the delimiter (the row's own or another, bits 3-4) and the reading (bits 5-7). The
// rest: the text.

#include <array>
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "scenarios/scenario_errors.h"
#include "scenarios/value_lists.h"

namespace {

template <typename F>
void refusedOnlyAsScenarioError(F&& read) {
    try {
        read();
    } catch (const ScenarioError&) {
        // A text that does not read: the user is told which item.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const LocaleSettings loc = fuzz::localeOf(data[0]);
    const int linha = 1 + data[1] % kNumParametros;
    constexpr std::array<char, 3> kOutros = {';', ')', '|'};
    const int d = (data[1] / 8) % 4;
    const char delim = d == 0 ? DelimitadorDaLinha(linha) : kOutros[static_cast<std::size_t>(d - 1)];
    const std::string_view texto = fuzz::rest(data, size, 2);

    // One reading per input keeps the runs quick; byte 1's top bits pick it.
    refusedOnlyAsScenarioError([&] {
        switch ((data[1] / 32) % 6) {
            case 0: {
                const std::vector<std::string> itens = ItensDaLinha(linha, texto, loc);
                // The items the dialog shows read back as the row's text.
                (void)ItensDaLinha(linha, TStringListToString(itens), loc);
                break;
            }
            case 1:
                (void)StrToDadosPrec(texto, delim, loc);
                break;
            case 2:
                (void)StrToVector(texto, delim, loc);
                break;
            case 3:
                (void)StrToVectorArray(texto, delim, loc);
                break;
            case 4:
                (void)StrToResSup(texto, delim, loc);
                break;
            default:
                (void)StrToResInf(texto, loc);
                break;
        }
    });
    return 0;
}
