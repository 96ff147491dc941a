#pragma once
// Small systems for the engine's tests: a household on a roof over a made-up but fixed
// record, so that runs are repeatable and quick.

#include <memory>
#include <string>

#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "examples/household.h"

namespace testsys {

// `days` of rain from 1 January 2012: dry spells, drizzle and storms in a fixed pattern (mm).
inline doubleArray series(std::size_t days) {
    doubleArray v(days);
    std::uint32_t x = 12345;
    for (auto& d : v) {
        x = x * 1103515245u + 12345u;
        const std::uint32_t r = (x >> 16) % 100;
        // Tenths of a millimetre, as records are written, so that texts read back exactly.
        d = r < 55 ? 0.0 : r < 80 ? (r - 54) * 3 / 10.0 : (r - 79) * 25 / 10.0;
    }
    return v;
}

// The example household (examples/household.h) on `days` of the record above.
inline std::unique_ptr<TCaptAguaInterval> household(std::size_t days = 800, double resInf = 5000) {
    auto set = std::make_unique<TCaptAguaInterval>();
    TCaptAgua& p = set->base();
    examples::setHousehold(p);
    p.strArqPrec = "chuva.txt";
    p.vecDadosPrecOrig = series(days);
    p.dateDadosPrec = *TDate::fromYMD(2012, 1, 1);
    p.dblResInf = resInf;
    p.strObs = std::make_shared<TObsList>(TObsList{"Casa de teste"});
    return set;
}

// The same household with a sweep set up.
inline std::unique_ptr<TCaptAguaInterval> sweep(double volmax, double interval, double delta,
                                                std::size_t days = 800) {
    auto set = household(days, 0);
    set->setSweep(volmax, interval, delta);
    return set;
}

}  // namespace testsys
