#pragma once
// A small record for the sizing methods, every figure computable by hand: 10 m² at a runoff
// coefficient of 1 (a millimetre of rain is 10 litres), one person, the whole demand by
// rainwater, a first-flush discard of 1 mm. From 1 January 2001 (two years without a leap
// day): 60 mm on the 1st of each month from January to June, nothing from July to December,
// and 0.5 mm on every 15th, which the discard removes.

#include <memory>

#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"

namespace sizingrec {

inline double rainOn(TDate date) {
    if (date.day() == 1 && date.month() <= 6) return 60;
    return date.day() == 15 ? 0.5 : 0.0;
}

// `days` of that record from `start`, a demand of `demand` litres a day.
inline std::unique_ptr<TCaptAguaInterval> record(std::size_t days = 730, double demand = 5,
                                                 TDate start = *TDate::fromYMD(2001, 1, 1)) {
    auto set = std::make_unique<TCaptAguaInterval>();
    TCaptAgua& p = set->base();
    p.strArqPrec = "chuva.txt";
    p.dateDadosPrec = start;
    p.vecDadosPrecOrig.resize(days);
    for (std::size_t j = 0; j < days; ++j)
        p.vecDadosPrecOrig[j] = rainOn(start.addDays(static_cast<std::int64_t>(j)));
    p.dblDescartPrec = 1;
    p.dblAreaCapt = 10;
    p.dblCoefAprov = 1;
    p.vecDemAguaPot = {demand};
    p.vecNroMor = {1};
    p.dblPorcSubs = 1;
    p.dblResInf = 500;
    p.strObs = std::make_shared<TObsList>();
    return set;
}

}  // namespace sizingrec
