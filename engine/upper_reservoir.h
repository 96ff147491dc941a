#pragma once
// The upper reservoir: how it is set, how large it is when the demand sizes it, and the rules
// its pumping threshold must keep.

#include <optional>
#include <string>

class TCaptAgua;

// How a system's upper reservoir is set. A simulation holds it as flagResSupDem and
// dblResSup, the upper-reservoir dialog as its item, the scenario lists as their text: each
// converts at its own edge.
enum class UpperReservoirMode { FromDemand, ChosenVolume, None };

// The mode a simulation's inputs describe: sized from the demand when flagResSupDem is set,
// else a chosen volume when there is one, else none.
UpperReservoirMode upperReservoirMode(const TCaptAgua& p);

// Whether a system set in `mode` has an upper reservoir at all (with `chosenVolume` litres
// when the volume is chosen): a chosen volume of 0 is none, as the simulation holds it
// (dblResSup 0) and as a file saved with it opens. The pump, its costs and its lines in the
// simulation file go with this answer.
bool usesUpperReservoir(UpperReservoirMode mode, double chosenVolume);

// The order in which the three factors of the demand-sized volume are multiplied. Products of
// doubles can differ in their last digit with the order; each place keeps the order whose
// figures its files and screens have always shown.
// (Multiplication of two doubles commutes, so share × demand is demand × share.)
enum class DemandFactorOrder {
    OccupantsDemandShare,  // (occupants × demand) × share: the engine's and the main window's run
    DemandShareOccupants,  // (demand × share) × occupants: the scenario batch and the dialog's box
};

// The upper reservoir as large as the mean daily rainwater demand, litres: occupants (people)
// × demand (litres per person per day) × share (fraction 0..1), multiplied in `order`.
double demandSizedUpperVolume(double occupants, double demand, double share, DemandFactorOrder order);

// The pumping threshold's rules for a chosen upper reservoir of `volume` litres: a threshold of
// `threshold` litres may not pass the volume, nor 90 % of it. The message the user sees when
// one is broken, nothing when both hold.
std::optional<std::string> upperThresholdError(double volume, double threshold);
