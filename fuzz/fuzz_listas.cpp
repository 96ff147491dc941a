// The value-list texts of the scenario rows: the items the list dialog shows for a row's text
// and each parser under each delimiter. Byte 0: the locale. Byte 1: the row (1 to 8, low
// bits), the delimiter (the row's own or another, bits 3-4) and the reading (bits 5-7). The
// rest: the text.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "scenarios/scenario_errors.h"
#include "scenarios/value_lists.h"

namespace {

// A text the parser refuses gives nothing; only the parser's own error is expected.
template <typename F>
auto readOrNothing(F&& read) -> std::optional<decltype(read())> {
    try {
        return read();
    } catch (const ScenarioError&) {
        return std::nullopt;  // a text that does not read: the user is told which item
    }
}

// The items of a text read: each value in the form the list dialog shows it.
template <typename T, typename F>
std::vector<std::string> itemsOf(const std::vector<T>& values, F&& item) {
    std::vector<std::string> items;
    items.reserve(values.size());
    for (const auto& v : values) items.push_back(item(v));
    return items;
}

// The items of what a parser read, written as the row's text ("(a); (b)") and read back by the
// same parser with the row's own delimiter, must give the same items: what the list dialog
// shows is what a run reads. `parse` reads a text with a delimiter, `items` lists the values.
template <typename P, typename I>
void readsBack(std::string_view texto, char delim, char rowDelim, P&& parse, I&& items) {
    const auto first = readOrNothing([&] { return parse(texto, delim); });
    // A run reads each parser's texts with the row's delimiter only; under another one the
    // parser is only read.
    if (!first || delim != rowDelim) return;
    const std::vector<std::string> shown = items(*first);
    const std::string written = TStringListToString(shown);
    const auto again = readOrNothing([&] { return parse(std::string_view(written), rowDelim); });
    if (!again) {
        std::fprintf(stderr, "written: %s\n", written.c_str());
        fuzz::broken("the text written from the items does not read back");
    }
    if (items(*again) != shown) {
        std::fprintf(stderr, "written: %s\n", written.c_str());
        fuzz::broken("the text written from the items reads back as other items");
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
    const auto numero = [&](double v) { return ItemNumero(v, loc); };

    // One reading per input keeps the runs quick; byte 1's top bits pick it.
    switch ((data[1] / 32) % 6) {
        case 0:
            // The items the dialog shows for a row's text read back as the row's text.
            readsBack(
                texto, delim, delim, [&](std::string_view t, char) { return ItensDaLinha(linha, t, loc); },
                [](const std::vector<std::string>& itens) { return itens; });
            break;
        case 1:
            readsBack(
                texto, delim, ';', [&](std::string_view t, char c) { return StrToDadosPrec(t, c, loc); },
                [&](const dadosPrecRecordArray& v) {
                    return itemsOf(v, [&](const dadosPrecRecord& r) { return ItemDadosPrec(r, loc); });
                });
            break;
        case 2:
            readsBack(
                texto, delim, ')', [&](std::string_view t, char c) { return StrToVector(t, c, loc); },
                [&](const doubleArray& v) { return itemsOf(v, numero); });
            break;
        case 3:
            readsBack(
                texto, delim, ')', [&](std::string_view t, char c) { return StrToVectorArray(t, c, loc); },
                [&](const doubleArrayArray& v) {
                    return itemsOf(v, [&](const doubleArray& x) { return VectorToString(x, loc); });
                });
            break;
        case 4:
            readsBack(
                texto, delim, ';', [&](std::string_view t, char c) { return StrToResSup(t, c, loc); },
                [&](const resSupRecordArray& v) {
                    return itemsOf(v, [&](const resSupRecord& r) { return ItemResSup(r, loc); });
                });
            break;
        default:
            readsBack(
                texto, delim, ')', [&](std::string_view t, char) { return StrToResInf(t, loc); },
                [&](const resInfRecordArray& v) {
                    return itemsOf(v, [&](const resInfRecord& r) { return ItemResInf(r, loc); });
                });
            break;
    }
    return 0;
}
