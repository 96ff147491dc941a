// The volume sweep (TCaptAguaInterval::simula) and the ideal-volume rule.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/engine_error.h"
#include "engine/precipitation_file.h"
#include "tests/support/compare.h"
#include "tests/support/rows.h"
#include "tests/support/systems.h"

namespace {

using vespra_test::sameResults;

const doubleArray& seattle() {
    static const doubleArray series = readPrecFile(
        std::string(VESPRA_SOURCE_DIR) + "/examples/seattle-2012-2015.txt", LocaleSettings::ptBR());
    return series;
}

const doubleArray kMonthlyDemand = {9000,  8000,  9500,  12000, 13000, 14000,
                                    15000, 14500, 12500, 11000, 10000, 9000};
const doubleArray kMonthlyOccupants = {1, 1, 1, 1.5, 1.5, 1.5, 2, 2, 2, 1, 1, 1};

// The base system of a sweep: a household on a 120 m² roof with a daily demand cycle.
void fillBase(TCaptAgua& b, doubleArray prec, TDate start) {
    b.vecDadosPrecOrig = std::move(prec);
    b.dateDadosPrec = start;
    b.dblDescartPrec = 1;
    b.dblAreaCapt = 120;
    b.dblCoefAprov = 0.8;
    b.vecDemAguaPot = {120, 150, 90, 200};
    b.vecNroMor = {3, 4, 2};
    b.dblPorcSubs = 0.6;
    b.dblResInf = 0;
    b.strObs = std::make_shared<TObsList>(TObsList{"sobrado"});
}

void makeMonthly(TCaptAgua& b) {
    b.boolDemAguaPotMensal = true;
    b.vecDemAguaPotMensal = kMonthlyDemand;
    b.boolNroMorMensal = true;
    b.vecNroMorMensal = kMonthlyOccupants;
}

void sweep(TCaptAguaInterval& s, double volmax, double interval, double delta) {
    s.volmax = volmax;
    s.interval = interval;
    s.delta = delta;
    s.simula();
}

// ---------------------------------------------------------------------------------------
// Members of a sweep

constexpr int kAnyIndex = -2;

struct CountCase {
    const char* name;
    double volmax, interval, delta;
    std::size_t members;
    int indVolOtimo;  // kAnyIndex: not fixed by the case
};

const std::vector<CountCase> kCountCases = {
    {"MaximumAMultipleOfTheStep", 10000, 1000, 1.5, 11, kAnyIndex},
    {"MaximumNotAMultiple", 10500, 1000, 1.5, 11, kAnyIndex},
    {"FractionalQuotient", 1000, 300, 1.5, 4, kAnyIndex},
    {"MaximumBelowTheStep", 500, 1000, 2, 1, -1},
    {"DeltaZeroWantsNoIdealVolume", 10000, 1000, 0, 11, -1},
    {"NegativeDeltaWantsNoIdealVolume", 10000, 1000, -1, 11, -1},
    {"HugeDeltaTakesTheFirstStep", 10000, 1000, 1e9, 11, 1},
};

class SweepMembers : public ::testing::TestWithParam<CountCase> {};

TEST_P(SweepMembers, OneMemberPerMultipleOfTheStep) {
    const CountCase& c = GetParam();
    TCaptAguaInterval s;
    fillBase(s.base(), testsys::series(400), ymd(2013, 3, 1));
    sweep(s, c.volmax, c.interval, c.delta);
    ASSERT_EQ(s.vecCaptAgua.size(), c.members);
    for (std::size_t i = 0; i < s.vecCaptAgua.size(); ++i) {
        EXPECT_EQ(s.vecCaptAgua[i]->dblResInf, static_cast<double>(i) * c.interval) << "member " << i;
    }
    EXPECT_LE(s.vecCaptAgua.back()->dblResInf, c.volmax);
    if (c.indVolOtimo != kAnyIndex) {
        EXPECT_EQ(s.indVolOtimo, c.indVolOtimo);
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, SweepMembers, ::testing::ValuesIn(kCountCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// Ideal volume on members set up by hand

struct IdealCase {
    const char* name;
    double interval, delta;
    int expected;
};

// With a 1000 L step the gains of members 1 to 4 are 5.2, 3.1, 1.9 and 0.8 %/m³.
const std::vector<IdealCase> kIdealCases = {
    {"DeltaTwo", 1000, 2, 3},
    {"GainEqualToDeltaQualifies", 1000, 1.9, 3},
    {"DeltaBelowEveryGain", 1000, 0.5, -1},
    {"DeltaAboveTheFirstGain", 1000, 6, 1},
    {"FirstGainEqualToDelta", 1000, 5.2, 1},
    // The gain is per cubic metre: a 2000 L step halves it, a 500 L step doubles it.
    {"TwoCubicMetreStep", 2000, 2, 2},
    {"HalfCubicMetreStep", 500, 6, 3},
};

class IdealVolume : public ::testing::TestWithParam<IdealCase> {};

TEST_P(IdealVolume, FirstMemberWhoseGainIsAtMostDelta) {
    const IdealCase& c = GetParam();
    TCaptAguaInterval s;
    s.vecCaptAgua.clear();
    // Demand term: mean demand 1000 L × mean occupants 2 × share 0.5 = 1000 L/day (the mean
    // of the daily products would be 500: the term is the product of the means).
    for (double cons : {0.0, 52.0, 83.0, 102.0, 110.0}) {
        auto m = std::make_unique<TCaptAgua>();
        m->vecDemAguaPot = {500, 1500};
        m->vecNroMor = {4, 0};
        m->dblPorcSubs = 0.5;
        m->dblConsPluvMed = cons;
        s.vecCaptAgua.push_back(std::move(m));
    }
    s.interval = c.interval;
    s.delta = c.delta;
    s.indVolOtimo = 7;
    s.simVolOtimo();
    EXPECT_EQ(s.indVolOtimo, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Gains, IdealVolume, ::testing::ValuesIn(kIdealCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IdealVolume, NoDemandMakesTheFirstStepIdeal) {
    TCaptAguaInterval s;
    fillBase(s.base(), testsys::series(400), ymd(2013, 3, 1));
    s.base().vecNroMor = {0};
    sweep(s, 5000, 1000, 0.5);
    EXPECT_EQ(s.indVolOtimo, 1);
}

// ---------------------------------------------------------------------------------------
// Sweep life cycle

class SweepWithOrWithoutUpper : public ::testing::TestWithParam<bool> {
  protected:
    TCaptAguaInterval s;
    void SetUp() override {
        fillBase(s.base(), seattle(), ymd(2012, 1, 1));
        if (GetParam()) {
            s.base().dblResSup = 400;
            s.base().dblResSupMinRec = 100;
        }
    }
};

TEST_P(SweepWithOrWithoutUpper, MonthlyDemandGivesEveryMemberTheSameTable) {
    s.base().dateDadosPrec = ymd(2013, 4, 10);
    makeMonthly(s.base());
    sweep(s, 6000, 500, 1);
    const TCaptAgua& base = s.base();
    ASSERT_EQ(base.vecDemAguaPot.size(), 365u);
    EXPECT_EQ(base.vecDemAguaPot[0], kMonthlyDemand[3] / 30) << "the table starts on 10 April";
    ASSERT_EQ(s.vecCaptAgua.size(), 13u);
    for (std::size_t i = 1; i < s.vecCaptAgua.size(); ++i) {
        const TCaptAgua& m = *s.vecCaptAgua[i];
        EXPECT_TRUE(m.boolDemAguaPotMensal) << "member " << i;
        EXPECT_EQ(m.vecDemAguaPotMensal, kMonthlyDemand) << "member " << i;
        EXPECT_EQ(m.vecDemAguaPot, base.vecDemAguaPot) << "member " << i;
        EXPECT_TRUE(m.boolNroMorMensal) << "member " << i;
        EXPECT_EQ(m.vecNroMor, base.vecNroMor) << "member " << i;
    }
}

TEST_P(SweepWithOrWithoutUpper, OnlyTheBaseKeepsTheSeries) {
    sweep(s, 5000, 500, 1);
    const TCaptAgua& base = s.base();
    EXPECT_EQ(base.vecDadosPrecOrig, seattle());
    EXPECT_EQ(base.vecDadosPrec.size(), seattle().size());
    ASSERT_EQ(s.vecCaptAgua.size(), 11u);
    for (std::size_t i = 1; i < s.vecCaptAgua.size(); ++i) {
        EXPECT_TRUE(s.vecCaptAgua[i]->vecDadosPrecOrig.empty()) << "member " << i;
        EXPECT_TRUE(s.vecCaptAgua[i]->vecDadosPrec.empty()) << "member " << i;
        EXPECT_GT(s.vecCaptAgua[i]->dblConsPluvMed, 0.0) << "member " << i << " keeps its results";
    }
}

TEST_P(SweepWithOrWithoutUpper, MembersShareTheObservationsButNotPathOrFlag) {
    s.base().strArqPrec = "/dados/seattle.txt";
    s.base().flagResSupDem = true;
    sweep(s, 3000, 1000, 1);
    for (std::size_t i = 1; i < s.vecCaptAgua.size(); ++i) {
        EXPECT_EQ(s.vecCaptAgua[i]->strObs, s.base().strObs) << "member " << i;
        EXPECT_TRUE(s.vecCaptAgua[i]->strArqPrec.empty()) << "member " << i;
        EXPECT_FALSE(s.vecCaptAgua[i]->flagResSupDem) << "member " << i;
    }
}

TEST_P(SweepWithOrWithoutUpper, SecondSweepRebuildsTheMembersFromTheBase) {
    sweep(s, 10000, 1000, 1);
    ASSERT_EQ(s.vecCaptAgua.size(), 11u);
    // Another roof and a shorter range: the members must come from these inputs only.
    s.base().dblAreaCapt = 60;
    sweep(s, 5000, 1000, 1);
    ASSERT_EQ(s.vecCaptAgua.size(), 6u);
    for (std::size_t i = 0; i < s.vecCaptAgua.size(); ++i) {
        TCaptAgua own;
        own.Assign(s.base());
        own.dblResInf = static_cast<double>(i) * 1000;
        own.simula();
        EXPECT_TRUE(sameResults(*s.vecCaptAgua[i], own)) << "member " << i;
    }
    sweep(s, 5000, 1000, 1);
    EXPECT_EQ(s.vecCaptAgua.size(), 6u);
}

INSTANTIATE_TEST_SUITE_P(Reservoirs, SweepWithOrWithoutUpper, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "WithUpper" : "NoUpper"); });

// A sweep that cannot run is refused before any member is touched: the previous sweep's
// members and results stay exactly as they were.
struct RefusedCase {
    const char* name;
    void (*spoil)(TCaptAguaInterval&);
};

const std::vector<RefusedCase> kRefusedCases = {
    {"ZeroInterval", [](TCaptAguaInterval& s) { s.interval = 0; }},
    {"NegativeInterval", [](TCaptAguaInterval& s) { s.interval = -1000; }},
    {"MoreThanAHundredThousandVolumes",
     [](TCaptAguaInterval& s) {
         s.volmax = 1e9;
         s.interval = 1;
     }},
    {"InfiniteMaximum", [](TCaptAguaInterval& s) { s.volmax = std::numeric_limits<double>::infinity(); }},
    {"BaseWithoutSeries", [](TCaptAguaInterval& s) { s.base().vecDadosPrecOrig.clear(); }},
    {"BaseWithoutDemand", [](TCaptAguaInterval& s) { s.base().vecDemAguaPot.clear(); }},
};

class RefusedSweep : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedSweep, ThrowsAndKeepsTheEarlierSweep) {
    TCaptAguaInterval s;
    fillBase(s.base(), testsys::series(800), ymd(2014, 7, 1));
    sweep(s, 8000, 1000, 0.5);
    std::vector<TCaptAgua*> members;
    std::vector<TCaptAgua> before;
    for (const auto& m : s.vecCaptAgua) {
        members.push_back(m.get());
        before.push_back(*m);
    }
    const std::int32_t ideal = s.indVolOtimo;

    GetParam().spoil(s);
    EXPECT_THROW(s.simula(), EngineError);

    ASSERT_EQ(s.vecCaptAgua.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(s.vecCaptAgua[i].get(), members[i]) << "member " << i;
        EXPECT_TRUE(sameResults(*s.vecCaptAgua[i], before[i])) << "member " << i;
        EXPECT_EQ(s.vecCaptAgua[i]->dblResInf, before[i].dblResInf) << "member " << i;
        EXPECT_EQ(s.vecCaptAgua[i]->vecDadosPrec, before[i].vecDadosPrec) << "member " << i;
    }
    EXPECT_EQ(s.indVolOtimo, ideal);
}

INSTANTIATE_TEST_SUITE_P(Settings, RefusedSweep, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// Every member of a sweep gives exactly the figures of its own run.

// An upper reservoir of the day's mean rainwater demand, as the scenarios size it.
constexpr double kDemandSized = -1;

struct EqualityCase {
    const char* name;
    bool seattleSeries;  // else a made-up series of 3000 days from 15 July 2011
    bool monthly;
    double resSup, minRec;  // resSup may be kDemandSized
    double volmax, interval;
    doubleArray occupants;  // empty: the base's cycle
};

const std::vector<EqualityCase> kEqualityCases = {
    // 4203 swept members: several blocks of members sharing one pass over the series, the
    // last one not a whole number of groups.
    {"NoUpperManyMembers", true, false, 0, 0, 21015, 5, {}},
    {"NoUpperMonthlyInputs", false, true, 0, 0, 60000, 100, {}},
    // Days without occupants have no rainwater demand and count as not met.
    {"NoUpperSomeDaysWithoutOccupants", true, false, 0, 0, 10000, 12, {3, 0, 2}},
    {"UpperDailyCycle", true, false, 500, 100, 10000, 250, {}},
    {"UpperSomeDaysWithoutOccupants", true, false, 500, 100, 10000, 250, {3, 0, 2}},
    {"UpperThresholdAtVolume", true, false, 300, 300, 8000, 500, {}},
    {"UpperMonthlyInputs", false, true, 400, 150, 20000, 1000, {}},
    // Members run side by side in groups of up to eight lanes: 15, 16 and 17 members fall short
    // of, fill and pass whole groups; 333 members make many groups and a short last one.
    {"UpperThresholdZero", true, false, 500, 0, 8500, 500, {}},
    {"UpperThresholdAtNinetyPercent", true, false, 500, 450, 7500, 500, {}},
    {"UpperDemandSized", false, false, kDemandSized, 50, 12000, 750, {3, 0, 2, 5}},
    {"UpperManyBlocks", true, false, 500, 100, 9990, 30, {}},
};

class SweepEqualsOwnRuns : public ::testing::TestWithParam<EqualityCase> {};

// The case's system, not yet run.
void setUpSystem(TCaptAguaInterval& s, const EqualityCase& c) {
    if (c.seattleSeries) {
        fillBase(s.base(), seattle(), ymd(2012, 1, 1));
    } else {
        fillBase(s.base(), testsys::series(3000), ymd(2011, 7, 15));
    }
    if (c.monthly) makeMonthly(s.base());
    if (!c.occupants.empty()) s.base().vecNroMor = c.occupants;
    s.base().dblResSup = c.resSup == kDemandSized ? s.base().resSupFromDemand() : c.resSup;
    s.base().dblResSupMinRec = c.minRec;
}

TEST_P(SweepEqualsOwnRuns, BitForBit) {
    const EqualityCase& c = GetParam();
    TCaptAguaInterval s;
    setUpSystem(s, c);
    sweep(s, c.volmax, c.interval, 1);

    const auto expected = static_cast<std::size_t>(c.volmax / c.interval) + 1;
    ASSERT_EQ(s.vecCaptAgua.size(), expected);
    for (std::size_t i = 0; i < s.vecCaptAgua.size(); ++i) {
        const TCaptAgua& member = *s.vecCaptAgua[i];
        TCaptAgua own;
        own.Assign(s.base());
        own.dblResInf = member.dblResInf;
        own.simula();
        ASSERT_TRUE(sameResults(member, own)) << "member " << i << " of " << member.dblResInf << " L";
    }
    // The figures vary with the volume, so equal results are not a coincidence of empty runs.
    EXPECT_LT(s.vecCaptAgua[1]->dblConsPluvMed, s.vecCaptAgua.back()->dblConsPluvMed);
}

// The members split among threads: every member's figures are those of the sweep on one thread
// (parts of 64 members at least, whole groups of lanes: 4203 members make several parts with a
// short last one; 333 make as many parts as threads; fewer than 128 stay on one thread).
TEST_P(SweepEqualsOwnRuns, OnThreadsAsOnOne) {
    const EqualityCase& c = GetParam();
    TCaptAguaInterval one;
    setUpSystem(one, c);
    one.setSweep(c.volmax, c.interval, 1);
    one.simula(1);
    for (const int jobs : {2, 3, 7}) {
        TCaptAguaInterval many;
        setUpSystem(many, c);
        many.setSweep(c.volmax, c.interval, 1);
        many.simula(jobs);
        ASSERT_EQ(many.vecCaptAgua.size(), one.vecCaptAgua.size());
        for (std::size_t i = 0; i < one.vecCaptAgua.size(); ++i) {
            ASSERT_TRUE(sameResults(*many.vecCaptAgua[i], *one.vecCaptAgua[i]))
                << jobs << " threads, member " << i;
        }
        EXPECT_EQ(many.indVolOtimo, one.indVolOtimo);
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, SweepEqualsOwnRuns, ::testing::ValuesIn(kEqualityCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// Switching a set between a sweep and a single volume

// A sweep, then a single volume, then a sweep again: each run gives what a set made afresh for
// it gives, and the single volume leaves no member of the sweep behind for a save to write.
TEST(SweepOrSingle, SwitchingKeepsNothingOfTheOtherMode) {
    auto set = testsys::sweep(3000, 1000, 2, 400);
    set->run();
    ASSERT_EQ(set->vecCaptAgua.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(set->vecCaptAgua[i]->dblResInf, 1000.0 * static_cast<double>(i));

    set->setSingle(2500);
    EXPECT_FALSE(set->isSweep());
    EXPECT_EQ(set->vecCaptAgua.size(), 1u);
    EXPECT_EQ(set->idealMember(), nullptr);
    set->run();
    auto alone = testsys::household(400, 2500);
    alone->base().simula();
    EXPECT_TRUE(sameResults(set->base(), alone->base()));

    set->setSweep(2000, 500, 0);
    EXPECT_TRUE(set->isSweep());
    EXPECT_EQ(set->base().dblResInf, 0);  // the first member of a sweep has no lower reservoir
    set->run();
    auto fresh = testsys::sweep(2000, 500, 0, 400);
    fresh->simula();
    ASSERT_EQ(set->vecCaptAgua.size(), fresh->vecCaptAgua.size());
    for (std::size_t i = 0; i < set->vecCaptAgua.size(); ++i)
        EXPECT_TRUE(sameResults(*set->vecCaptAgua[i], *fresh->vecCaptAgua[i])) << "member " << i;
    EXPECT_EQ(set->idealMember(), nullptr);  // no ideal volume sought
}

// A step with no maximum is still a sweep (of the base alone), so a step of 0 or less is refused
// rather than run as a single volume.
TEST(SweepOrSingle, AStepWithoutAMaximumIsASweep) {
    auto set = testsys::household(100, 700);
    set->setSweep(0, -100, 0);
    EXPECT_TRUE(set->isSweep());
    EXPECT_THROW(set->run(), EngineError);
}

}  // namespace
