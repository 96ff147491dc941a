#include <gtest/gtest.h>

#include <array>
#include <string>

#include "common/numtext.h"
#include "engine/capt_agua.h"
#include "engine/monthly_table.h"
#include "tests/support/systems.h"

namespace {

const LocaleSettings kPt = LocaleSettings::ptBR();

std::string n42(double v) {
    return formatNumber(v, 4, 2, kPt);
}

TEST(MonthlyTable, MeansRowRepeatsTheSimulationsFigures) {
    for (double resSup : {0.0, 300.0}) {
        auto set = testsys::household(1500);
        set->base().dblResSup = resSup;
        set->base().dblResSupMinRec = 100;
        set->base().simula();
        const TCaptAgua& s = set->base();
        const MonthlyTable t = buildMonthlyTable(s, kPt);
        EXPECT_EQ(t[0][0], "Janeiro");
        EXPECT_EQ(t[2][0], "Março");
        EXPECT_EQ(t[12][0], "Média");
        EXPECT_EQ(t[13][0], "Total ano");
        EXPECT_EQ(t[12][1], n42(s.dblEconPot)) << resSup;
        EXPECT_EQ(t[12][5], n42(s.dblPorcAtendTotal));
        EXPECT_EQ(t[12][6], n42(s.dblPorcAtendParc));
        EXPECT_EQ(t[12][7], n42(s.dblPorcNaoAtend));
        EXPECT_EQ(t[12][2], formatFixed(s.dblConsPluvMed, 30, 2, kPt));
        for (int c : {1, 5, 6, 7, 8}) EXPECT_EQ(t[13][static_cast<std::size_t>(c)], "") << c;
        if (resSup == 0) {
            for (const auto& row : t) {
                if (!row[8].empty()) {
                    EXPECT_EQ(row[8], "0,00");
                }
            }
        } else {
            EXPECT_NE(t[12][8], "0,00");
        }
    }
}

TEST(MonthlyTable, SeriesCoveringOnlyJanuary) {
    auto set = testsys::household(31);
    set->base().simula();
    const MonthlyTable t = buildMonthlyTable(set->base(), kPt);
    for (std::size_t m = 1; m < 12; ++m) {
        for (std::size_t c = 1; c <= 8; ++c) EXPECT_EQ(t[m][c], "0,00") << m << "," << c;
    }
    EXPECT_EQ(t[12][1], t[0][1]);
    for (std::size_t c = 5; c <= 7; ++c) EXPECT_EQ(t[12][c], t[0][c]);
}

// March (31 days) of a run with every monthly figure set apart, the other months empty: a
// column reading another figure, another month or another month's length shows here.
TCaptAgua marchOnly() {
    TCaptAgua s;
    s.vecVConsPluv[3] = 2480;  // litres in the month
    s.vecVConsPot[3] = 1395;
    s.vecVExtrav[3] = 1000;
    s.vecVRecalc[3] = 7000;              // pumped, not a column of the table
    s.vecPorcAtendTotal[3] = 19.0 / 31;  // 19, 8 and 4 of the 31 days
    s.vecPorcAtendParc[3] = 8.0 / 31;
    s.vecPorcNaoAtend[3] = 4.0 / 31;
    s.vecContRec[3] = 54.0 / 31;  // 54 pump passes in 31 days
    s.vecVMediaMensalCont[3] = 31;
    return s;
}

TEST(MonthlyTable, OrdinaryMonthEveryColumnByHand) {
    const MonthlyTable t = buildMonthlyTable(marchOnly(), kPt);
    // 2480 ÷ (2480 + 1395) = 64 %; 2480 ÷ 31 = 80; 1395 ÷ 31 = 45; 1000 ÷ 31 = 32,258…;
    // 19 ÷ 31 = 61,290… %; 8 ÷ 31 = 25,806… %; 4 ÷ 31 = 12,903… %; 54 ÷ 31 = 1,741… passes a day.
    const std::array<std::string, 9> march = {"Março", "64,00", "80,00", "45,00", "32,26",
                                              "61,29", "25,81", "12,90", "1,74"};
    EXPECT_EQ(t[2], march);
    EXPECT_EQ(t[1][4], "0,00");  // February, read where March's figures are not
    EXPECT_EQ(t[3][8], "0,00");
}

TEST(MonthlyTable, VolumeAndTotalFormats) {
    TCaptAgua s;
    s.vecVConsPluv[1] = 3100;  // litres in an average January
    s.vecVConsPluv[2] = 54750.4 - 3100;
    s.vecVConsPot[3] = 1234567;
    s.vecVExtrav[1] = 31 * 2.005;
    const MonthlyTable t = buildMonthlyTable(s, kPt);
    EXPECT_EQ(t[0][2], "100,00");
    EXPECT_EQ(t[13][2], "54750");
    EXPECT_EQ(t[13][3], "1,23457E6");
    EXPECT_EQ(t[2][3], "39824,74");  // 1234567 ÷ 31, no thousands separator
    EXPECT_EQ(t[13][4], "62");       // 31 × 2,005 = 62,155 litres overflowed in the year
    // No consumption at all: 0,00 rather than 0 ÷ 0; an empty series likewise.
    EXPECT_EQ(t[12][5], "0,00");
    EXPECT_EQ(buildMonthlyTable(TCaptAgua{}, kPt)[12][1], "0,00");
}

}  // namespace
