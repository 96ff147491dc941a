#pragma once
// Small fixtures shared by the economic tests: a working simulation whose monthly figures are
// set by hand, and the schedule of three bands used throughout.

#include <ostream>

#include "economics/analysis_fields.h"
#include "engine/capt_agua.h"

namespace {

// A simulation whose every calendar month consumed `pluv` litres of rainwater and `pot`
// litres of potable water, pumped `recalc` litres in `ciclos` cycles a day.
inline TCaptAgua simMensal(double pluv, double pot, double recalc = 0, double ciclos = 0) {
    TCaptAgua s;
    for (int m = 1; m <= 12; ++m) {
        s.vecVConsPluv[m] = pluv;
        s.vecVConsPot[m] = pot;
        s.vecVRecalc[m] = recalc;
        s.vecContRec[m] = ciclos;
    }
    return s;
}

// Below 10 m³ a flat R$ 20; between 10 and 20 m³ R$ 3,00 per m³; above 20 m³ R$ 5,00 per m³.
inline TTarifas tresFaixas(bool primeiraFixa = true, double primeiroValor = 20) {
    return {{0, 10, primeiroValor, primeiraFixa}, {10, 20, 3, false}, {20, 100000, 5, false}};
}

// Rows of a table print as their name in test failures.
template <typename T>
requires requires(const T& t) {
    t.name;
}
void PrintTo(const T& row, std::ostream* os) {
    *os << row.name;
}

}  // namespace
