#include "engine/upper_reservoir.h"

#include "engine/capt_agua.h"

UpperReservoirMode upperReservoirMode(const TCaptAgua& p) {
    if (p.flagResSupDem) return UpperReservoirMode::FromDemand;
    return p.dblResSup != 0 ? UpperReservoirMode::ChosenVolume : UpperReservoirMode::None;
}

bool usesUpperReservoir(UpperReservoirMode mode, double chosenVolume) {
    switch (mode) {
        case UpperReservoirMode::FromDemand:
            return true;
        case UpperReservoirMode::ChosenVolume:
            return chosenVolume != 0;
        case UpperReservoirMode::None:
            break;
    }
    return false;
}

double demandSizedUpperVolume(double occupants, double demand, double share, DemandFactorOrder order) {
    switch (order) {
        case DemandFactorOrder::DemandShareOccupants:
            return demand * share * occupants;
        case DemandFactorOrder::OccupantsDemandShare:
            break;
    }
    return occupants * demand * share;
}

std::optional<std::string> upperThresholdError(double volume, double threshold) {
    if (volume < threshold)
        return "O volume abaixo do qual há recalque não pode ser superior ao volume do reservatório "
               "superior.";
    if (threshold > 0.9 * volume)
        return "O volume abaixo do qual há recalque não pode ser superior a 90% do volume do reservatório "
               "superior.";
    return std::nullopt;
}
