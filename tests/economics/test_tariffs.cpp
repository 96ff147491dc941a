// The water bill: bands, sewer tariff and taxes, the monthly bills of a simulation, the price
// adjustment of later months and the bands as "Adicionar" reads them.

#include <gtest/gtest.h>

#include <cmath>

#include "common/numtext.h"
#include "economics/economics_errors.h"
#include "economics/tariffs.h"
#include "engine/capt_agua.h"
#include "tests/economics/economics_cases.h"

namespace {

const LocaleSettings kPt = LocaleSettings::ptBR();

// ---------------------------------------------------------------------------------------
// TotalConta

struct ContaCase {
    const char* name;
    TTarifas tarifas;
    double volume;    // m³
    double esperado;  // R$
};

const std::vector<ContaCase> kContaCases = {
    // A flat band costs nothing when no volume falls in it.
    {"ZeroVolumeFlatFirstBand", tresFaixas(), 0, 0},
    {"InsideFlatFirstBand", tresFaixas(), 5, 20},
    // A volume equal to a band's end is billed entirely within that band.
    {"AtFirstBandsEnd", tresFaixas(), 10, 20},
    {"InMiddleBand", tresFaixas(), 15, 20 + 5 * 3},                     // 35
    {"AtMiddleBandsEnd", tresFaixas(), 20, 20 + 10 * 3},                // 50
    {"InTopBand", tresFaixas(), 25, 20 + 10 * 3 + 5 * 5},               // 75
    {"FirstBandPerCubicMetre", tresFaixas(false, 2), 10, 20},           // 10 × 2
    {"PerCubicMetreThenMiddle", tresFaixas(false, 2), 12, 20 + 2 * 3},  // 26
    // Only a first band: nothing above its end is billed.
    {"OnlyFirstBandCapsVolume", {{0, 10, 2, false}}, 15, 20},
    // Above the top band's ceiling nothing more is billed: 99980 m³ of the top band.
    {"AboveCeiling", {{0, 20, 1, false}, {20, 100000, 1, false}}, 150000, 20 + 99980},
    {"EmptySchedule", {}, 25, 0},
};

class TotalContaTable : public ::testing::TestWithParam<ContaCase> {};

TEST_P(TotalContaTable, BillsTheVolumeBandByBand) {
    const auto& c = GetParam();
    EXPECT_DOUBLE_EQ(TotalConta(c.volume, c.tarifas), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(Bands, TotalContaTable, ::testing::ValuesIn(kContaCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// Sewer tariff and taxes

struct EsgotoCase {
    const char* name;
    TipoEsgoto tipo;
    const char* esgoto;
    const char* impFixo;
    const char* impVar;
    double esperado;  // bill of a water tariff of R$ 40
};

// A water tariff of R$ 40: 20 m³ at R$ 2 in one band.
const TTarifas kQuarenta = {{0, 100, 2, false}};

const std::vector<EsgotoCase> kEsgotoCases = {
    // Flat sewer, untaxed: 40 × 1,1 + 15 + 2.
    {"Fixa", TipoEsgoto::Fixa, "15", "2", "10", 61},
    // Sewer and variable tax both % of the water tariff, added: 40 × (1 + 0,8 + 0,1) + 2.
    {"Variavel", TipoEsgoto::Variavel, "80", "2", "10", 78},
    // No kind chosen counts as a percentage.
    {"NoKindIsAPercentage", TipoEsgoto::Nenhum, "80", "2", "10", 78},
    // Empty and non-numeric taxes, and an empty flat sewer, count as 0: 40 × 1.
    {"FixaEmptyFields", TipoEsgoto::Fixa, "", "", "abc", 40},
    {"VariavelDecimalComma", TipoEsgoto::Variavel, "12,5", "", "", 45},  // 40 × 1,125
};

class ValorContaTable : public ::testing::TestWithParam<EsgotoCase> {};

TEST_P(ValorContaTable, AddsSewerAndTaxes) {
    const auto& c = GetParam();
    TCamposTarifas t;
    t.tipoEsgoto = c.tipo;
    t.strTarEsgoto = c.esgoto;
    t.strImpFixo = c.impFixo;
    t.strImpVar = c.impVar;
    EXPECT_NEAR(ValorConta(20, kQuarenta, leEsgotoImpostos(t, kPt)), c.esperado, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Sewer, ValorContaTable, ::testing::ValuesIn(kEsgotoCases),
                         [](const auto& info) { return std::string(info.param.name); });

// 25 m³ over the three bands costs 20 + 10 × 3 + 5 × 5 = 75 of water.
struct FaixasEsgotoCase {
    const char* name;
    TEsgotoImpostos esgoto;
    double esperado;
};

const std::vector<FaixasEsgotoCase> kFaixasEsgotoCases = {
    {"NoSewerNoTaxes", {TipoEsgoto::Fixa, 0, 0, 0}, 75},
    {"FlatSewer", {TipoEsgoto::Fixa, 15, 2, 10}, 99.5},               // 75 × 1,1 + 15 + 2
    {"PercentageSewer", {TipoEsgoto::Variavel, 80, 2, 10}, 144.5},    // 75 × 1,9 + 2
    {"NoKindChosen", {TipoEsgoto::Nenhum, 80, 2, 10}, 144.5},         // as a percentage
    {"PercentageSewerOnly", {TipoEsgoto::Variavel, 100, 0, 0}, 150},  // 75 × 2
};

class FaixasEsgotoTable : public ::testing::TestWithParam<FaixasEsgotoCase> {};

TEST_P(FaixasEsgotoTable, SeveralBandsWithEachSewerKind) {
    const auto& c = GetParam();
    EXPECT_NEAR(ValorConta(25, tresFaixas(), c.esgoto), c.esperado, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Sewer, FaixasEsgotoTable, ::testing::ValuesIn(kFaixasEsgotoCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A percentage: "Variável", or a value typed with no kind chosen. No kind and no value is no
// sewer charge (a section saved without the sewer line).
TEST(EsgotoImpostos, PercentageSewerMustBeANumber) {
    for (TipoEsgoto tipo : {TipoEsgoto::Variavel, TipoEsgoto::Nenhum}) {
        TCamposTarifas t;
        t.tipoEsgoto = tipo;
        for (const char* text : {"", "abc"}) {
            t.strTarEsgoto = text;
            if (tipo == TipoEsgoto::Nenhum && t.strTarEsgoto.empty()) {
                EXPECT_EQ(leEsgotoImpostos(t, kPt).esgoto, 0);
                continue;
            }
            try {
                leEsgotoImpostos(t, kPt);
                ADD_FAILURE() << "accepted '" << text << "'";
            } catch (const AnaliseError& e) {
                EXPECT_EQ(e.campo, CampoAnalise::TarifaEsgoto);
                EXPECT_EQ(std::string(e.what()),
                          "Tarifa de esgoto: '" + std::string(text) + "' não é um número válido.");
            }
        }
    }
}

// The bills of each calendar month come from that month of the simulation (the engine counts
// months from 1): January's volumes are not February's.
TEST(CalculaContas, EachCalendarMonthFromItsOwnVolumes) {
    TCaptAgua s = simMensal(0, 0);
    for (int m = 1; m <= 12; ++m) {
        s.vecVConsPluv[m] = 1000.0 * m;  // m m³ of rainwater in month m
        s.vecVConsPot[m] = 5000;         // 5 m³ of potable water
    }
    TEsgotoImpostos e;
    e.tipo = TipoEsgoto::Fixa;
    e.esgoto = 15;
    e.impFixo = 2;
    const TContas c = CalculaContas(tresFaixas(), e, s);
    for (std::size_t k = 0; k < 12; ++k) {
        const double vSem = 5 + static_cast<double>(k + 1);  // m³: all the demand
        // Without rainwater: 20 flat up to 10 m³, then 3 per m³; plus sewer 15 and tax 2.
        const double sem = (vSem <= 10 ? 20 : 20 + (vSem - 10) * 3) + 17;
        EXPECT_DOUBLE_EQ(c.vecContaSemPluv[k], sem) << k;
        EXPECT_DOUBLE_EQ(c.vecContaComPluv[k], 20 + 17) << k;  // 5 m³ in the flat band
    }
}

// An empty schedule leaves the fixed charges alone, in both bills: no saving.
TEST(CalculaContas, EmptyScheduleGivesTheFixedChargesOnly) {
    TEsgotoImpostos e{TipoEsgoto::Fixa, 15, 2, 10};
    const TContas c = CalculaContas({}, e, simMensal(3000, 7000));
    for (std::size_t k = 0; k < 12; ++k) {
        EXPECT_EQ(c.vecContaSemPluv[k], 17);
        EXPECT_EQ(c.vecContaComPluv[k], 17);
    }
}

// With all the demand met by rainwater the bill with rainwater has a zero volume, which a
// flat band does not charge: the flat band is saved too.
TEST(CalculaContas, ZeroPotableVolumeSavesTheFlatBand) {
    const TContas c =
        CalculaContas(tresFaixas(), TEsgotoImpostos{TipoEsgoto::Variavel, 0, 0, 0}, simMensal(8000, 0));
    EXPECT_EQ(c.vecContaSemPluv[0], 20);
    EXPECT_EQ(c.vecContaComPluv[0], 0);
}

// ---------------------------------------------------------------------------------------
// FatorReajuste and TarifaEnergia

struct FatorCase {
    const char* name;
    int i;
    int intervalo;
    double expoente;  // of 1,01
};

const std::vector<FatorCase> kFatorCases = {
    {"Month0", 0, 12, 0},         {"Month11FlatYear", 11, 12, 0}, {"Month12FirstJump", 12, 12, 12},
    {"Month23", 23, 12, 12},      {"Month24", 24, 12, 24},        {"EveryMonth7", 7, 1, 7},
    {"Every5Month14", 14, 5, 10},
};

class FatorTable : public ::testing::TestWithParam<FatorCase> {};

// Inflation 1 % a month: prices stay flat for the interval, then jump by the inflation
// compounded over the months elapsed.
TEST_P(FatorTable, CompoundsOverWholeIntervals) {
    const auto& c = GetParam();
    EXPECT_DOUBLE_EQ(FatorReajuste(c.i, 1, c.intervalo), std::pow(1.01, c.expoente));
    // The electricity tariff follows the same factor.
    EXPECT_DOUBLE_EQ(TarifaEnergia(0.5, c.i, c.intervalo, 1), 0.5 * std::pow(1.01, c.expoente));
}

INSTANTIATE_TEST_SUITE_P(Adjustment, FatorTable, ::testing::ValuesIn(kFatorCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FatorReajuste, IntervalBelowOneMonthIsRefused) {
    for (int intervalo : {0, -3}) {
        try {
            FatorReajuste(5, 1, intervalo);
            ADD_FAILURE() << intervalo;
        } catch (const AnaliseError& e) {
            EXPECT_EQ(e.campo, CampoAnalise::PeriodoAumento);
        }
    }
}

// ---------------------------------------------------------------------------------------
// Bands as "Adicionar" reads them

TEST(LeFaixa, RowsRepeatTheTextsAsTyped) {
    auto f = leFaixa({}, TipoFaixa::AbaixoDe, "10", "", "20", true, kPt);
    EXPECT_EQ(f.strLinha, "Abaixo de 10 m³: R$20 (fixo).");
    EXPECT_EQ(f.faixa.De, 0);
    EXPECT_EQ(f.faixa.Ate, 10);
    EXPECT_EQ(f.faixa.Valor, 20);
    EXPECT_TRUE(f.faixa.Fixo);
    f = leFaixa({}, TipoFaixa::AbaixoDe, "10", "", "2,50", false, kPt);
    EXPECT_EQ(f.strLinha, "Abaixo de 10 m³: R$2,50 (por m³).");
    EXPECT_EQ(f.faixa.Valor, 2.5);
    f = leFaixa({f.faixa}, TipoFaixa::Entre, "10", "20", "3", true, kPt);
    EXPECT_EQ(f.strLinha, "Entre 10 e 20 m³: R$3 (por m³).");
    EXPECT_FALSE(f.faixa.Fixo);  // only the first band can be flat
    EXPECT_EQ(f.faixa.De, 10);
    EXPECT_EQ(f.faixa.Ate, 20);
    f = leFaixa({f.faixa}, TipoFaixa::AcimaDe, "20", "", "5", true, kPt);
    EXPECT_EQ(f.strLinha, "Acima de 20 m³: R$5 (por m³).");
    EXPECT_EQ(f.faixa.De, 20);
    EXPECT_EQ(f.faixa.Ate, kTetoFaixa);
    EXPECT_FALSE(f.faixa.Fixo);
}

TEST(LeFaixa, RefusesAMiddleBandNotRising) {
    const TTarifas ate20 = {{0, 20, 10, true}};
    for (const char* fim : {"20", "15"}) {
        EXPECT_THROW(leFaixa(ate20, TipoFaixa::Entre, "20", fim, "3", false, kPt), FaixaRecusada) << fim;
    }
    try {
        leFaixa(ate20, TipoFaixa::Entre, "20", "20", "3", false, kPt);
        ADD_FAILURE() << "accepted";
    } catch (const FaixaRecusada& e) {
        EXPECT_EQ(std::string(e.what()), "Preenchimento incorreto. Verifique os valores");
    }
    EXPECT_THROW(leFaixa(ate20, TipoFaixa::Entre, "20", "30", "", false, kPt), ConversionError);
    EXPECT_THROW(leFaixa({}, TipoFaixa::AbaixoDe, "1.5", "", "3", false, kPt), ConversionError);  // pt_BR
}

}  // namespace
