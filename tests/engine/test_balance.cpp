// The daily water balance: single days with and without an upper reservoir, and whole runs
// of TCaptAgua::simula checked against figures worked out by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "engine/balance_day.h"
#include "engine/unit_classe.h"
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
    bool upper;
    double vi, vs;  // reservoir volumes at the start of the day
    double R, D;    // runoff and rainwater demand of the day
    double resInf, resSup, minRec;
    double S, O, P;  // expected flows
    int k;
    double viAfter, vsAfter;
    double tol;
};

const std::vector<DayCase> kDayCases = {
    {"TankTakesTheRunoff", false, 600, 0, 300, 50, 1000, 0, 0, 50, 0, 0, 0, 850, 0, 0},
    {"FullTankOverflows", false, 1000, 0, 200, 100, 1000, 0, 0, 100, 200, 0, 0, 900, 0, 0},
    {"EmptyTankOfNoVolume", false, 0, 0, 250, 80, 0, 0, 0, 0, 250, 0, 0, 0, 0, 0},
    {"DemandAboveWhatIsStored", false, 30, 0, 40, 100, 1000, 0, 0, 70, 0, 0, 0, 0, 0, 0},
    // Vs 400 above the threshold: pass 1 draws 300 without pumping, pass 2 pumps 400.
    {"UpperAboveThresholdDrawsThenPumps", true, 4900, 400, 200, 700, 5000, 500, 100, 700, 100, 400, 2, 4600,
     100, 0},
    // 150 L left below: one pass, then the final draw empties the upper reservoir.
    {"LowerRunsDryThenFinalDraw", true, 50, 100, 100, 700, 1000, 500, 100, 250, 0, 150, 1, 0, 0, 0},
    // Threshold at the volume: the single pass fills the upper reservoir and pumps the demand.
    {"ThresholdAtVolumePumpsTheDemandToo", true, 1500, 0, 500, 300, 3000, 500, 500, 300, 0, 800, 1, 1200, 500,
     0},
    {"ThresholdAtVolumeLowerNearlyEmpty", true, 200, 0, 0, 300, 3000, 500, 500, 200, 0, 200, 1, 0, 0, 0},
    // The lower reservoir is empty: no pass, but the upper one still serves the demand.
    {"NoPassButUpperServes", true, 0, 300, 0, 200, 1000, 500, 100, 200, 0, 0, 0, 0, 100, 0},
    {"NoDemandNoPumping", true, 500, 50, 0, 0, 1000, 500, 100, 0, 0, 0, 0, 500, 50, 0},
    // A 0.1 L gap: every pass pumps and draws 0.1 L; after 10000 passes the final draw
    // takes the 499.9 L left in the upper reservoir.
    {"PassLimitThenFinalDraw", true, 1e6, 0, 0, 2000, 1e6, 500, 499.9, 1499.9, 0, 1499.9, 10000, 1e6 - 1499.9,
     0, 1e-6},
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

// A household of three at 150 L/person/day, half of it from rainwater, on a 100 m² roof.
TCaptAgua household(doubleArray prec, TDate start) {
    TCaptAgua s;
    s.vecDadosPrecOrig = std::move(prec);
    s.dateDadosPrec = start;
    s.dblAreaCapt = 100;
    s.dblCoefAprov = 0.8;
    s.vecDemAguaPot = {150};
    s.vecNroMor = {3};
    s.dblPorcSubs = 0.5;
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
    {"NoUpper", [](TCaptAgua&) {}},
    {"NoUpperDailyCycles",
     [](TCaptAgua& s) {
         s.vecDemAguaPot = {120, 200, 90};
         s.vecNroMor = {2, 4};
     }},
    {"NoUpperMonthlyInputs",
     [](TCaptAgua& s) {
         s.boolDemAguaPotMensal = true;
         s.vecDemAguaPotMensal = {9000,  8000,  9500,  12000, 13000, 14000,
                                  15000, 14500, 12500, 11000, 10000, 9000};
         s.vecNroMor = {1};
         s.boolNroMorMensal = true;
         s.vecNroMorMensal = {1, 1, 1, 1.5, 1.5, 1.5, 2, 2, 2, 1, 1, 1};
     }},
    {"Upper", [](TCaptAgua& s) { withUpper(s, 400, 100); }},
    {"UpperThresholdAtVolume", [](TCaptAgua& s) { withUpper(s, 300, 300); }},
    {"UpperSmallLowerReservoir",
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
    {"EmptySeries", [](TCaptAgua& s) { s.vecDadosPrecOrig.clear(); }},
    {"EmptyDemand", [](TCaptAgua& s) { s.vecDemAguaPot.clear(); }},
    {"MonthlyDemandOfElevenValues",
     [](TCaptAgua& s) {
         s.boolDemAguaPotMensal = true;
         s.vecDemAguaPotMensal = doubleArray(11, 3000.0);
     }},
    {"EmptyOccupants", [](TCaptAgua& s) { s.vecNroMor.clear(); }},
    {"MonthlyOccupantsOfThirteenValues",
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
    {"NoOccupants", [](TCaptAgua& s) { s.vecNroMor = {0}; }, false},
    {"NoDemand", [](TCaptAgua& s) { s.vecDemAguaPot = {0}; }, false},
    {"NoOccupantsWithUpper",
     [](TCaptAgua& s) {
         s.vecNroMor = {0};
         withUpper(s, 300, 100);
     },
     false},
    {"NoSubstitution", [](TCaptAgua& s) { s.dblPorcSubs = 0; }, true},
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
    int month, days;
    double pluv, pot, recalc, extrav, passes, total, partial, notMet;
};

struct HandCase {
    const char* name;
    doubleArray prec;
    int y, m, d;
    double discard, area, coef;
    doubleArray dem, occ;
    double subs, resInf, resSup, minRec;
    std::vector<MonthExpect> months;  // every other month all 0
    double consPluvMed, consPotMed, vExtravMed;
    double pctTotal, pctPartial, pctNot;
};

const std::vector<HandCase> kHandCases = {
    // R = 400, 0 (0.5 mm is discarded), 0, 160, 800 L; D = 100, 200, 100, 200, 100 L of
    // T = 200, 400, 200, 400, 200 L; tank 300 L.
    //   29 Jan: V 300, O 100, S 100, Vi 200 (met)     30 Jan: V 200, S 200, Vi 0 (met)
    //   31 Jan: nothing (not met)                      1 Feb: V 160, S 160 (partial)
    //    2 Feb: V 300, O 500, S 100, Vi 200 (met)
    {"WithoutUpperAcrossJanuaryEnd",
     {5, 0.5, 0, 2, 10},
     2001,
     1,
     29,
     1,
     100,
     0.8,
     {100, 200},
     {2},
     0.5,
     300,
     0,
     0,
     {{1, 3, 300.0 / 3 * 31, 500.0 / 3 * 31, 0, 100.0 / 3 * 31, 0, 2.0 / 3, 0, 1.0 / 3},
      {2, 2, 260.0 / 2 * 28, 340.0 / 2 * 28, 0, 500.0 / 2 * 28, 0, 0.5, 0.5, 0}},
     (300.0 / 3 * 31 + 260.0 / 2 * 28) / 365,
     (500.0 / 3 * 31 + 340.0 / 2 * 28) / 365,
     (100.0 / 3 * 31 + 500.0 / 2 * 28) / 365,
     60,
     20,
     20},
    // Upper 500 L pumped at 100 L, lower 1000 L, D = T = 300 L every day, R = 1500 L on day 1.
    //   31 Mar: O 500; pumps 500, draws 300 (k 1, met)
    //    1 Apr: draws 100, pumps 400, draws 200 (k 2, P 400, met)
    //    2 Apr: draws 200, pumps the last 100, draws 100 (k 2, P 100, met)
    //    3 Apr: lower empty, the final draw takes the upper's 100 L (k 0, partial)
    //    4 Apr: nothing left (not met)
    {"WithUpperAcrossMarchEnd",
     {15, 0, 0, 0, 0},
     2001,
     3,
     31,
     0,
     100,
     1,
     {300},
     {1},
     1,
     1000,
     500,
     100,
     {{3, 1, 300.0 * 31, 0, 500.0 * 31, 500.0 * 31, 1, 1, 0, 0},
      {4, 4, 700.0 / 4 * 30, 500.0 / 4 * 30, 500.0 / 4 * 30, 0, 4.0 / 4, 0.5, 0.25, 0.25}},
     (300.0 * 31 + 700.0 / 4 * 30) / 365,
     (500.0 / 4 * 30) / 365,
     (500.0 * 31) / 365,
     60,
     20,
     20},
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
        MonthExpect e{m, 0, 0, 0, 0, 0, 0, 0, 0, 0};
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
