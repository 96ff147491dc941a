#pragma once
// The results of a run, field by field, for the exact comparisons of the tests and of the fuzz
// targets (which link no GoogleTest).

#include <string>

#include "engine/capt_agua.h"

namespace vespra_test {

// The names of the results in which `a` and `b` differ, each after a space, as `same` compares
// each field (a number or a month array); empty when every result agrees.
template <typename Same>
std::string differingResults(const TCaptAgua& a, const TCaptAgua& b, Same same) {
    std::string diff;
    const auto check = [&](const char* name, const auto& x, const auto& y) {
        if (!same(x, y)) diff += std::string(" ") + name;
    };
    check("dblEconPot", a.dblEconPot, b.dblEconPot);
    check("vecPorcAtendTotal", a.vecPorcAtendTotal, b.vecPorcAtendTotal);
    check("vecPorcAtendParc", a.vecPorcAtendParc, b.vecPorcAtendParc);
    check("vecPorcNaoAtend", a.vecPorcNaoAtend, b.vecPorcNaoAtend);
    check("vecContRec", a.vecContRec, b.vecContRec);
    check("dblPorcAtendTotal", a.dblPorcAtendTotal, b.dblPorcAtendTotal);
    check("dblPorcAtendParc", a.dblPorcAtendParc, b.dblPorcAtendParc);
    check("dblPorcNaoAtend", a.dblPorcNaoAtend, b.dblPorcNaoAtend);
    check("dblVExtravMed", a.dblVExtravMed, b.dblVExtravMed);
    check("dblConsPluvMed", a.dblConsPluvMed, b.dblConsPluvMed);
    check("dblConsPotMed", a.dblConsPotMed, b.dblConsPotMed);
    check("vecVConsPluv", a.vecVConsPluv, b.vecVConsPluv);
    check("vecVConsPot", a.vecVConsPot, b.vecVConsPot);
    check("vecVRecalc", a.vecVRecalc, b.vecVRecalc);
    check("vecVExtrav", a.vecVExtrav, b.vecVExtrav);
    check("vecVMediaMensalCont", a.vecVMediaMensalCont, b.vecVMediaMensalCont);
    return diff;
}

}  // namespace vespra_test
