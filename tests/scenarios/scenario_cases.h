#pragma once
// Scenario sets for the tests: precipitation files written into a scratch folder from the
// engine tests' fixed record, and the lists of a set given as value-list texts.

#include <gtest/gtest.h>

#include <string>

#include "common/numtext.h"
#include "scenarios/combs.h"
#include "tests/support/systems.h"
#include "tests/support/temp_dir.h"

namespace cenarios_teste {

inline const LocaleSettings kBR = LocaleSettings::ptBR();

inline std::string seattlePath() {
    return std::string(VESPRA_SOURCE_DIR) + "/examples/seattle-2012-2015.txt";
}

// A precipitation file of `days` values of the fixed record, one per line, in pt_BR form.
inline std::string escreveChuva(const TempDir& dir, const std::string& nome, std::size_t days,
                                std::size_t deslocamento = 0) {
    const doubleArray s = testsys::series(days + deslocamento);
    std::string bytes;
    for (std::size_t i = deslocamento; i < s.size(); ++i) bytes += formatGeneral(s[i], kBR) + "\r\n";
    return dir.write(nome, bytes);
}

// A set from the eight value-list texts (pt_BR), its table built and files read.
inline TCombs combsDe(const TextosCenarios& textos) {
    TCombs c;
    PreencheListas(c, textos, kBR);
    c.geraCombs(kBR);
    return c;
}

// The texts of a household like the engine tests' own: one value each but the file.
inline TextosCenarios textosBase(const std::string& arquivo) {
    return {"(" + arquivo + " | 01/01/2012 | 2)",
            "(100)",
            "(150)",
            "(4)",
            "(50)",
            "(0,8)",
            "(0 | 0%)",
            "(Fixo: 5000)"};
}

}  // namespace cenarios_teste
