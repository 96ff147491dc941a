#pragma once
// The runs of the daily water balance behind TCaptAgua::simula and the sweep.

#include <cstddef>

#include "engine/capt_agua.h"

namespace balance {

// First-flush discard and expansion of monthly inputs: the preparation of every run.
void prepare(TCaptAgua& sim);

// The series a prepared simulation's balance runs on, day by day from dateDadosPrec: the rain
// after the first-flush discard (mm), the runoff reaching the lower reservoir and the rainwater
// demand (litres), each formed exactly as the runs form them.
struct DaySeries {
    doubleArray rain, runoff, demand;
};
DaySeries daySeries(const TCaptAgua& prepared);

// Runs, without an upper reservoir, the system whose prepared inputs `inputs` holds once for
// each of `members` at that member's dblResInf, writing every member's results. The members
// share one pass over the series; each gets exactly the figures of its own run.
void runWithoutUpper(const TCaptAgua& inputs, TCaptAgua* const* members, std::size_t count);

// Runs the prepared `sim` with its upper reservoir.
void runWithUpper(TCaptAgua& sim);

// The same for a sweep: runs, with the upper reservoir of `inputs` (prepared), the system once
// for each of `members` at that member's dblResInf. Members share the day's inputs in blocks;
// each gets exactly the figures of its own run.
void runSweepWithUpper(const TCaptAgua& inputs, TCaptAgua* const* members, std::size_t count);

}  // namespace balance
