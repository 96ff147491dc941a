// Part files of a scenario study run in parts (Planilha.parte-K-de-N.csv): the header read and
// checked, the sheet lines kept. Byte 0 is unused (the locale byte of the other targets); the
// rest: the file's bytes.

#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "scenarios/scenario_errors.h"
#include "scenarios/shards.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    try {
        const ParteDaPlanilha p = LeParte(fuzz::rest(data, size, 1), "Planilha.parte-1-de-1.csv");
        fuzz::require(p.k >= 0 && p.n >= 0 && p.total >= 0 && p.total <= kMaxCombinacoes,
                      "the numbers of a part are whole numbers in range");
        fuzz::require(p.impressao.find(';') == std::string::npos, "the definition's hash is one field");
    } catch (const ScenarioError&) {
        // Not a part: the merge names the file.
    }
    return 0;
}
