#pragma once
// Exact comparisons of simulations for the engine's tests: every field compared with ==, the
// names of those that differ in the failure message.

#include <gtest/gtest.h>

#include <string>

#include "engine/capt_agua.h"
#include "tests/support/result_fields.h"

namespace vespra_test {

// Every result of a run, compared exactly.
inline ::testing::AssertionResult sameResults(const TCaptAgua& a, const TCaptAgua& b) {
    const std::string diff = differingResults(a, b, [](const auto& x, const auto& y) { return x == y; });
    if (diff.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "results differ in" << diff;
}

// Every input that Assign copies (strArqPrec and flagResSupDem are not among them); the
// observation list must be the very same list.
inline ::testing::AssertionResult sameInputs(const TCaptAgua& a, const TCaptAgua& b) {
    std::string diff;
    auto check = [&diff](const char* name, bool same) {
        if (!same) diff += std::string(" ") + name;
    };
    check("vecDadosPrecOrig", a.vecDadosPrecOrig == b.vecDadosPrecOrig);
    check("vecDadosPrec", a.vecDadosPrec == b.vecDadosPrec);
    check("dateDadosPrec", a.dateDadosPrec == b.dateDadosPrec);
    check("dblDescartPrec", a.dblDescartPrec == b.dblDescartPrec);
    check("dblAreaCapt", a.dblAreaCapt == b.dblAreaCapt);
    check("vecDemAguaPot", a.vecDemAguaPot == b.vecDemAguaPot);
    check("vecDemAguaPotMensal", a.vecDemAguaPotMensal == b.vecDemAguaPotMensal);
    check("boolDemAguaPotMensal", a.boolDemAguaPotMensal == b.boolDemAguaPotMensal);
    check("vecNroMor", a.vecNroMor == b.vecNroMor);
    check("vecNroMorMensal", a.vecNroMorMensal == b.vecNroMorMensal);
    check("boolNroMorMensal", a.boolNroMorMensal == b.boolNroMorMensal);
    check("dblPorcSubs", a.dblPorcSubs == b.dblPorcSubs);
    check("dblCoefAprov", a.dblCoefAprov == b.dblCoefAprov);
    check("dblResSup", a.dblResSup == b.dblResSup);
    check("dblResSupMinRec", a.dblResSupMinRec == b.dblResSupMinRec);
    check("dblResInf", a.dblResInf == b.dblResInf);
    check("strObs", a.strObs == b.strObs);
    if (diff.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "inputs differ in" << diff;
}
}  // namespace vespra_test
