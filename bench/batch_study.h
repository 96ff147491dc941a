#pragma once
// The scenario study the batch figures are taken on: a 10-year daily record and a definition of
// 5 areas × 5 demands × 4 household sizes × 5 substitution shares × 2 (runoff coefficients, or
// with and without an upper reservoir) = 1000 combinations, each a sweep of 21 lower-reservoir
// volumes (0 to 20 000 L).

#include <string>
#include <vector>

#include "bench/rain_pattern.h"
#include "common/numtext.h"
#include "common/textfile.h"

namespace bench {

constexpr int kBatchCombinations = 1000;

enum class Upper { None = 0, All = 1, Half = 2 };

// Writes `chuva.txt` and `cenarios.txt` into `dir` (which must exist); returns the definition's path.
inline std::string writeBatchStudy(const std::string& dir, Upper upper) {
    const LocaleSettings loc = LocaleSettings::ptBR();
    std::vector<std::string> record;
    for (double d : rainPattern(3650)) record.push_back(formatGeneral(d, loc));
    writeTextLines(dir + "/chuva.txt", record);
    const char* const demandSized = "(Demanda diária de água pluvial | 50%)";
    const std::string definition = dir + "/cenarios.txt";
    writeTextLines(definition,
                   {"(chuva.txt | 01/01/2010 | 2)", "(80); (100); (120); (150); (200)",
                    "(100); (120); (150); (180); (200)", "(2); (3); (4); (5)", "(30); (40); (50); (60); (70)",
                    upper == Upper::Half ? "(0,8)" : "(0,8); (0,9)",
                    upper == Upper::None  ? std::string("(0 | 0%)")
                    : upper == Upper::All ? std::string(demandSized)
                                          : std::string("(0 | 0%); ") + demandSized,
                    "(Intervalo de volumes: 20000; 1000; 2)"});
    return definition;
}

}  // namespace bench
