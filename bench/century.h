#pragma once
// The system the sweep figures are taken on, in the engine's benchmark and in the whole-process
// figures alike: the example household on a 150 m² roof over the benchmarks' 100-year daily
// record from 1 January 1925; an upper reservoir, when there is one, pumped at 100 L.

#include <cstddef>

#include "bench/rain_pattern.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "examples/household.h"

namespace bench {

constexpr std::size_t kCenturyDays = 36500;

inline void setCenturyHousehold(TCaptAgua& p, double resSup) {
    examples::setHousehold(p);
    p.dblAreaCapt = 150;
    p.vecDadosPrecOrig = rainPattern(kCenturyDays);
    p.dateDadosPrec = *TDate::fromYMD(1925, 1, 1);
    p.dblResSup = resSup;
    p.dblResSupMinRec = resSup > 0 ? 100 : 0;
}

// The 1001-volume sweep: 0 to 50 000 L in steps of 50 L, the ideal volume at 2 %/m³.
inline void setCenturySweep(TCaptAguaInterval& set) {
    set.setSweep(50000, 50, 2);
}

}  // namespace bench
