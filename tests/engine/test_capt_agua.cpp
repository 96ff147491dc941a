// The simulation model: the 365-day tables of monthly demand and occupants, the two means,
// copying a simulation with Assign and the input constructor.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/capt_agua.h"
#include "engine/engine_error.h"
#include "tests/support/compare.h"
#include "tests/support/rows.h"

namespace {

using vespra_test::sameInputs;
using vespra_test::sameResults;

// Days of the months of a non-leap year.
constexpr int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// ---------------------------------------------------------------------------------------
// 365-day tables

// Monthly inputs whose daily value tells the month: the demand of month m is 100·m litres a
// day (its monthly total spread over its days), the occupant count is m + 0.5.
enum class Table { Demand, Occupants };

double dailyValue(Table t, int month) {
    return t == Table::Demand ? 100.0 * month : month + 0.5;
}

// Entries first..last of the table must hold the daily value of `month`.
struct Span {
    int first, last, month;
};

struct ExpansionCase {
    const char* name;
    int y, m, d;  // start date of the series
    std::vector<Span> spans;
};

const std::vector<ExpansionCase> kExpansionCases = {
    {"FirstOfJanuary", 2001, 1, 1, {{0, 30, 1}, {31, 58, 2}, {59, 89, 3}, {334, 364, 12}}},
    {"FirstOfMarch", 2001, 3, 1, {{0, 30, 3}, {305, 305, 12}, {306, 336, 1}, {337, 364, 2}}},
    // A leap year does not move the table: 1 March is always day 59 of the year.
    {"FirstOfMarchLeapYear", 2012, 3, 1, {{0, 30, 3}, {305, 305, 12}, {306, 336, 1}, {337, 364, 2}}},
    {"MidJune", 2001, 6, 15, {{0, 15, 6}, {16, 46, 7}, {364, 364, 6}}},
    {"LastOfDecember", 2001, 12, 31, {{0, 0, 12}, {1, 31, 1}, {32, 59, 2}, {335, 364, 12}}},
    // 29 February has no day in the table; it starts like 1 March.
    {"LeapDayStartsLikeFirstOfMarch",
     2012,
     2,
     29,
     {{0, 30, 3}, {305, 305, 12}, {306, 336, 1}, {337, 364, 2}}},
};

class MonthlyExpansion : public ::testing::TestWithParam<std::tuple<ExpansionCase, Table>> {};

TEST_P(MonthlyExpansion, TableStartsOnTheSeriesFirstDay) {
    const auto& [c, table] = GetParam();
    TCaptAgua sim;
    sim.dateDadosPrec = ymd(c.y, c.m, c.d);
    doubleArray monthly;
    for (int m = 1; m <= 12; ++m) {
        monthly.push_back(table == Table::Demand ? dailyValue(table, m) * kDays[m] : dailyValue(table, m));
    }
    const doubleArray stale = {7, 8, 9};
    if (table == Table::Demand) {
        sim.vecDemAguaPotMensal = monthly;
        sim.vecDemAguaPot = stale;
        sim.fillDemAguaPot();
    } else {
        sim.vecNroMorMensal = monthly;
        sim.vecNroMor = stale;
        sim.fillNroMor();
    }
    const doubleArray& daily = table == Table::Demand ? sim.vecDemAguaPot : sim.vecNroMor;
    const doubleArray& keptMonthly = table == Table::Demand ? sim.vecDemAguaPotMensal : sim.vecNroMorMensal;

    ASSERT_EQ(daily.size(), 365u);
    EXPECT_EQ(keptMonthly, monthly) << "the twelve monthly values stay as they are";
    for (const Span& s : c.spans) {
        for (int k = s.first; k <= s.last; ++k) {
            EXPECT_EQ(daily[static_cast<std::size_t>(k)], dailyValue(table, s.month)) << "entry " << k;
        }
    }
    // Whatever the rotation, every month keeps exactly its own number of days.
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(std::count(daily.begin(), daily.end(), dailyValue(table, m)), kDays[m]) << "month " << m;
    }
}

INSTANTIATE_TEST_SUITE_P(Starts, MonthlyExpansion,
                         ::testing::Combine(::testing::ValuesIn(kExpansionCases),
                                            ::testing::Values(Table::Demand, Table::Occupants)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == Table::Demand ? "_Demand" : "_Occupants");
                         });

TEST(MonthlyExpansion, JanuaryVolumeIsSpreadOverItsDays) {
    TCaptAgua sim;
    sim.dateDadosPrec = ymd(2001, 1, 1);
    sim.vecDemAguaPotMensal = doubleArray(12, 0.0);
    sim.vecDemAguaPotMensal[0] = 3100;
    sim.fillDemAguaPot();
    ASSERT_EQ(sim.vecDemAguaPot.size(), 365u);
    for (std::size_t k = 0; k <= 30; ++k) EXPECT_EQ(sim.vecDemAguaPot[k], 100.0) << "entry " << k;
    for (std::size_t k = 31; k < 365; ++k) EXPECT_EQ(sim.vecDemAguaPot[k], 0.0) << "entry " << k;
}

// ---------------------------------------------------------------------------------------
// Means

struct MeanCase {
    const char* name;
    void (*setup)(TCaptAgua&);
    double (TCaptAgua::*mean)() const;
    double expected;
};

const std::vector<MeanCase> kMeanCases = {
    {"MonthlyDemandCountsThirtyDaysAMonth",
     [](TCaptAgua& s) {
         s.boolDemAguaPotMensal = true;
         s.vecDemAguaPotMensal = doubleArray(12, 3000.0);
         s.vecDemAguaPot = {999};  // a stale daily table is not what a monthly demand means
     },
     &TCaptAgua::meanDemAguaPot, 100},
    {"MonthlyDemandOfUnevenMonths",
     [](TCaptAgua& s) {
         s.boolDemAguaPotMensal = true;
         s.vecDemAguaPotMensal = {3000, 3000, 3000, 3000, 3000, 3000, 6000, 6000, 6000, 6000, 6000, 6000};
     },
     &TCaptAgua::meanDemAguaPot, 150},
    {"DailyCycleOfSevenDays",
     [](TCaptAgua& s) {
         s.vecDemAguaPot = {10, 20, 30, 40, 50, 60, 140};
         s.vecDemAguaPotMensal = doubleArray(12, 3000.0);  // ignored without the monthly flag
     },
     &TCaptAgua::meanDemAguaPot, 50},
    {"MonthlyOccupantsAreHeadCounts",
     [](TCaptAgua& s) {
         s.boolNroMorMensal = true;
         s.vecNroMorMensal = {2, 2, 2, 2, 2, 2, 4, 4, 4, 4, 4, 4};
         s.vecNroMor = {9};
     },
     &TCaptAgua::meanNroMor, 3},
    {"OccupantCycle",
     [](TCaptAgua& s) {
         s.vecNroMor = {1, 2, 2.5, 6.5};
         s.vecNroMorMensal = doubleArray(12, 8.0);
     },
     &TCaptAgua::meanNroMor, 3},
};

class Means : public ::testing::TestWithParam<MeanCase> {};

TEST_P(Means, GiveTheExpectedValue) {
    TCaptAgua sim;
    GetParam().setup(sim);
    EXPECT_DOUBLE_EQ((sim.*GetParam().mean)(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Inputs, Means, ::testing::ValuesIn(kMeanCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// Assign

// A simulation whose every input differs from a default one, already run.
TCaptAgua filledSimulation(double scale, std::string path, bool flag) {
    TCaptAgua s;
    s.strArqPrec = std::move(path);
    s.vecDadosPrecOrig = {0, 4 * scale, 12, 0.5, 30, 0, 2, 8};
    s.dateDadosPrec = ymd(2010, 5, 20);
    s.dblDescartPrec = 1;
    s.dblAreaCapt = 80 * scale;
    s.vecDemAguaPot = {120, 150 * scale};
    s.vecDemAguaPotMensal = doubleArray(12, 4000 * scale);
    s.boolDemAguaPotMensal = false;
    s.vecNroMor = {3};
    s.vecNroMorMensal = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    s.boolNroMorMensal = true;
    s.dblPorcSubs = 0.4;
    s.dblCoefAprov = 0.9;
    s.dblResSup = 250 * scale;
    s.dblResSupMinRec = 50;
    s.flagResSupDem = flag;
    s.dblResInf = 1500 * scale;
    s.strObs = std::make_shared<TObsList>(TObsList{"telhado de cerâmica"});
    s.simula();
    return s;
}

class AssignTest : public ::testing::Test {
  protected:
    TCaptAgua source = filledSimulation(1, "/dados/fonte.txt", false);
    TCaptAgua target = filledSimulation(2, "/dados/alvo.txt", true);
};

TEST_F(AssignTest, CopiesTheInputsAndKeepsPathFlagAndResults) {
    const TCaptAgua before = target;
    ASSERT_FALSE(sameResults(source, before)) << "the two simulations must differ to show anything";
    target.Assign(source);
    EXPECT_TRUE(sameInputs(target, source));
    EXPECT_EQ(target.strArqPrec, "/dados/alvo.txt");
    EXPECT_TRUE(target.flagResSupDem);
    EXPECT_TRUE(sameResults(target, before));
}

TEST_F(AssignTest, CopyAndSourceShareOneObservationList) {
    auto copy = std::make_unique<TCaptAgua>();
    copy->Assign(source);
    ASSERT_TRUE(copy->strObs);
    copy->strObs->push_back("linha acrescentada na cópia");
    ASSERT_EQ(source.strObs->size(), 2u);
    EXPECT_EQ(source.strObs->back(), "linha acrescentada na cópia");
    source.strObs->push_back("linha da original");
    EXPECT_EQ(copy->strObs->back(), "linha da original");
    // Destroying a holder leaves the list to the others.
    const std::weak_ptr<TObsList> list = source.strObs;
    copy.reset();
    ASSERT_FALSE(list.expired());
    EXPECT_EQ(source.strObs->size(), 3u);
}

TEST_F(AssignTest, SeriesOfACopyAreValues) {
    target.Assign(source);
    const TCaptAgua original = source;
    target.vecDadosPrecOrig[1] = 99;
    target.vecDadosPrec.push_back(5);
    target.vecDemAguaPot[0] = 1;
    target.vecDemAguaPotMensal[3] = 1;
    target.vecNroMor.push_back(4);
    target.vecNroMorMensal[0] = 0;
    EXPECT_EQ(source.vecDadosPrecOrig, original.vecDadosPrecOrig);
    EXPECT_EQ(source.vecDadosPrec, original.vecDadosPrec);
    EXPECT_EQ(source.vecDemAguaPot, original.vecDemAguaPot);
    EXPECT_EQ(source.vecDemAguaPotMensal, original.vecDemAguaPotMensal);
    EXPECT_EQ(source.vecNroMor, original.vecNroMor);
    EXPECT_EQ(source.vecNroMorMensal, original.vecNroMorMensal);

    // And the other way round: a later run of the source leaves the copy alone.
    const TCaptAgua copyBefore = target;
    source.vecDadosPrecOrig.assign(40, 3.0);
    source.dblDescartPrec = 5;
    source.simula();
    EXPECT_EQ(target.vecDadosPrecOrig, copyBefore.vecDadosPrecOrig);
    EXPECT_EQ(target.vecDadosPrec, copyBefore.vecDadosPrec);
}

TEST_F(AssignTest, RefusesAnotherKindOfObjectAndChangesNothing) {
    struct OtherKind : TAssignable {
        void Assign(const TAssignable&) override {}
    } other;
    const TCaptAgua before = target;
    EXPECT_THROW(target.Assign(other), EngineError);
    EXPECT_TRUE(sameInputs(target, before));
    EXPECT_TRUE(sameResults(target, before));
    EXPECT_EQ(target.strArqPrec, before.strArqPrec);
    EXPECT_EQ(target.flagResSupDem, before.flagResSupDem);
}

// ---------------------------------------------------------------------------------------
// Input constructor

class InputConstructor : public ::testing::TestWithParam<std::tuple<bool, bool>> {};

TEST_P(InputConstructor, StoresInputsAndComputesNothing) {
    const auto [demMonthly, occMonthly] = GetParam();
    const doubleArray prec = {3, 0, 7.5, 1};
    const doubleArray dem = demMonthly ? doubleArray(12, 3600.0) : doubleArray{120, 80};
    const doubleArray occ = occMonthly ? doubleArray{2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5} : doubleArray{3};
    auto obs = std::make_shared<TObsList>(TObsList{"casa térrea"});

    TCaptAgua sim(prec, ymd(2015, 8, 10), 0.5, 120, dem, demMonthly, occ, occMonthly, 0.7, 0.85, 400, 80,
                  2500, obs);

    EXPECT_EQ(sim.vecDadosPrecOrig, prec);
    EXPECT_TRUE(sim.vecDadosPrec.empty());
    EXPECT_EQ(sim.dateDadosPrec, ymd(2015, 8, 10));
    EXPECT_EQ(sim.dblDescartPrec, 0.5);
    EXPECT_EQ(sim.dblAreaCapt, 120);
    EXPECT_EQ(sim.boolDemAguaPotMensal, demMonthly);
    EXPECT_EQ(sim.vecDemAguaPot, demMonthly ? doubleArray{} : dem);
    EXPECT_EQ(sim.vecDemAguaPotMensal, demMonthly ? dem : doubleArray{});
    EXPECT_EQ(sim.boolNroMorMensal, occMonthly);
    EXPECT_EQ(sim.vecNroMor, occMonthly ? doubleArray{} : occ);
    EXPECT_EQ(sim.vecNroMorMensal, occMonthly ? occ : doubleArray{});
    EXPECT_EQ(sim.dblPorcSubs, 0.7);
    EXPECT_EQ(sim.dblCoefAprov, 0.85);
    EXPECT_EQ(sim.dblResSup, 400);
    EXPECT_EQ(sim.dblResSupMinRec, 80);
    EXPECT_EQ(sim.dblResInf, 2500);
    EXPECT_EQ(sim.strObs, obs);
    EXPECT_TRUE(sim.strArqPrec.empty());
    EXPECT_FALSE(sim.flagResSupDem);
    EXPECT_TRUE(sameResults(sim, TCaptAgua()));

    // The run expands the monthly inputs into their 365-day tables and leaves the others.
    sim.simula();
    EXPECT_EQ(sim.vecDemAguaPot.size(), demMonthly ? 365u : 2u);
    EXPECT_EQ(sim.vecNroMor.size(), occMonthly ? 365u : 1u);
    EXPECT_EQ(sim.vecDadosPrec.size(), prec.size());
}

INSTANTIATE_TEST_SUITE_P(MonthlyFlags, InputConstructor,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()), [](const auto& info) {
                             return std::string(std::get<0>(info.param) ? "MonthlyDemand" : "DailyDemand") +
                                    (std::get<1>(info.param) ? "_MonthlyOccupants" : "_DailyOccupants");
                         });

}  // namespace
