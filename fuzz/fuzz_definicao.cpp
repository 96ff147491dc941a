// Scenario definition files: the eight value-list lines read and checked, then the scenario
// set built from them and, when small, its table of combinations. Byte 0: the locale. The
// rest: the file's bytes.

#include <cstddef>
#include <cstdint>

#include "common/textfile.h"
#include "fuzz/fuzz_support.h"
#include "scenarios/scenario_definition.h"
#include "scenarios/scenario_errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const LocaleSettings loc = fuzz::localeOf(data[0]);
    try {
        const DefinicaoCenarios def =
            LeDefinicaoCenariosLinhas(decodeTextLines(fuzz::rest(data, size, 1)), "/fuzz/cenarios.txt", loc);
        TCombs combs = CombsDaDefinicao(def, loc);
        // The table is built only for sets a run could take in a moment; the bound on its
        // size is the set's own (kMaxCombinacoes) and is tested with the set.
        std::size_t total = 1;
        for (std::size_t n : combs.tamanhos()) total = n > 0 && total <= 10000 / n ? total * n : 10001;
        if (total <= 10000) {
            combs.geraTabela();
            fuzz::require(combs.matCombs.size() == total, "one row per combination");
        }
    } catch (const ScenarioError&) {
        // A malformed definition: the user is told which line.
    }
    return 0;
}
