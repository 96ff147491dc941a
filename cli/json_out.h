#pragma once

#include <string>

#include "engine/unit_classe.h"

// A simulation set as one JSON object: the sweep settings, the ideal volume's index and
// every member's results, numbers with 17 significant digits so that they round-trip.
// A single-volume set reports volmax, interval and delta 0 and indVolOtimo -1.
std::string simulationJson(const TCaptAguaInterval& sim);
