// The sizing methods on the hand-computable record of tests/support/sizing_record.h: 10 litres
// a millimetre, 60 mm on the 1st of January to June (600 L), a dry second half-year, a 0.5 mm
// drizzle on every 15th that the 1 mm discard removes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/balance_run.h"
#include "engine/capt_agua.h"
#include "engine/engine_error.h"
#include "engine/sizing_methods.h"
#include "tests/support/sizing_record.h"

namespace {

const ResultadoMetodo& find(const ResultadoMetodos& r, const std::string& key) {
    for (const auto& m : r.metodos)
        if (m.chave == key) return m;
    throw std::runtime_error("no method " + key);
}

struct Expected {
    const char* key;
    std::optional<double> volume;
    MotivoMetodo motivo;
};

void expectMethods(const ResultadoMetodos& r, const std::vector<Expected>& cases, const char* label) {
    for (const auto& c : cases) {
        const ResultadoMetodo& m = find(r, c.key);
        EXPECT_EQ(m.motivo, c.motivo) << label << " " << c.key;
        ASSERT_EQ(m.volume.has_value(), c.volume.has_value()) << label << " " << c.key;
        if (c.volume) {
            EXPECT_NEAR(*m.volume, *c.volume, 1e-9) << label << " " << c.key;
        }
    }
}

// Two whole years at 5 L a day. Mean year: rain 60 mm January to June, 0 after, so
// P = 360 mm and the six dry months (0 < 360 / 12) make T = 6; runoff 600 L January to June;
// demand 5 × the month's days (155, 140, 155, 150, 155, 150, 155, 155, 150, 155, 150, 155).
TEST(SizingMethods, EachMethodOnTwoWholeYears) {
    auto set = sizingrec::record();
    const ResultadoMetodos r = calculaMetodos(set->base(), {});
    ASSERT_EQ(r.metodos.size(), 6u);
    const char* order[] = {"rippl_diario", "rippl_mensal", "azevedo_neto", "alemao", "ingles", "australiano"};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(r.metodos[i].chave, order[i]);
    ASSERT_TRUE(r.precAnual && r.mesesSecos);
    EXPECT_DOUBLE_EQ(*r.precAnual, 360);  // the drizzle is discarded: not 366
    EXPECT_EQ(*r.mesesSecos, 6);
    expectMethods(
        r,
        {// Daily: June ends at 5 × 29 = 145 L, July 1 to December 31 add 184 × 5 = 920 L: 1065.
         {"rippl_diario", 1065, MotivoMetodo::Nenhum},
         // Monthly: 0 to June, then 155, 310, 460, 615, 765, 920; the second pass repeats it.
         {"rippl_mensal", 920, MotivoMetodo::Nenhum},
         {"azevedo_neto", 0.042 * 360 * 10 * 6,
          MotivoMetodo::Nenhum},  // 907.2
                                  // 0.06 × min(1 × 360 × 10 = 3600, 1825).
         {"alemao", 0.06 * 1825, MotivoMetodo::Nenhum},
         {"ingles", 0.05 * 360 * 10,
          MotivoMetodo::Nenhum},  // 180
                                  // Inflow 10 × (60 − 2) = 580 L a month to June. A full tank of V meets July
                                  // to December while the months' running demand (155 … 765, 920) stays
                                  // within V; 90 % of 24 months allows 2 failures, one a year: V ≥ 765, so
                                  // 800 (700 fails in November and December, 4 months, 83 %).
         {"australiano", 800, MotivoMetodo::Nenhum}},
        "two years");
}

// The Australian method's parameters: the interception takes from each month's rain, the
// confidence sets how many months may fail.
TEST(SizingMethods, AustralianInterceptionAndConfidence) {
    struct Case {
        double interception, confidence;
        std::optional<double> volume;
        MotivoMetodo motivo;
    } cases[] = {
        // Every failure counted: V ≥ 920 (V = 900 fails in December), so 1000.
        {2, 100, 1000, MotivoMetodo::Nenhum},
        // Inflow 10 × (60 − 35) = 250 L: the tank holds 95, 205, 300, 400, 495, 595 by June and
        // fails from October (595 − 615) at best: 6 of 24 months, 75 %. V = 500 keeps that
        // (500 by June); V = 400 (400 by June) fails from September, 8 months.
        {35, 75, 500, MotivoMetodo::Nenhum},
        {35, 90, std::nullopt, MotivoMetodo::Confianca},
        // Inflow 10 L a month: every month fails, whatever the tank.
        {59, 90, std::nullopt, MotivoMetodo::Confianca},
    };
    auto set = sizingrec::record();
    for (const auto& c : cases) {
        ParametrosMetodos p;
        p.interceptacao = c.interception;
        p.confianca = c.confidence;
        const ResultadoMetodos r = calculaMetodos(set->base(), p);
        expectMethods(r, {{"australiano", c.volume, c.motivo}}, "australian");
        // The other methods do not read these parameters.
        EXPECT_NEAR(*find(r, "rippl_mensal").volume, 920, 1e-9);
    }
}

TEST(SizingMethods, DryMonthsGivenReplaceTheCount) {
    auto set = sizingrec::record();
    ParametrosMetodos p;
    p.mesesSecos = 3;
    const ResultadoMetodos r = calculaMetodos(set->base(), p);
    EXPECT_EQ(*r.mesesSecos, 3);
    expectMethods(r, {{"azevedo_neto", 0.042 * 360 * 10 * 3, MotivoMetodo::Nenhum}}, "T = 3");  // 453.6
    p.mesesSecos = 0;
    expectMethods(calculaMetodos(set->base(), p), {{"azevedo_neto", 0, MotivoMetodo::Nenhum}}, "T = 0");
}

// 20 L a day: 7300 L a year against 3600 L of runoff. Both Rippl methods refuse; the methods of
// the yearly rain still apply, the German one now at its runoff term 0.06 × 3600.
TEST(SizingMethods, DemandAboveTheRunoff) {
    auto set = sizingrec::record(730, 20);
    const ResultadoMetodos r = calculaMetodos(set->base(), {});
    expectMethods(r,
                  {{"rippl_diario", std::nullopt, MotivoMetodo::Demanda},
                   {"rippl_mensal", std::nullopt, MotivoMetodo::Demanda},
                   {"azevedo_neto", 907.2, MotivoMetodo::Nenhum},
                   {"alemao", 216, MotivoMetodo::Nenhum},
                   {"ingles", 180, MotivoMetodo::Nenhum}},
                  "20 L a day");
}

// 200 days from 1 January: no whole month from July on, so no mean year. Only the daily Rippl
// applies: 600 L on each 1st to June, 5 L a day, the dry days from 1 July to 19 July add to the
// 145 L of June's end: 145 + 19 × 5 = 240 L.
TEST(SizingMethods, RecordShorterThanAYear) {
    auto set = sizingrec::record(200);
    ParametrosMetodos given;
    given.mesesSecos = 4;
    for (const ParametrosMetodos& p : {ParametrosMetodos{}, given}) {
        const ResultadoMetodos r = calculaMetodos(set->base(), p);
        EXPECT_FALSE(r.precAnual);
        EXPECT_EQ(r.mesesSecos, p.mesesSecos);  // a T given is reported, none is counted
        expectMethods(r,
                      {{"rippl_diario", 240, MotivoMetodo::Nenhum},
                       {"rippl_mensal", std::nullopt, MotivoMetodo::Meses},
                       {"azevedo_neto", std::nullopt, MotivoMetodo::Meses},
                       {"alemao", std::nullopt, MotivoMetodo::Meses},
                       {"ingles", std::nullopt, MotivoMetodo::Meses},
                       {"australiano", std::nullopt, MotivoMetodo::Meses}},
                      "200 days");
    }
}

// Only whole months make the mean year: a record from 20 December 2000 to 10 January 2003
// has the same two whole years, whatever the partial months hold.
TEST(SizingMethods, PartialMonthsStayOutOfTheMeanYear) {
    const TDate start = *TDate::fromYMD(2000, 12, 20);
    auto set = sizingrec::record(730 + 12 + 10, 5, start);
    TCaptAgua& p = set->base();
    for (std::size_t j = 0; j < 12; ++j) p.vecDadosPrecOrig[j] = 100;
    for (std::size_t j = 742; j < 752; ++j) p.vecDadosPrecOrig[j] = 100;
    const ResultadoMetodos r = calculaMetodos(p, {});
    EXPECT_DOUBLE_EQ(*r.precAnual, 360);
    expectMethods(r,
                  {{"rippl_mensal", 920, MotivoMetodo::Nenhum},
                   {"alemao", 109.5, MotivoMetodo::Nenhum},
                   {"australiano", 800, MotivoMetodo::Nenhum}},
                  "partial months");
}

// Each volume is run as one volume with every other input, the upper reservoir included, and
// the simulation handed in is left as it was.
TEST(SizingMethods, FiguresAreThoseOfASingleVolumeRun) {
    for (double resSup : {0.0, 40.0}) {
        auto set = sizingrec::record();
        TCaptAgua& p = set->base();
        p.dblResSup = resSup;
        p.dblResSupMinRec = resSup / 4;
        p.vecDemAguaPot = {4, 6, 5};  // a three-day cycle, as the balance reads it
        const ResultadoMetodos r = calculaMetodos(p, {});
        EXPECT_TRUE(p.vecDadosPrec.empty());
        EXPECT_EQ(p.dblResInf, 500);
        for (const auto& m : r.metodos) {
            ASSERT_TRUE(m.volume) << m.chave;
            TCaptAgua one;
            one.Assign(p);
            one.dblResInf = *m.volume;
            one.simula();
            EXPECT_EQ(m.dblEconPot, one.dblEconPot) << m.chave << " " << resSup;
            EXPECT_EQ(m.dblPorcAtendTotal, one.dblPorcAtendTotal) << m.chave;
            EXPECT_EQ(m.dblPorcAtendParc, one.dblPorcAtendParc) << m.chave;
            EXPECT_EQ(m.dblPorcNaoAtend, one.dblPorcNaoAtend) << m.chave;
        }
        // The cycle's mean is 5 L: the mean year's demand is that of the fixed 5 L only over
        // whole cycles, so the monthly Rippl moves a little but stays near 920.
        EXPECT_NEAR(*find(r, "rippl_mensal").volume, 920, 10);
    }
}

// The series the methods read are the balance's: the rain after the discard, the runoff of the
// area and coefficient, and the demand of the share, the demand cycle and the occupant cycle
// walked together; a monthly demand spread over its month's days.
TEST(SizingMethods, DaySeriesAreTheBalancesInputs) {
    auto set = sizingrec::record(4);
    TCaptAgua& p = set->base();
    p.vecDadosPrecOrig = {60, 0.5, 3, 1};  // the 0.5 mm day is below the 1 mm discard
    p.dblCoefAprov = 0.8;
    p.dblPorcSubs = 0.5;
    p.vecDemAguaPot = {4, 6, 5};
    p.vecNroMor = {1, 2};
    balance::prepare(p);
    const balance::DaySeries s = balance::daySeries(p);
    EXPECT_EQ(s.rain, (doubleArray{60, 0, 3, 1}));
    EXPECT_EQ(s.runoff, (doubleArray{480, 0, 24, 8}));  // 10 m² × 0.8 per mm
    EXPECT_EQ(s.demand, (doubleArray{2, 6, 2.5, 4}));  // 0.5 × 4 × 1, 0.5 × 6 × 2, 0.5 × 5 × 1, 0.5 × 4 × 2
    p.boolDemAguaPotMensal = true;
    p.vecDemAguaPotMensal = doubleArray(12, 3100);  // 100 L a day in January
    p.vecNroMor = {1};
    balance::prepare(p);
    EXPECT_EQ(balance::daySeries(p).demand, (doubleArray{50, 50, 50, 50}));
}

TEST(SizingMethods, ParametersOutOfRangeAreRefused) {
    auto set = sizingrec::record();
    struct Case {
        ParametrosMetodos p;
        const char* starts;
    } cases[] = {
        {{13.0, 2, 90}, "Meses secos"},      {{2.5, 2, 90}, "Meses secos"},
        {{-1.0, 2, 90}, "Meses secos"},      {{std::nullopt, -1, 90}, "Interceptação"},
        {{std::nullopt, 2, 0}, "Confiança"}, {{std::nullopt, 2, 100.5}, "Confiança"},
    };
    for (const auto& c : cases) {
        try {
            calculaMetodos(set->base(), c.p);
            ADD_FAILURE() << c.starts;
        } catch (const EngineError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.starts, 0), 0u) << e.what();
        }
    }
}

TEST(SizingMethods, TableAndLines) {
    auto set = sizingrec::record(200);
    const ResultadoMetodos r = calculaMetodos(set->base(), {});
    const std::vector<std::string> lines = linhasMetodos(r, LocaleSettings::ptBR());
    ASSERT_EQ(lines.size(), 2u + 1u + 6u);
    EXPECT_EQ(lines[0], "P (mm/ano);não se aplica");
    EXPECT_EQ(lines[1], "T (meses secos);não se aplica");
    EXPECT_EQ(lines[2],
              "Método;Volume (litros);Potencial de economia (%);Atende completamente (%);Parcialmente (%);"
              "Não atende (%)");
    EXPECT_EQ(lines[3].rfind("Rippl (diário);240;", 0), 0u) << lines[3];
    EXPECT_EQ(lines[4], "Rippl (mensal);" + motivoTexto(MotivoMetodo::Meses) + ";;;;");
}

}  // namespace
