// The upper reservoir's rules: its mode read from a simulation, the demand-sized volume in each
// factor order, and the pumping threshold's limits; and the ranges of the share and coefficient.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/capt_agua.h"
#include "engine/input_rules.h"
#include "engine/upper_reservoir.h"
#include "tests/support/rows.h"

namespace {

const std::string kAboveVolume =
    "O volume abaixo do qual há recalque não pode ser superior ao volume do reservatório superior.";
const std::string kAbove90 =
    "O volume abaixo do qual há recalque não pode ser superior a 90% do volume do reservatório superior.";
const std::string kShare =
    "O Percentual da demanda total a ser substituída por água pluvial deve ser maior que 0% e menor ou "
    "igual a 100%.";
const std::string kCoefficient =
    "O Coeficiente de escoamento superficial deve ser maior que 0 e menor ou igual a 1.";

TEST(UpperReservoir, ModeOfASimulation) {
    TCaptAgua p;
    EXPECT_EQ(upperReservoirMode(p), UpperReservoirMode::None);
    p.dblResSup = 300;
    EXPECT_EQ(upperReservoirMode(p), UpperReservoirMode::ChosenVolume);
    p.flagResSupDem = true;
    EXPECT_EQ(upperReservoirMode(p), UpperReservoirMode::FromDemand);
    p.dblResSup = 0;  // a demand of 0 sizes a reservoir of 0 L, still sized from the demand
    EXPECT_EQ(upperReservoirMode(p), UpperReservoirMode::FromDemand);
}

// 3 people × 150 L × 55 %: the two orders differ in the last digit, and each place that sizes
// the reservoir keeps the figure it has always shown.
TEST(UpperReservoir, DemandSizedVolumeInEachOrder) {
    EXPECT_EQ(demandSizedUpperVolume(3, 150, 0.55, DemandFactorOrder::OccupantsDemandShare),
              247.50000000000003);
    EXPECT_EQ(demandSizedUpperVolume(3, 150, 0.55, DemandFactorOrder::DemandShareOccupants), 247.5);
    TCaptAgua p;
    p.vecDemAguaPot = {150};
    p.vecNroMor = {3};
    p.dblPorcSubs = 0.55;
    EXPECT_EQ(p.resSupFromDemand(), 247.50000000000003);
}

struct ThresholdRow {
    const char* name;
    double volume, threshold;
    std::optional<std::string> message;
};

TEST(UpperReservoir, ThresholdLimits) {
    const ThresholdRow rows[] = {
        {"no upper reservoir", 0, 0, std::nullopt},
        {"below 90 %", 1000, 500, std::nullopt},
        {"at 90 %", 1000, 900, std::nullopt},
        {"just above 90 %", 1000, 900.5, kAbove90},
        {"at the volume", 1000, 1000, kAbove90},
        {"above the volume", 1000, 1000.5, kAboveVolume},
        {"a threshold with no reservoir", 0, 10, kAboveVolume},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(upperThresholdError(r.volume, r.threshold), r.message);
    }
}

struct RangeRow {
    const char* name;
    double value;
    bool accepted;
};

TEST(InputRules, ShareAndCoefficientRanges) {
    const RangeRow shares[] = {{"zero", 0, false},      {"a little", 0.01, true},
                               {"all", 100, true},      {"over all", 100.01, false},
                               {"negative", -5, false}, {"not a number", NAN, false}};
    for (const auto& r : shares) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(shareError(r.value), r.accepted ? std::nullopt : std::optional<std::string>(kShare));
    }
    const RangeRow coefficients[] = {{"zero", 0, false},
                                     {"0.9", 0.9, true},
                                     {"one", 1, true},
                                     {"over one", 1.01, false},
                                     {"not a number", NAN, false}};
    for (const auto& r : coefficients) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(coefficientError(r.value),
                  r.accepted ? std::nullopt : std::optional<std::string>(kCoefficient));
    }
}

// A simulation's inputs checked together, in the main window's order; the threshold only
// counts when there is an upper reservoir, sized from the demand or chosen.
TEST(InputRules, EveryRuleASimulationBreaks) {
    TCaptAgua p;
    p.dblPorcSubs = 0.5;
    p.dblCoefAprov = 0.8;
    EXPECT_TRUE(inputRuleMessages(p).empty());
    p.dblResSupMinRec = 10;  // a threshold left over with no upper reservoir is not used
    EXPECT_TRUE(inputRuleMessages(p).empty());
    p.flagResSupDem = true;  // sized from the demand: 0 L here, below its threshold
    EXPECT_EQ(inputRuleMessages(p), std::vector<std::string>{kAboveVolume});
    p.flagResSupDem = false;
    p.dblResSup = 100;
    p.dblResSupMinRec = 95;
    p.dblPorcSubs = 1.2;
    p.dblCoefAprov = 0;
    EXPECT_EQ(inputRuleMessages(p), (std::vector<std::string>{kShare, kCoefficient, kAbove90}));
}

}  // namespace
