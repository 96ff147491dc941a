// The daily water balance: single days with and without an upper reservoir, and whole runs
// of TCaptAgua::simula checked against figures worked out by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "engine/balance_day.h"
#include "engine/capt_agua.h"
#include "engine/engine_error.h"
#include "engine/month_array.h"
#include "examples/household.h"
#include "tests/support/compare.h"
#include "tests/support/rows.h"
#include "tests/support/systems.h"

namespace {

using vespra_test::sameResults;

constexpr int kNominalDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// ---------------------------------------------------------------------------------------
// One day

struct DayCase {
    const char* name;
    bool upper = false;
    double vi = 0, vs = 0;  // reservoir volumes at the start of the day
    double R = 0, D = 0;    // runoff and rainwater demand of the day
    double resInf = 0, resSup = 0, minRec = 0;
    double S = 0, O = 0, P = 0;  // expected flows
    int k = 0;
    double viAfter = 0, vsAfter = 0;
    double tol = 0;
};

const std::vector<DayCase> kDayCases = {
    {.name = "TankTakesTheRunoff", .vi = 600, .R = 300, .D = 50, .resInf = 1000, .S = 50, .viAfter = 850},
    {.name = "FullTankOverflows",
     .vi = 1000,
     .R = 200,
     .D = 100,
     .resInf = 1000,
     .S = 100,
     .O = 200,
     .viAfter = 900},
    {.name = "EmptyTankOfNoVolume", .R = 250, .D = 80, .resInf = 0, .O = 250},
    {.name = "DemandAboveWhatIsStored", .vi = 30, .R = 40, .D = 100, .resInf = 1000, .S = 70},
    // Vs 400 above the threshold: pass 1 draws 300 without pumping, pass 2 pumps 400.
    {.name = "UpperAboveThresholdDrawsThenPumps",
     .upper = true,
     .vi = 4900,
     .vs = 400,
     .R = 200,
     .D = 700,
     .resInf = 5000,
     .resSup = 500,
     .minRec = 100,
     .S = 700,
     .O = 100,
     .P = 400,
     .k = 2,
     .viAfter = 4600,
     .vsAfter = 100},
    // 150 L left below: one pass, then the final draw empties the upper reservoir.
    {.name = "LowerRunsDryThenFinalDraw",
     .upper = true,
     .vi = 50,
     .vs = 100,
     .R = 100,
     .D = 700,
     .resInf = 1000,
     .resSup = 500,
     .minRec = 100,
     .S = 250,
     .P = 150,
     .k = 1},
    // Threshold at the volume: the single pass fills the upper reservoir and pumps the demand.
    {.name = "ThresholdAtVolumePumpsTheDemandToo",
     .upper = true,
     .vi = 1500,
     .R = 500,
     .D = 300,
     .resInf = 3000,
     .resSup = 500,
     .minRec = 500,
     .S = 300,
     .P = 800,
     .k = 1,
     .viAfter = 1200,
     .vsAfter = 500},
    {.name = "ThresholdAtVolumeLowerNearlyEmpty",
     .upper = true,
     .vi = 200,
     .D = 300,
     .resInf = 3000,
     .resSup = 500,
     .minRec = 500,
     .S = 200,
     .P = 200,
     .k = 1},
    // The lower reservoir is empty: no pass, but the upper one still serves the demand.
    {.name = "NoPassButUpperServes",
     .upper = true,
     .vs = 300,
     .D = 200,
     .resInf = 1000,
     .resSup = 500,
     .minRec = 100,
     .S = 200,
     .vsAfter = 100},
    {.name = "NoDemandNoPumping",
     .upper = true,
     .vi = 500,
     .vs = 50,
     .resInf = 1000,
     .resSup = 500,
     .minRec = 100,
     .viAfter = 500,
     .vsAfter = 50},
    // A 0.1 L gap: every pass pumps and draws 0.1 L; after 10000 passes the final draw
    // takes the 499.9 L left in the upper reservoir.
    {.name = "PassLimitThenFinalDraw",
     .upper = true,
     .vi = 1e6,
     .D = 2000,
     .resInf = 1e6,
     .resSup = 500,
     .minRec = 499.9,
     .S = 1499.9,
     .P = 1499.9,
     .k = 10000,
     .viAfter = 1e6 - 1499.9,
     .tol = 1e-6},
};

class OneDay : public ::testing::TestWithParam<DayCase> {};

TEST_P(OneDay, Flows) {
    const DayCase& c = GetParam();
    double vi = c.vi, vs = c.vs;
    const balance::DayFlows f = c.upper
                                    ? balance::dayWithUpper(vi, vs, c.R, c.D, c.resInf, c.resSup, c.minRec)
                                    : balance::dayWithoutUpper(vi, c.R, c.D, c.resInf);
    EXPECT_NEAR(f.S, c.S, c.tol);
    EXPECT_NEAR(f.O, c.O, c.tol);
    EXPECT_NEAR(f.P, c.P, c.tol);
    EXPECT_EQ(f.k, c.k);
    EXPECT_NEAR(vi, c.viAfter, c.tol);
    if (c.upper) {
        EXPECT_NEAR(vs, c.vsAfter, c.tol);
    }
}

INSTANTIATE_TEST_SUITE_P(Balance, OneDay, ::testing::ValuesIn(kDayCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// Whole runs

// The example household with three people and no first-flush discard, a 2000 L cistern.
TCaptAgua household(doubleArray prec, TDate start) {
    TCaptAgua s;
    examples::setHousehold(s);
    s.vecNroMor = {3};
    s.dblDescartPrec = 0;
    s.vecDadosPrecOrig = std::move(prec);
    s.dateDadosPrec = start;
    s.dblResInf = 2000;
    return s;
}

void withUpper(TCaptAgua& s, double volume, double threshold) {
    s.dblResSup = volume;
    s.dblResSupMinRec = threshold;
}

// Configurations of the same household that exercise different parts of the run.
struct Config {
    const char* name;
    void (*apply)(TCaptAgua&);
};

const std::vector<Config> kConfigs = {
    {.name = "NoUpper", .apply = [](TCaptAgua&) {}},
    {.name = "NoUpperDailyCycles",
     .apply =
         [](TCaptAgua& s) {
             s.vecDemAguaPot = {120, 200, 90};
             s.vecNroMor = {2, 4};
         }},
    {.name = "NoUpperMonthlyInputs",
     .apply =
         [](TCaptAgua& s) {
             s.boolDemAguaPotMensal = true;
             s.vecDemAguaPotMensal = {9000,  8000,  9500,  12000, 13000, 14000,
                                      15000, 14500, 12500, 11000, 10000, 9000};
             s.vecNroMor = {1};
             s.boolNroMorMensal = true;
             s.vecNroMorMensal = {1, 1, 1, 1.5, 1.5, 1.5, 2, 2, 2, 1, 1, 1};
         }},
    {.name = "Upper", .apply = [](TCaptAgua& s) { withUpper(s, 400, 100); }},
    {.name = "UpperThresholdAtVolume", .apply = [](TCaptAgua& s) { withUpper(s, 300, 300); }},
    {.name = "UpperSmallLowerReservoir",
     .apply =
         [](TCaptAgua& s) {
             withUpper(s, 250, 50);
             s.dblResInf = 300;
             s.vecDemAguaPot = {120, 200, 90};
         }},
};

class RunConfig : public ::testing::TestWithParam<Config> {
  protected:
    // 2000 days from mid-year, crossing two leap days.
    TCaptAgua sim = [] {
        TCaptAgua s = household(testsys::series(2000), ymd(2011, 6, 17));
        s.dblDescartPrec = 0.5;
        GetParam().apply(s);
        return s;
    }();
};

TEST_P(RunConfig, SharesOfDaysAddUpTo100) {
    sim.simula();
    EXPECT_NEAR(sim.dblPorcAtendTotal + sim.dblPorcAtendParc + sim.dblPorcNaoAtend, 100.0, 1e-9);
    for (int m = 1; m <= 12; ++m) {
        ASSERT_GT(sim.vecVMediaMensalCont[m], 0);
        EXPECT_NEAR(sim.vecPorcAtendTotal[m] + sim.vecPorcAtendParc[m] + sim.vecPorcNaoAtend[m], 1.0, 1e-12)
            << "month " << m;
    }
    std::int32_t days = 0;
    for (int m = 1; m <= 12; ++m) days += sim.vecVMediaMensalCont[m];
    EXPECT_EQ(days, 2000);
}

TEST_P(RunConfig, RunningTwiceGivesIdenticalResults) {
    sim.simula();
    const TCaptAgua first = sim;
    sim.simula();
    EXPECT_TRUE(sameResults(sim, first));
    EXPECT_EQ(sim.vecDadosPrec, first.vecDadosPrec);
    EXPECT_EQ(sim.vecDemAguaPot, first.vecDemAguaPot) << "a second run must not shift the tables again";
    EXPECT_EQ(sim.vecNroMor, first.vecNroMor);
}

TEST_P(RunConfig, RunAfterChangedInputsStartsFromScratch) {
    sim.simula();
    // A shorter series in other months, on a smaller roof.
    sim.vecDadosPrecOrig = testsys::series(100);
    sim.dateDadosPrec = ymd(2014, 9, 3);
    sim.dblAreaCapt = 60;
    sim.simula();
    TCaptAgua fresh;
    fresh.Assign(sim);
    fresh.simula();
    EXPECT_TRUE(sameResults(sim, fresh));
}

INSTANTIATE_TEST_SUITE_P(Configurations, RunConfig, ::testing::ValuesIn(kConfigs),
                         [](const auto& info) { return std::string(info.param.name); });

// A run that cannot start is refused before anything is touched.
struct RefusedCase {
    const char* name;
    void (*spoil)(TCaptAgua&);
};

const std::vector<RefusedCase> kRefusedCases = {
    {.name = "EmptySeries", .spoil = [](TCaptAgua& s) { s.vecDadosPrecOrig.clear(); }},
    {.name = "EmptyDemand", .spoil = [](TCaptAgua& s) { s.vecDemAguaPot.clear(); }},
    {.name = "MonthlyDemandOfElevenValues",
     .spoil =
         [](TCaptAgua& s) {
             s.boolDemAguaPotMensal = true;
             s.vecDemAguaPotMensal = doubleArray(11, 3000.0);
         }},
    {.name = "EmptyOccupants", .spoil = [](TCaptAgua& s) { s.vecNroMor.clear(); }},
    {.name = "MonthlyOccupantsOfThirteenValues",
     .spoil =
         [](TCaptAgua& s) {
             s.boolNroMorMensal = true;
             s.vecNroMorMensal = doubleArray(13, 2.0);
         }},
};

class RefusedRun : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedRun, ThrowsAndChangesNothing) {
    TCaptAgua sim = household(testsys::series(400), ymd(2013, 2, 1));
    sim.dblDescartPrec = 1;
    sim.simula();
    // New inputs whose run would give other figures, then the fault.
    sim.vecDadosPrecOrig = testsys::series(500);
    sim.dblDescartPrec = 3;
    GetParam().spoil(sim);
    const TCaptAgua before = sim;
    EXPECT_THROW(sim.simula(), EngineError);
    EXPECT_TRUE(sameResults(sim, before));
    EXPECT_EQ(sim.vecDadosPrec, before.vecDadosPrec);
    EXPECT_EQ(sim.vecDemAguaPot, before.vecDemAguaPot);
    EXPECT_EQ(sim.vecNroMor, before.vecNroMor);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RefusedRun, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Runoff of day j as the run computes it, litres.
double runoff(const TCaptAgua& s, std::size_t j) {
    return s.vecDadosPrecOrig[j] * s.dblAreaCapt * s.dblCoefAprov;
}

class ZeroLowerReservoir : public ::testing::TestWithParam<bool> {};

TEST_P(ZeroLowerReservoir, EveryLitreOverflows) {
    TCaptAgua sim = household(testsys::series(400), ymd(2013, 5, 10));
    sim.dblResInf = 0;
    if (GetParam()) withUpper(sim, 300, 50);
    sim.simula();

    MonthArray<double> runoffSum;
    MonthArray<int> days;
    for (std::size_t j = 0; j < sim.vecDadosPrecOrig.size(); ++j) {
        const int m = sim.dateDadosPrec.addDays(static_cast<std::int64_t>(j)).month();
        runoffSum[m] += runoff(sim, j);
        ++days[m];
    }
    for (int m = 1; m <= 12; ++m) {
        EXPECT_NEAR(sim.vecVExtrav[m], runoffSum[m] / days[m] * kNominalDays[m], 1e-9 * runoffSum[m])
            << "month " << m;
        EXPECT_EQ(sim.vecVConsPluv[m], 0.0);
        EXPECT_EQ(sim.vecVRecalc[m], 0.0);
        EXPECT_EQ(sim.vecPorcNaoAtend[m], 1.0);
    }
    EXPECT_GT(sim.dblVExtravMed, 0.0);
    EXPECT_EQ(sim.dblConsPluvMed, 0.0);
    EXPECT_EQ(sim.dblEconPot, 0.0);
    EXPECT_EQ(sim.dblPorcNaoAtend, 100.0);
}

INSTANTIATE_TEST_SUITE_P(Reservoirs, ZeroLowerReservoir, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "WithUpper" : "NoUpper"); });

// Days without rainwater demand count as not met; with no consumption at all the savings
// potential is 0, not 0 ÷ 0.
struct NoDemandCase {
    const char* name;
    void (*apply)(TCaptAgua&);
    bool potableUsed;
};

const std::vector<NoDemandCase> kNoDemandCases = {
    {.name = "NoOccupants", .apply = [](TCaptAgua& s) { s.vecNroMor = {0}; }, .potableUsed = false},
    {.name = "NoDemand", .apply = [](TCaptAgua& s) { s.vecDemAguaPot = {0}; }, .potableUsed = false},
    {.name = "NoOccupantsWithUpper",
     .apply =
         [](TCaptAgua& s) {
             s.vecNroMor = {0};
             withUpper(s, 300, 100);
         },
     .potableUsed = false},
    {.name = "NoSubstitution", .apply = [](TCaptAgua& s) { s.dblPorcSubs = 0; }, .potableUsed = true},
};

class NoRainwaterDemand : public ::testing::TestWithParam<NoDemandCase> {};

TEST_P(NoRainwaterDemand, EveryDayIsNotMet) {
    TCaptAgua sim = household(testsys::series(400), ymd(2013, 1, 1));
    GetParam().apply(sim);
    sim.simula();
    EXPECT_EQ(sim.dblPorcNaoAtend, 100.0);
    EXPECT_EQ(sim.dblPorcAtendTotal, 0.0);
    EXPECT_EQ(sim.dblPorcAtendParc, 0.0);
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(sim.vecPorcNaoAtend[m], 1.0) << "month " << m;
    EXPECT_EQ(sim.dblConsPluvMed, 0.0);
    EXPECT_EQ(sim.dblEconPot, 0.0);
    EXPECT_EQ(sim.dblConsPotMed > 0, GetParam().potableUsed);
}

INSTANTIATE_TEST_SUITE_P(Households, NoRainwaterDemand, ::testing::ValuesIn(kNoDemandCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Demand and occupant cycles both start on the first day of the series and run on across
// month ends. Without rain the potable consumption is the whole demand of each day.
class DemandCycles : public ::testing::TestWithParam<bool> {};

TEST_P(DemandCycles, StartOnTheFirstDayOfTheSeries) {
    TCaptAgua sim = household(doubleArray(5, 0.0), ymd(2001, 1, 30));
    sim.vecDemAguaPot = {100, 200, 400};
    sim.vecNroMor = {1, 3};
    if (GetParam()) withUpper(sim, 300, 100);
    sim.simula();
    // Day by day T = 100·1, 200·3 | 400·1, 100·3, 200·1 litres.
    EXPECT_DOUBLE_EQ(sim.vecVConsPot[1], (100.0 + 600.0) / 2 * 31);
    EXPECT_DOUBLE_EQ(sim.vecVConsPot[2], (400.0 + 300.0 + 200.0) / 3 * 28);
}

INSTANTIATE_TEST_SUITE_P(Reservoirs, DemandCycles, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "WithUpper" : "NoUpper"); });

TEST(WholeRun, ThirtyOneDaysOfJanuaryFillOnlyJanuary) {
    // 100 mm on the first day (8000 L) covers the 225 L of rainwater demand of all 31 days.
    doubleArray prec(31, 0.0);
    prec[0] = 100;
    TCaptAgua sim = household(prec, ymd(2014, 1, 1));
    sim.dblResInf = 10000;
    sim.simula();

    EXPECT_EQ(sim.vecVMediaMensalCont[1], 31);
    EXPECT_DOUBLE_EQ(sim.vecVConsPluv[1], 225.0 * 31);
    EXPECT_DOUBLE_EQ(sim.vecVConsPot[1], 225.0 * 31);
    EXPECT_EQ(sim.vecPorcAtendTotal[1], 1.0);
    for (int m = 2; m <= 12; ++m) {
        EXPECT_EQ(sim.vecVMediaMensalCont[m], 0) << "month " << m;
        EXPECT_EQ(sim.vecVConsPluv[m], 0.0) << "month " << m;
        EXPECT_EQ(sim.vecVConsPot[m], 0.0) << "month " << m;
        EXPECT_EQ(sim.vecVExtrav[m], 0.0) << "month " << m;
        EXPECT_EQ(sim.vecVRecalc[m], 0.0) << "month " << m;
        EXPECT_EQ(sim.vecContRec[m], 0.0) << "month " << m;
        EXPECT_EQ(sim.vecPorcAtendTotal[m], 0.0) << "month " << m;
        EXPECT_EQ(sim.vecPorcAtendParc[m], 0.0) << "month " << m;
        EXPECT_EQ(sim.vecPorcNaoAtend[m], 0.0) << "month " << m;
    }
    EXPECT_DOUBLE_EQ(sim.dblConsPluvMed, 225.0 * 31 / 365);
    EXPECT_DOUBLE_EQ(sim.dblConsPotMed, 225.0 * 31 / 365);
    EXPECT_EQ(sim.dblVExtravMed, 0.0);
    EXPECT_EQ(sim.dblPorcAtendTotal, 100.0);
}

TEST(WholeRun, LeapDayCountsInFebruaryAndTheTableRunsOneDayAhead) {
    // 28 February to 1 April 2012, no rain: the potable consumption is the whole demand, so
    // it shows which table entry each day used. Daily demand 100 L in February, 200 L in
    // March, 300 L in April, one occupant.
    TCaptAgua sim = household(doubleArray(34, 0.0), ymd(2012, 2, 28));
    sim.boolDemAguaPotMensal = true;
    sim.vecDemAguaPotMensal = doubleArray(12, 0.0);
    sim.vecDemAguaPotMensal[1] = 2800;
    sim.vecDemAguaPotMensal[2] = 6200;
    sim.vecDemAguaPotMensal[3] = 9000;
    sim.vecNroMor = {1};
    sim.simula();

    EXPECT_EQ(sim.vecVMediaMensalCont[2], 2);
    EXPECT_EQ(sim.vecVMediaMensalCont[3], 31);
    EXPECT_EQ(sim.vecVMediaMensalCont[4], 1);
    // 29 February takes 1 March's 200 L; 31 March takes 1 April's 300 L.
    EXPECT_DOUBLE_EQ(sim.vecVConsPot[2], (100.0 + 200.0) / 2 * 28);
    EXPECT_DOUBLE_EQ(sim.vecVConsPot[3], (30 * 200.0 + 300.0) / 31 * 31);
    EXPECT_DOUBLE_EQ(sim.vecVConsPot[4], 300.0 * 30);
    EXPECT_EQ(sim.dblPorcNaoAtend, 100.0);
}

// ---------------------------------------------------------------------------------------
// Small runs worked out by hand, every monthly figure checked.

struct MonthExpect {
    int month, days = 0;
    double pluv = 0, pot = 0, recalc = 0, extrav = 0, passes = 0, total = 0, partial = 0, notMet = 0;
};

struct HandCase {
    const char* name;
    doubleArray prec;
    int y, m, d;  // first day of the record
    double discard = 0, area = 0, coef = 0;
    doubleArray dem, occ;
    double subs = 0, resInf = 0, resSup = 0, minRec = 0;
    std::vector<MonthExpect> months;  // every other month all 0
    double consPluvMed = 0, consPotMed = 0, vExtravMed = 0;
    double pctTotal = 0, pctPartial = 0, pctNot = 0;
};

const std::vector<HandCase> kHandCases = {
    // R = 400, 0 (0.5 mm is discarded), 0, 160, 800 L; D = 100, 200, 100, 200, 100 L of
    // T = 200, 400, 200, 400, 200 L; tank 300 L.
    //   29 Jan: V 300, O 100, S 100, Vi 200 (met)     30 Jan: V 200, S 200, Vi 0 (met)
    //   31 Jan: nothing (not met)                      1 Feb: V 160, S 160 (partial)
    //    2 Feb: V 300, O 500, S 100, Vi 200 (met)
    {.name = "WithoutUpperAcrossJanuaryEnd",
     .prec = {5, 0.5, 0, 2, 10},
     .y = 2001,
     .m = 1,
     .d = 29,
     .discard = 1,
     .area = 100,
     .coef = 0.8,
     .dem = {100, 200},
     .occ = {2},
     .subs = 0.5,
     .resInf = 300,
     .months = {{.month = 1,
                 .days = 3,
                 .pluv = 300.0 / 3 * 31,
                 .pot = 500.0 / 3 * 31,
                 .extrav = 100.0 / 3 * 31,
                 .total = 2.0 / 3,
                 .notMet = 1.0 / 3},
                {.month = 2,
                 .days = 2,
                 .pluv = 260.0 / 2 * 28,
                 .pot = 340.0 / 2 * 28,
                 .extrav = 500.0 / 2 * 28,
                 .total = 0.5,
                 .partial = 0.5}},
     .consPluvMed = (300.0 / 3 * 31 + 260.0 / 2 * 28) / 365,
     .consPotMed = (500.0 / 3 * 31 + 340.0 / 2 * 28) / 365,
     .vExtravMed = (100.0 / 3 * 31 + 500.0 / 2 * 28) / 365,
     .pctTotal = 60,
     .pctPartial = 20,
     .pctNot = 20},
    // Upper 500 L pumped at 100 L, lower 1000 L, D = T = 300 L every day, R = 1500 L on day 1.
    //   31 Mar: O 500; pumps 500, draws 300 (k 1, met)
    //    1 Apr: draws 100, pumps 400, draws 200 (k 2, P 400, met)
    //    2 Apr: draws 200, pumps the last 100, draws 100 (k 2, P 100, met)
    //    3 Apr: lower empty, the final draw takes the upper's 100 L (k 0, partial)
    //    4 Apr: nothing left (not met)
    {.name = "WithUpperAcrossMarchEnd",
     .prec = {15, 0, 0, 0, 0},
     .y = 2001,
     .m = 3,
     .d = 31,
     .discard = 0,
     .area = 100,
     .coef = 1,
     .dem = {300},
     .occ = {1},
     .subs = 1,
     .resInf = 1000,
     .resSup = 500,
     .minRec = 100,
     .months = {{.month = 3,
                 .days = 1,
                 .pluv = 300.0 * 31,
                 .recalc = 500.0 * 31,
                 .extrav = 500.0 * 31,
                 .passes = 1,
                 .total = 1},
                {.month = 4,
                 .days = 4,
                 .pluv = 700.0 / 4 * 30,
                 .pot = 500.0 / 4 * 30,
                 .recalc = 500.0 / 4 * 30,
                 .passes = 4.0 / 4,
                 .total = 0.5,
                 .partial = 0.25,
                 .notMet = 0.25}},
     .consPluvMed = (300.0 * 31 + 700.0 / 4 * 30) / 365,
     .consPotMed = (500.0 / 4 * 30) / 365,
     .vExtravMed = (500.0 * 31) / 365,
     .pctTotal = 60,
     .pctPartial = 20,
     .pctNot = 20},
    // Upper 100.1 L pumped at 20.02 L, D = 0.3 × 130.5 = 39.15 L of T = 130.5 L, R = 1000 L a day.
    //   1 Jan: pumps 100.1, draws 39.15 (k 1)      2 Jan: draws 39.15 (k 1, Vs 21.8)
    //   3 Jan: draws the 1.78 above the threshold, pumps 80.08 and draws the rest of the demand
    //          (k 2): the two draws add up to 39.150000000000006, one rounding step above D.
    // Every day's supply reaches its demand: all three are met completely.
    {.name = "WithUpperSupplyOneRoundingStepAboveDemand",
     .prec = {10, 10, 10},
     .y = 2001,
     .m = 1,
     .d = 1,
     .discard = 0,
     .area = 100,
     .coef = 1,
     .dem = {130.5},
     .occ = {1},
     .subs = 0.3,
     .resInf = 5000,
     .resSup = 100.1,
     .minRec = 20.02,
     .months = {{.month = 1,
                 .days = 3,
                 .pluv = 39.15 * 31,
                 .pot = (130.5 - 39.15) * 31,
                 .recalc = (100.1 + 80.08) / 3 * 31,
                 .passes = 4.0 / 3,
                 .total = 1}},
     .consPluvMed = 39.15 * 31 / 365,
     .consPotMed = (130.5 - 39.15) * 31 / 365,
     .pctTotal = 100},
};

class HandComputed : public ::testing::TestWithParam<HandCase> {};

TEST_P(HandComputed, EveryMonthlyFigure) {
    const HandCase& c = GetParam();
    TCaptAgua sim;
    sim.vecDadosPrecOrig = c.prec;
    sim.dateDadosPrec = ymd(c.y, c.m, c.d);
    sim.dblDescartPrec = c.discard;
    sim.dblAreaCapt = c.area;
    sim.dblCoefAprov = c.coef;
    sim.vecDemAguaPot = c.dem;
    sim.vecNroMor = c.occ;
    sim.dblPorcSubs = c.subs;
    sim.dblResInf = c.resInf;
    sim.dblResSup = c.resSup;
    sim.dblResSupMinRec = c.minRec;
    sim.simula();

    auto near = [](double got, double want, const char* what, int m) {
        EXPECT_NEAR(got, want, 1e-9 * (1 + std::fabs(want))) << what << " of month " << m;
    };
    for (int m = 1; m <= 12; ++m) {
        MonthExpect e{.month = m};
        for (const MonthExpect& x : c.months) {
            if (x.month == m) e = x;
        }
        EXPECT_EQ(sim.vecVMediaMensalCont[m], e.days) << "days of month " << m;
        near(sim.vecVConsPluv[m], e.pluv, "vecVConsPluv", m);
        near(sim.vecVConsPot[m], e.pot, "vecVConsPot", m);
        near(sim.vecVRecalc[m], e.recalc, "vecVRecalc", m);
        near(sim.vecVExtrav[m], e.extrav, "vecVExtrav", m);
        near(sim.vecContRec[m], e.passes, "vecContRec", m);
        near(sim.vecPorcAtendTotal[m], e.total, "vecPorcAtendTotal", m);
        near(sim.vecPorcAtendParc[m], e.partial, "vecPorcAtendParc", m);
        near(sim.vecPorcNaoAtend[m], e.notMet, "vecPorcNaoAtend", m);
    }
    near(sim.dblConsPluvMed, c.consPluvMed, "dblConsPluvMed", 0);
    near(sim.dblConsPotMed, c.consPotMed, "dblConsPotMed", 0);
    near(sim.dblVExtravMed, c.vExtravMed, "dblVExtravMed", 0);
    near(sim.dblEconPot, 100 * c.consPluvMed / (c.consPluvMed + c.consPotMed), "dblEconPot", 0);
    near(sim.dblPorcAtendTotal, c.pctTotal, "dblPorcAtendTotal", 0);
    near(sim.dblPorcAtendParc, c.pctPartial, "dblPorcAtendParc", 0);
    near(sim.dblPorcNaoAtend, c.pctNot, "dblPorcNaoAtend", 0);
    // The discarded series is what the balance used.
    doubleArray discarded = c.prec;
    for (double& v : discarded) v = v >= c.discard ? v : 0.0;
    EXPECT_EQ(sim.vecDadosPrec, discarded);
}

INSTANTIATE_TEST_SUITE_P(Cases, HandComputed, ::testing::ValuesIn(kHandCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
