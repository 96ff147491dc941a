#pragma once
// The household of the example files, also run by the benchmark and the engine's tests: four
// people on a 100 m² roof, 150 L per person and day, half of it replaced by rainwater, runoff
// coefficient 0.8, a first-flush discard of 2 mm. The record, the reservoirs and the notes
// are each caller's own.

#include "engine/capt_agua.h"

namespace examples {

inline void setHousehold(TCaptAgua& p) {
    p.dblDescartPrec = 2;
    p.dblAreaCapt = 100;
    p.vecDemAguaPot = {150};
    p.vecNroMor = {4};
    p.dblPorcSubs = 0.5;
    p.dblCoefAprov = 0.8;
}

}  // namespace examples
