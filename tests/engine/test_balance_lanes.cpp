// A sweep's members side by side in vector lanes: on every path this processor can run, each
// member of a sweep gets exactly the figures of the same system run on its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/balance_lanes.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "tests/support/compare.h"
#include "tests/support/rows.h"
#include "tests/support/systems.h"

namespace {

using balance::LanePath;
using vespra_test::sameResults;

struct LaneCase {
    const char* name;
    std::size_t members;        // swept members after member 0, at 1, 2 … `members` steps
    double step;                // L
    double resSup, minRec;      // no upper reservoir when resSup is 0
    void (*apply)(TCaptAgua&);  // the system's other inputs
};

void dailyCycles(TCaptAgua& s) {
    s.vecDemAguaPot = {120, 150, 90, 200};
    s.vecNroMor = {3, 0, 2};  // days without occupants have no rainwater demand
}

void monthlyTables(TCaptAgua& s) {
    s.boolDemAguaPotMensal = true;
    s.vecDemAguaPotMensal = {9000, 8000, 9500, 12000, 13000, 14000, 15000, 14500, 12500, 11000, 10000, 9000};
    s.boolNroMorMensal = true;
    s.vecNroMorMensal = {1, 1, 1, 1.5, 1.5, 1.5, 2, 2, 2, 1, 1, 1};
}

// 2000 L of rainwater demand a day on a 100 m² roof with 30 mm every other day, an upper
// reservoir of 500 L refilled at 499.9 L: each pass pumps and draws about 0.1 L. A member whose
// lower reservoir holds at most 500 L empties it in the first pass; one that holds 1500 L more
// reaches the pass limit; the members between stop after some thousands of passes.
void passLimitDays(TCaptAgua& s) {
    s.vecDadosPrecOrig = doubleArray(90, 0.0);
    for (std::size_t j = 0; j < s.vecDadosPrecOrig.size(); j += 2) s.vecDadosPrecOrig[j] = 30;
    s.dblDescartPrec = 0;
    s.dblAreaCapt = 100;
    s.dblCoefAprov = 1;
    s.vecDemAguaPot = {2000};
    s.vecNroMor = {1};
    s.dblPorcSubs = 1;
}

// Member counts below, at and beyond the lanes of each path (1, 2, 4 and 8 members side by
// side, in groups of up to four registers), none a whole number of groups.
const std::vector<LaneCase> kLaneCases = {
    {"NoUpperSevenMembers", 7, 700, 0, 0, [](TCaptAgua&) {}},
    {"NoUpperSeventeenMembersDailyCycles", 17, 300, 0, 0, dailyCycles},
    {"NoUpperFortyOneMembersMonthlyTables", 41, 800, 0, 0, monthlyTables},
    {"UpperOneMember", 1, 2500, 400, 100, [](TCaptAgua&) {}},
    {"UpperNineMembersMonthlyTables", 9, 900, 400, 150, monthlyTables},
    {"UpperSeventeenMembersThresholdZero", 17, 400, 500, 0, dailyCycles},
    // A threshold at or above the volume: one pass fills the upper reservoir and the demand too.
    {"UpperSevenMembersThresholdAtVolume", 7, 1000, 300, 300, dailyCycles},
    {"UpperNineMembersThresholdAboveVolume", 9, 700, 250, 400, monthlyTables},
    {"UpperFortyOneMembersThresholdNinetyPercent", 41, 350, 500, 450, [](TCaptAgua&) {}},
    {"UpperPassLimitBesideOnePass", 17, 150, 500, 499.9, passLimitDays},
};

const LanePath kPaths[] = {LanePath::Scalar, LanePath::Portable, LanePath::Avx2, LanePath::Avx512};

std::string pathName(LanePath p) {
    switch (p) {
        case LanePath::Scalar:
            return "Scalar";
        case LanePath::Portable:
            return "Portable";
        case LanePath::Avx2:
            return "Avx2";
        case LanePath::Avx512:
            return "Avx512";
    }
    return "Unknown";
}

class SweepOnLanes : public ::testing::TestWithParam<std::tuple<LaneCase, LanePath>> {
  protected:
    void SetUp() override {
        if (!balance::laneSupported(std::get<1>(GetParam()))) GTEST_SKIP() << "the processor lacks this path";
        ASSERT_TRUE(balance::useLanePath(std::get<1>(GetParam())));
        ASSERT_EQ(balance::lanePath(), std::get<1>(GetParam()));
    }
    void TearDown() override { balance::useLanePath(widest_); }

  private:
    LanePath widest_ = balance::lanePath();
};

TEST_P(SweepOnLanes, EveryMemberEqualsItsOwnRun) {
    const LaneCase& c = std::get<0>(GetParam());
    auto s = testsys::household(1500, 0);
    TCaptAgua& base = s->base();
    base.dateDadosPrec = ymd(2011, 7, 15);
    base.dblResSup = c.resSup;
    base.dblResSupMinRec = c.minRec;
    c.apply(base);
    s->setSweep(static_cast<double>(c.members) * c.step, c.step, 0);
    s->run();

    ASSERT_EQ(s->vecCaptAgua.size(), c.members + 1);
    std::vector<TCaptAgua> own(c.members + 1);
    for (std::size_t i = 1; i <= c.members; ++i) {
        const TCaptAgua& member = *s->vecCaptAgua[i];
        own[i].Assign(base);
        own[i].dblResInf = member.dblResInf;
        own[i].simula();
        EXPECT_TRUE(sameResults(member, own[i])) << "member " << i << " of " << member.dblResInf << " L";
    }
    // The figures vary with the volume, so equal results are no coincidence of empty runs.
    EXPECT_LT(base.dblConsPluvMed, own[c.members].dblConsPluvMed);
}

// The days of the pass-limit sweep are what its name says: the smallest member ends each day's
// supply loop in at most one pass, the largest reaches the limit.
TEST(PassLimitSweep, ReachesTheLimitBesideOnePass) {
    auto s = testsys::household(10, 0);
    passLimitDays(s->base());
    s->base().dblResSup = 500;
    s->base().dblResSupMinRec = 499.9;
    s->setSweep(17 * 150, 150, 0);
    s->run();
    double fewest = 1e9, most = 0;
    for (int m = 1; m <= 12; ++m) {
        if (s->vecCaptAgua[1]->vecVMediaMensalCont[m] == 0) continue;
        fewest = std::min(fewest, s->vecCaptAgua[1]->vecContRec[m]);
        most = std::max(most, s->vecCaptAgua[17]->vecContRec[m]);
    }
    EXPECT_LE(fewest, 1.0);
    EXPECT_GE(most, 10000.0 / 2);  // every other day, a rainy one, reaches the limit
}

INSTANTIATE_TEST_SUITE_P(Systems, SweepOnLanes,
                         ::testing::Combine(::testing::ValuesIn(kLaneCases), ::testing::ValuesIn(kPaths)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    pathName(std::get<1>(info.param));
                         });

}  // namespace
