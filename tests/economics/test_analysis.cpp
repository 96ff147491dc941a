// The analysis: months of the period, savings, present value and payback, the rate of return,
// the whole "Calcular" and the result lines.

#include <gtest/gtest.h>

#include <cmath>

#include "common/numtext.h"
#include "economics/analysis.h"
#include "economics/economics_errors.h"
#include "engine/capt_agua.h"
#include "tests/economics/economics_cases.h"
#include "tests/support/systems.h"

namespace {

const LocaleSettings kPt = LocaleSettings::ptBR();

// ---------------------------------------------------------------------------------------
// Months of the analysis period

struct PeriodoCase {
    const char* name;
    double anos;
    int meses;
};

const std::vector<PeriodoCase> kPeriodoCases = {
    {"FiftyYears", 50, 600},        {"OneAndAFewDays", 1.04, 12},  // 12,48 → 12
    {"OneAndAHalfUp", 0.125, 2},                                   // 1,5 → 2, ties to even
    {"FourAndAHalfDown", 0.375, 4},                                // 4,5 → 4, ties to even
    {"OneMonth", 0.1, 1},                                          // 1,2 → 1
};

class PeriodoTable : public ::testing::TestWithParam<PeriodoCase> {};

TEST_P(PeriodoTable, YearsTimesTwelveRoundedToEven) {
    EXPECT_EQ(NroPeriodos(GetParam().anos), GetParam().meses);
}

INSTANTIATE_TEST_SUITE_P(Months, PeriodoTable, ::testing::ValuesIn(kPeriodoCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// Net present value and payback

struct VplCase {
    const char* name;
    doubleArray fluxo;
    double tma;
    double vpl;
    int retorno;
};

const std::vector<VplCase> kVplCases = {
    // −1000/1,01 + Σ(i=1…12) 100/1,01^(i+1) = 124,265…; the cumulative sum first reaches 0
    // in month 11.
    {"PaysBackInMonth11", {-1000, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100}, 1, 124.27, 11},
    // Two months fewer: −52,346… and no payback.
    {"NoPayback", {-1000, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100}, 1, -52.35, -1},
    // TMA 0: the plain sum, to the cent: −10,333 + 5,111 + 6 = 0,778; cumulative ≥ 0 in month 2.
    {"ZeroRateIsThePlainSum", {-10.333, 5.111, 6}, 0, 0.78, 2},
    // The first month is discounted too: 100/1,1 = 90,909… → 90,91, payback at once.
    {"FirstMonthDiscounted", {100}, 10, 90.91, 0},
    {"NoMonths", {}, 1, 0, -1},
};

class VplTable : public ::testing::TestWithParam<VplCase> {};

TEST_P(VplTable, DiscountsEachMonthByMonthsPlusOne) {
    const auto& c = GetParam();
    const TVPL r = CalculaVPL(c.fluxo, c.tma);
    EXPECT_EQ(r.curVPL, Currency::fromDouble(c.vpl));
    EXPECT_EQ(r.intTempoRetorno, c.retorno);
}

INSTANTIATE_TEST_SUITE_P(PresentValue, VplTable, ::testing::ValuesIn(kVplCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// Internal rate of return

struct TirCase {
    const char* name;
    doubleArray fluxo;
    double taxa;  // fraction per month
    double tolerancia;
    int iteracoes;  // 0: not checked
};

// 1000 repaid in 12 monthly payments at exactly 1 % a month: 1000 × 0,01 ÷ (1 − 1,01⁻¹²).
const double kPrestacao = 1000 * 0.01 / (1 - std::pow(1.01, -12));

const std::vector<TirCase> kTirCases = {
    // −100 + 101 t = 0: t = 100/101, the rate exactly 1 %; the split logarithm is linear in
    // x, so one step lands on it and the second confirms it.
    {"OneStepToOnePercent", {-100, 101}, 0.01, 1e-15, 2},
    {"AnnuityAtOnePercent",
     {-1000, kPrestacao, kPrestacao, kPrestacao, kPrestacao, kPrestacao, kPrestacao, kPrestacao, kPrestacao,
      kPrestacao, kPrestacao, kPrestacao, kPrestacao},
     0.01,
     1e-14,
     0},
    // −1000 then twelve months of +100: 2,9229 % a month, in 5 steps.
    {"TwelveMonthsOf100",
     {-1000, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100},
     0.029228540769,
     1e-11,
     5},
    // Ten months of +100 just repay the 1000: the first step is 0, the rate 0.
    {"TenMonthsOf100", {-1000, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100}, 0, 1e-15, 1},
    // Flows of one sign only: undefined (−1). A zero counts with the non-negative flows.
    {"AllNegative", {-10, -5, -1}, -1, 0, 1},
    {"AllNonNegative", {0, 5, 1}, -1, 0, 1},
};

class TirTable : public ::testing::TestWithParam<TirCase> {};

TEST_P(TirTable, NewtonOnTheDiscountFactor) {
    const auto& c = GetParam();
    int iteracoes = 0;
    EXPECT_NEAR(InternalRateOfReturn(0, c.fluxo, &iteracoes), c.taxa, c.tolerancia);
    if (c.iteracoes) {
        EXPECT_EQ(iteracoes, c.iteracoes);
    }
}

INSTANTIATE_TEST_SUITE_P(RateOfReturn, TirTable, ::testing::ValuesIn(kTirCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InternalRateOfReturn, FailsWhenItCannotStartOrSettle) {
    // All zero (or nothing): both sums are 0 and there is nothing to iterate on.
    EXPECT_THROW(InternalRateOfReturn(0, {0, 0, 0}), InternalRateOfReturnError);
    EXPECT_THROW(InternalRateOfReturn(0, {}), InternalRateOfReturnError);
    // A large outlay, a small return and a further loss: the steps swing between two points
    // (x ≈ 6,63 and −1,24) and never settle in 15.
    int iteracoes = 0;
    try {
        InternalRateOfReturn(0, {-1900.5, 2.5156, -8.6419}, &iteracoes);
        FAIL();
    } catch (const InternalRateOfReturnError& e) {
        EXPECT_EQ(std::string(e.what()), "InternalRateOfReturn");
    }
    EXPECT_EQ(iteracoes, 15);
}

// ---------------------------------------------------------------------------------------
// The whole "Calcular"

// Three bands: below 5 m³ a flat R$ 20, 5 to 10 m³ R$ 3, above R$ 5; sewer 50 % of the water
// tariff; variable tax 10 %; fixed tax R$ 2. Inflation 1 % adjusted every 2 months, three
// months (0,25 years) from January, TMA 1 %.
TDadosAnalise dadosBase() {
    TDadosAnalise d;
    d.analise = {"5000", "1", "2", "0,25", "1", 0};
    d.tarifas.vecTarifas = {{0, 5, 20, true}, {5, 10, 3, false}, {10, kTetoFaixa, 5, false}};
    d.tarifas.tipoEsgoto = TipoEsgoto::Variavel;
    d.tarifas.strTarEsgoto = "50";
    d.tarifas.strImpFixo = "2";
    d.tarifas.strImpVar = "10";
    d.iniciais = {"1000", "500", "", "100,5", ""};
    TCamposMotobomba& m = d.motobomba;
    m.strPotencia = "1/2";
    m.indPotUnid = 0;
    m.strRendimento = "50";
    m.strVazao = "1500";
    m.strTempoPartida = "10";
    m.strCusto = "300";
    m.strTarifaEn = "0,5";
    m.strImpFixo = "1";
    m.strImpVar = "10";
    d.vecManutencao = {{0, "Filtro", 10, 0, 1}, {1, "Limpeza", 5, 2, 2}};
    return d;
}

// Every month 3000 L of rainwater and 7000 L of potable water; 3000 L pumped in 2 cycles a day.
//  Bills: without rainwater 10 m³ → 20 + 5 × 3 = 35 → 35 × 1,6 + 2 = 58;
//         with rainwater 7 m³ → 20 + 2 × 3 = 26 → 26 × 1,6 + 2 = 43,60; saving 14,40.
//  Month 0 (January): Reservatório inferior 1000, Reservatório superior 500, Tubulações
//         100,5, Custo motobomba(s) 300 = 1900,50; no saving.
//  Month 1 (February, 28 days, factor 1): saving 14,40. Pump 0,373 kW at 50 %:
//         28 × 2 × 10/3600 + 3000/1500 = 2,15556 h → 0,746 × 2,15556 = 1,60804 kWh × 0,5 =
//         0,80402 × 1,1 + 1 = 1,88442 → 1,8844; Filtro 10. Costs 11,8844.
//  Month 2 (March, 31 days, factor 1,01² = 1,0201): saving 14,4 × 1,0201 = 14,68944 →
//         14,6894. Pump 2,17222 h → 1,62048 kWh × 0,5 × 1,0201 = 0,82652 × 1,1 + 1 = 1,90918
//         → 1,9092; Filtro 10 × 1,0201 = 10,201; Limpeza (5 + 2 × 3 m³) × 1,0201 = 11,2211.
//         Costs 23,3313.
//  Flows −1900,5; 2,5156; −8,6419: present value at 1 % −1887,60, no payback, and the
//  rate's iteration does not settle: undefined.
TEST(Calcular, TinyAnalysisWithAnUpperReservoir) {
    const TCaptAgua s = simMensal(3000, 7000, 3000, 2);
    const TResultadoAnalise r = Calcular(dadosBase(), true, s, kPt);
    EXPECT_EQ(r.contas.vecContaSemPluv[0], 58);
    EXPECT_NEAR(r.contas.vecContaComPluv[0], 43.6, 1e-12);
    ASSERT_EQ(r.nroPeriodos, 3);
    ASSERT_EQ(r.vecPeriodos.size(), 3u);
    EXPECT_EQ(r.vecEconomias, (doubleArray{0, 14.4, 14.6894}));
    EXPECT_EQ(r.vecPeriodos[0].Economia.Nome, "");
    EXPECT_EQ(r.vecPeriodos[1].Economia.Nome, "Economia de água potável");
    const auto nomes = [&](std::size_t i) {
        std::vector<std::string> n;
        for (const TCusto& c : r.vecPeriodos[i].Custo) n.push_back(c.Nome);
        return n;
    };
    EXPECT_EQ(nomes(0), (std::vector<std::string>{"Reservatório inferior", "Reservatório superior",
                                                  "Tubulações", "Custo motobomba(s)"}));
    EXPECT_EQ(nomes(1), (std::vector<std::string>{"Energia elétrica motobomba(s)", "Filtro"}));
    EXPECT_EQ(nomes(2), (std::vector<std::string>{"Energia elétrica motobomba(s)", "Filtro", "Limpeza"}));
    EXPECT_EQ(r.vecPeriodos[1].Custo[0].Valor, Currency::fromDouble(1.8844));
    EXPECT_EQ(r.vecPeriodos[2].Custo[0].Valor, Currency::fromDouble(1.9092));
    EXPECT_EQ(r.vecPeriodos[2].Custo[2].Valor, Currency::fromDouble(11.2211));
    EXPECT_NEAR(r.vecCustos[0], 1900.5, 1e-9);
    EXPECT_NEAR(r.vecCustos[1], 11.8844, 1e-9);
    EXPECT_NEAR(r.vecCustos[2], 23.3313, 1e-9);
    EXPECT_EQ(r.curVPL, Currency::fromDouble(-1887.60));
    EXPECT_EQ(r.intTempoRetorno, -1);
    EXPECT_FALSE(r.dblTIR.has_value());
}

// Without an upper reservoir neither the pump nor the upper reservoir's cost is charged,
// whatever their boxes hold. 13 m³ of rainwater and 7 m³ of potable water a month, sewer
// "Fixa" R$ 15 (untaxed, in both bills):
//   without: 20 m³ → 20 + 15 + 50 = 85 → 85 × 1,1 + 15 + 2 = 110,50;
//   with: 7 m³ → 26 → 26 × 1,1 + 17 = 45,60; saving 64,90 a month, no inflation.
//   Flows −100 (the lower reservoir alone); 64,9; 64,9: present value −100/1,01 +
//   64,9/1,01² + 64,9/1,01³ = 27,6026 → 27,60, the cumulative sum first positive in month 2
//   (month 1 still −35,39); rate t solving −100 + 64,9 t + 64,9 t² = 0: t = 0,83822, 1/t − 1 =
//   19,30 % a month.
TEST(Calcular, WithoutAnUpperReservoir) {
    TDadosAnalise d = dadosBase();
    d.analise.strInflacao = "0";
    d.tarifas.tipoEsgoto = TipoEsgoto::Fixa;
    d.tarifas.strTarEsgoto = "15";
    d.iniciais = {"100", "500", "", "", ""};
    d.motobomba = TCamposMotobomba{};
    d.motobomba.strVazao = "0";  // would be refused if the pump were charged
    d.vecManutencao.clear();
    const TResultadoAnalise r = Calcular(d, false, simMensal(13000, 7000), kPt);
    EXPECT_NEAR(r.contas.vecContaSemPluv[5], 110.5, 1e-12);
    EXPECT_NEAR(r.contas.vecContaComPluv[5], 45.6, 1e-12);
    EXPECT_EQ(r.vecEconomias, (doubleArray{0, 64.9, 64.9}));
    EXPECT_EQ(r.vecCustos, (doubleArray{100, 0, 0}));
    const double t = (-64.9 + std::sqrt(64.9 * 64.9 + 4 * 64.9 * 100)) / (2 * 64.9);
    const double vpl = -100 / 1.01 + 64.9 / std::pow(1.01, 2) + 64.9 / std::pow(1.01, 3);
    EXPECT_EQ(r.curVPL, Currency::fromDouble(std::nearbyint(vpl * 100) / 100));
    EXPECT_EQ(formatCurrencyGeneral(r.curVPL, kPt), "27,6");
    EXPECT_EQ(r.intTempoRetorno, 2);
    ASSERT_TRUE(r.dblTIR.has_value());
    EXPECT_NEAR(*r.dblTIR, (1 / t - 1) * 100, 1e-9);
    EXPECT_EQ(TextoTIR(r.dblTIR, kPt), "Taxa interna de retorno: 19,30% ao mês");
}

// Installed in October (item 9), analysis month 1 is November and month 3 January: each
// month's saving is that calendar month's.
TEST(Calcular, MonthsFollowTheInstallationMonth) {
    TCaptAgua s = simMensal(0, 0);
    for (int m = 1; m <= 12; ++m) s.vecVConsPluv[m] = 1000.0 * m;  // m m³ of rainwater in month m
    TDadosAnalise d = dadosBase();
    d.analise = {"5000", "0", "1", "0,5", "1", 9};
    d.tarifas.vecTarifas = {{0, kTetoFaixa, 1, false}};  // R$ 1 per m³, no sewer or taxes
    d.tarifas.tipoEsgoto = TipoEsgoto::Fixa;
    d.tarifas.strTarEsgoto = d.tarifas.strImpFixo = d.tarifas.strImpVar = "";
    d.vecManutencao.clear();
    const TResultadoAnalise r = Calcular(d, false, s, kPt);
    ASSERT_EQ(r.nroPeriodos, 6);
    // Months 1 … 5: November (11), December (12), January (1), February (2), March (3).
    EXPECT_EQ(r.vecEconomias, (doubleArray{0, 11, 12, 1, 2, 3}));
}

// 0,1 years is one month: month 0 only, with the initial costs and the pump's purchase; no
// saving, no electricity, no operating cost; flows all negative, so the rate is undefined.
TEST(Calcular, OneMonthOnly) {
    TDadosAnalise d = dadosBase();
    d.analise.strPeriodoAnalise = "0,1";
    const TResultadoAnalise r = Calcular(d, true, simMensal(3000, 7000, 3000, 2), kPt);
    ASSERT_EQ(r.vecPeriodos.size(), 1u);
    EXPECT_EQ(r.vecEconomias, (doubleArray{0}));
    EXPECT_EQ(r.vecCustos, (doubleArray{1900.5}));
    EXPECT_EQ(r.vecPeriodos[0].Custo.back().Nome, "Custo motobomba(s)");
    EXPECT_FALSE(r.dblTIR.has_value());
    EXPECT_EQ(r.intTempoRetorno, -1);
}

// The working simulation of a real run feeds the bills by calendar month.
TEST(Calcular, OverASimulatedHousehold) {
    auto set = testsys::household(1500);
    const auto sim = SimulaCaptAgua(set->base(), "3000", kPt);
    EXPECT_EQ(sim->dblResInf, 3000);
    EXPECT_EQ(set->base().dblResInf, 5000);  // the main simulation is left alone
    TDadosAnalise d = dadosBase();
    d.analise.strPeriodoAnalise = "2";
    d.analise.indMesIn = 4;
    const TResultadoAnalise r = Calcular(d, false, *sim, kPt);
    ASSERT_EQ(r.nroPeriodos, 24);
    for (int i = 1; i < 24; ++i) {
        const auto c = static_cast<std::size_t>((i + 4) % 12);
        const double pluv = sim->vecVConsPluv[static_cast<int>(c) + 1],
                     pot = sim->vecVConsPot[static_cast<int>(c) + 1];
        // The same bills computed here from the month's own volumes.
        const auto bill = [&](double v) { return TotalConta(v / 1000, d.tarifas.vecTarifas) * 1.6 + 2; };
        const double fator = std::pow(1.01, i - i % 2);
        EXPECT_EQ(r.vecEconomias[static_cast<std::size_t>(i)],
                  Currency::fromDouble(fator * (bill(pluv + pot) - bill(pot))).toDouble())
            << i;
    }
    EXPECT_THROW(SimulaCaptAgua(set->base(), "três mil", kPt), AnaliseError);
}

struct RecusaCase {
    const char* name;
    void (*muda)(TDadosAnalise&);
    CampoAnalise campo;
    const char* mensagem;
};

const std::vector<RecusaCase> kRecusaCases = {
    {"PeriodAboveFifty", [](TDadosAnalise& d) { d.analise.strPeriodoAnalise = "50,5"; },
     CampoAnalise::PeriodoAnalise, "O período máximo de análise é de 50 anos."},
    {"PeriodOfNoMonth", [](TDadosAnalise& d) { d.analise.strPeriodoAnalise = "0,04"; },
     CampoAnalise::PeriodoAnalise,
     "Período de análise (anos): o período de análise deve ter pelo menos 1 mês."},
    {"PeriodEmpty", [](TDadosAnalise& d) { d.analise.strPeriodoAnalise = ""; }, CampoAnalise::PeriodoAnalise,
     "Período de análise (anos): '' não é um número válido."},
    {"IntervalZero", [](TDadosAnalise& d) { d.analise.strPeriodoAumento = "0"; },
     CampoAnalise::PeriodoAumento,
     "Reajuste das tarifas de água e energia elétrica (meses): o intervalo entre reajustes deve ser de pelo "
     "menos 1 mês."},
    {"IntervalNotWhole", [](TDadosAnalise& d) { d.analise.strPeriodoAumento = "1,5"; },
     CampoAnalise::PeriodoAumento,
     "Reajuste das tarifas de água e energia elétrica (meses): '1,5' não é um número inteiro válido."},
    {"InflationEmpty", [](TDadosAnalise& d) { d.analise.strInflacao = ""; }, CampoAnalise::Inflacao,
     "Inflação (% ao mês): '' não é um número válido."},
    {"TmaNotANumber", [](TDadosAnalise& d) { d.analise.strTMA = "x"; }, CampoAnalise::TMA,
     "Taxa mínima de atratividade (% ao mês): 'x' não é um número válido."},
    {"TmaMinusHundred", [](TDadosAnalise& d) { d.analise.strTMA = "-100"; }, CampoAnalise::TMA,
     "Taxa mínima de atratividade (% ao mês): a taxa deve ser maior que -100."},
    {"PumpFieldEmpty", [](TDadosAnalise& d) { d.motobomba.strImpVar = ""; },
     CampoAnalise::MotobombaIncompleta, "Há um ou mais dados não preenchidos sobre a motobomba."},
    {"PumpFlowZero", [](TDadosAnalise& d) { d.motobomba.strVazao = "0"; }, CampoAnalise::Motobomba,
     "Vazão (litros/hora): a vazão da motobomba deve ser maior que zero."},
    {"PumpEfficiencyZero", [](TDadosAnalise& d) { d.motobomba.strRendimento = "0"; }, CampoAnalise::Motobomba,
     "Rendimento (%): o rendimento da motobomba deve ser maior que zero."},
    {"PeriodicityZero", [](TDadosAnalise& d) { d.vecManutencao[1].Periodo = 0; }, CampoAnalise::Manutencao,
     "Periodicidade (meses) do custo operacional \"Limpeza\": a periodicidade deve ser de pelo menos 1 mês."},
    {"SewerPercentageEmpty", [](TDadosAnalise& d) { d.tarifas.strTarEsgoto = ""; },
     CampoAnalise::TarifaEsgoto, "Tarifa de esgoto: '' não é um número válido."},
    // An inflation that overflows the money range is refused, not stored.
    {"AbsurdInflation", [](TDadosAnalise& d) { d.analise.strInflacao = "1E200"; }, CampoAnalise::Nenhum,
     "Valor monetário fora do intervalo permitido."},
};

class RecusaTable : public ::testing::TestWithParam<RecusaCase> {};

TEST_P(RecusaTable, RefusedWithTheFieldNamed) {
    const auto& c = GetParam();
    TDadosAnalise d = dadosBase();
    c.muda(d);
    try {
        Calcular(d, true, simMensal(3000, 7000, 3000, 2), kPt);
        FAIL() << "accepted";
    } catch (const AnaliseError& e) {
        EXPECT_EQ(e.campo, c.campo);
        EXPECT_EQ(std::string(e.what()), c.mensagem);
        // Only a period above the maximum is emptied as well as focused.
        EXPECT_EQ(e.esvaziaCampo, std::string(c.name) == "PeriodAboveFifty");
    }
}

INSTANTIATE_TEST_SUITE_P(Refusals, RecusaTable, ::testing::ValuesIn(kRecusaCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Exactly 50 years is accepted.
TEST(Calcular, FiftyYearsAccepted) {
    TDadosAnalise d = dadosBase();
    d.analise.strPeriodoAnalise = "50";
    EXPECT_EQ(Calcular(d, true, simMensal(3000, 7000, 3000, 2), kPt).nroPeriodos, 600);
}

// ---------------------------------------------------------------------------------------
// Result lines

TEST(ResultLines, Texts) {
    EXPECT_EQ(TextoVPL(Currency::fromDouble(124.27), kPt), "Valor presente líquido: R$ 124,27");
    EXPECT_EQ(TextoVPL(Currency::fromDouble(-52.3), LocaleSettings::enUS()),
              "Valor presente líquido: R$ -52.3");
    EXPECT_EQ(TextoVPL(Currency::fromDouble(1500), kPt), "Valor presente líquido: R$ 1500");
    EXPECT_EQ(TextoTempoRetorno(11), "Tempo de retorno do investimento: 11 meses");
    EXPECT_EQ(TextoTempoRetorno(-1), "Não há retorno financeiro no período analisado.");
    EXPECT_EQ(TextoTIR(2.9228540769, kPt), "Taxa interna de retorno: 2,92% ao mês");
    EXPECT_EQ(TextoTIR(0.0, kPt), "Taxa interna de retorno: 0,00% ao mês");
    EXPECT_EQ(TextoTIR(std::nullopt, kPt), "Taxa interna de retorno indefinida");
}

}  // namespace
