// A scenario set: the combination table, the precipitation files read once, one combination
// turned into an ordinary simulation of the engine.

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "common/textfile.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/engine_error.h"
#include "scenarios/combs.h"
#include "scenarios/scenario_errors.h"
#include "tests/scenarios/scenario_cases.h"
#include "tests/support/compare.h"
#include "tests/support/rows.h"

namespace {

using namespace cenarios_teste;
using vespra_test::sameResults;

class CombsTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string chuvaA = escreveChuva(dir, "a.txt", 800);
    std::string chuvaB = escreveChuva(dir, "b.txt", 900, 37);
};

// ---- The combination table ------------------------------------------------------------------

TEST_F(CombsTest, EightSingleValuesGiveOneRow) {
    const TCombs c = combsDe(textosBase(chuvaA));
    ASSERT_EQ(c.numCombinacoes(), 1);
    EXPECT_EQ(c.matCombs[0], (intArray{0, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_EQ(c.matDadosPrec.size(), 1u);
    EXPECT_EQ(c.matDadosPrec[0], testsys::series(800));
}

TEST_F(CombsTest, FirstParameterChangesSlowestLastFastest) {
    auto t = textosBase(chuvaA);
    t[0] = "(" + chuvaA + " | 01/01/2012 | 2); (" + chuvaB + " | 01/01/2012 | 2)";
    t[7] = "(Fixo: 1000); (Fixo: 2000); (Fixo: 3000)";
    const TCombs c = combsDe(t);
    const intArrayArray esperado = {{0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 1},
                                    {0, 0, 0, 0, 0, 0, 0, 2}, {1, 0, 0, 0, 0, 0, 0, 0},
                                    {1, 0, 0, 0, 0, 0, 0, 1}, {1, 0, 0, 0, 0, 0, 0, 2}};
    EXPECT_EQ(c.matCombs, esperado);
}

TEST_F(CombsTest, TwoFilesTwoAreasTwoLowerReservoirs) {
    auto t = textosBase(chuvaA);
    t[0] = "(" + chuvaA + " | 01/01/2012 | 2); (" + chuvaB + " | 01/01/2012 | 2)";
    t[1] = "(100); (200)";
    t[7] = "(Fixo: 3000); (Intervalo de volumes: 10000; 500; 2)";
    const TCombs c = combsDe(t);
    ASSERT_EQ(c.numCombinacoes(), 8);
    EXPECT_EQ(c.matCombs[1], (intArray{0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(c.matCombs[2], (intArray{0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(c.matCombs[4], (intArray{1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(c.matCombs[7], (intArray{1, 1, 0, 0, 0, 0, 0, 1}));
}

TEST_F(CombsTest, EveryListCountsInTheTable) {
    TCombs c = combsDe(textosBase(chuvaA));
    c.vecDemPot = {{150}, {120}};
    c.vecNroMor = {{4}, {3}, {2}};
    c.vecPorcSubst = {40, 60};
    c.vecCoefAprov = {0.8, 0.9};
    c.vecResSup = {{0, 0}, {500, 0.5}};
    c.geraTabela();
    ASSERT_EQ(c.numCombinacoes(), 2 * 3 * 2 * 2 * 2);
    // Combination k = ((p3 × 3 + p4) × 2 + p5) × 2 + p6) × 2 + p7 with the others at 0.
    EXPECT_EQ(c.matCombs[1], (intArray{0, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(c.matCombs[2], (intArray{0, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(c.matCombs[4], (intArray{0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(c.matCombs[8], (intArray{0, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(c.matCombs[24], (intArray{0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(c.matCombs[47], (intArray{0, 0, 1, 2, 1, 1, 1, 0}));
}

// A batch over a block of a large study keeps no table: each combination's positions are worked
// out from its number, the same as the table's row, and its simulation is the same.
TEST_F(CombsTest, CountWithoutATableGivesTheTablesPositions) {
    auto t = textosBase(chuvaA);
    t[0] = "(" + chuvaA + " | 01/01/2012 | 2); (" + chuvaB + " | 01/01/2012 | 2)";
    t[1] = "(100); (200); (300)";
    t[4] = "(40); (60)";
    t[7] = "(Fixo: 3000); (Intervalo de volumes: 4000; 500; 1)";
    const TCombs tabela = combsDe(t);
    TCombs contagem = tabela;
    contagem.geraContagem();
    EXPECT_TRUE(contagem.matCombs.empty());
    ASSERT_EQ(contagem.numCombinacoes(), 24);
    for (std::int32_t k = 0; k < 24; ++k) {
        EXPECT_EQ(contagem.posicoes(k), tabela.matCombs[static_cast<std::size_t>(k)]) << k;
        const auto a = tabela.simulaComb(k), b = contagem.simulaComb(k);
        ASSERT_EQ(a->vecCaptAgua.size(), b->vecCaptAgua.size());
        EXPECT_TRUE(sameResults(a->base(), b->base())) << k;
    }
    EXPECT_THROW(contagem.simulaComb(24), ScenarioError);
    EXPECT_THROW(contagem.simulaComb(-1), ScenarioError);
    contagem.vecAreaCapt.clear();
    EXPECT_THROW(contagem.simulaComb(0), ScenarioError);
    contagem.vecAreaCapt = doubleArray(1001, 100);
    contagem.vecCoefAprov = doubleArray(1000, 0.8);
    EXPECT_THROW(contagem.geraContagem(), ScenarioError);
}

TEST_F(CombsTest, EmptyListOrTooManyCombinationsKeepTheOldTable) {
    TCombs c = combsDe(textosBase(chuvaA));
    c.vecCoefAprov.clear();
    try {
        c.geraCombs(kBR);
        FAIL();
    } catch (const ScenarioError& e) {
        EXPECT_STREQ(e.what(), "A lista \"Coeficientes de escoamento superficial\" não tem valores.");
    }
    EXPECT_EQ(c.numCombinacoes(), 1);

    c.vecCoefAprov = doubleArray(1000, 0.8);
    c.vecAreaCapt = doubleArray(1001, 100);
    try {
        c.geraCombs(kBR);
        FAIL();
    } catch (const ScenarioError& e) {
        EXPECT_STREQ(e.what(),
                     "As listas resultam em mais de 1000000 combinações: reduza o número de valores.");
    }
    EXPECT_EQ(c.numCombinacoes(), 1);
}

// ---- Precipitation files --------------------------------------------------------------------

TEST_F(CombsTest, FilesAreReadOncePerSet) {
    auto t = textosBase(chuvaA);
    t[0] = "(" + chuvaA + " | 01/01/2012 | 2); (" + chuvaB + " | 01/01/2012 | 2)";
    t[1] = "(100); (200); (300)";
    TCombs c = combsDe(t);
    ASSERT_EQ(c.matDadosPrec.size(), 2u);
    // With the files gone every combination still runs: their series were read with the table.
    std::filesystem::remove(chuvaA);
    std::filesystem::remove(chuvaB);
    for (std::int32_t k = 0; k < c.numCombinacoes(); ++k) EXPECT_NO_THROW(c.simulaCombIndiv(k));
}

TEST_F(CombsTest, MissingFileStopsTheTable) {
    auto t = textosBase(chuvaA);
    TCombs c = combsDe(t);
    c.vecArqPrec.push_back({dir.file("nao-existe.txt"), {}, 0});
    EXPECT_THROW(c.geraCombs(kBR), FileError);
    EXPECT_EQ(c.numCombinacoes(), 1);
    EXPECT_EQ(c.matDadosPrec.size(), 1u);
}

TEST_F(CombsTest, RelativePathIsFoundInTheBaseFolderAndKeptAsWritten) {
    TCombs c;
    PreencheListas(c, textosBase("a.txt"), kBR);
    c.strPastaBase = dir.file("");
    c.geraCombs(kBR);
    c.simulaCombIndiv(0);
    EXPECT_EQ(c.captAguaInterv->base().strArqPrec, "a.txt");
    EXPECT_EQ(c.matDadosPrec[0], testsys::series(800));
}

// ---- One combination as an ordinary simulation ----------------------------------------------

// The engine's own run of the household of textosBase at one volume.
TCaptAgua simulacaoDireta(double resInf) {
    TCaptAgua q(testsys::series(800), *TDate::fromYMD(2012, 1, 1), 2, 100, {150}, false, {4}, false, 0.5, 0.8,
                0, 0, resInf, nullptr);
    q.simula();
    return q;
}

TEST_F(CombsTest, FixedVolumeIsOneSimulation) {
    TCombs c = combsDe(textosBase(chuvaA));
    c.simulaCombIndiv(0);
    const TCaptAguaInterval& s = *c.captAguaInterv;
    EXPECT_EQ(s.interval, 0);
    EXPECT_EQ(s.volmax, 0);
    EXPECT_EQ(s.indVolOtimo, -1);
    ASSERT_EQ(s.vecCaptAgua.size(), 1u);
    EXPECT_EQ(s.base().dblResInf, 5000);
    EXPECT_EQ(s.base().strArqPrec, chuvaA);
    EXPECT_EQ(s.base().dblPorcSubs, 0.5);
    EXPECT_TRUE(sameResults(s.base(), simulacaoDireta(5000)));
}

TEST_F(CombsTest, RangeIsAVolumeSweep) {
    auto t = textosBase(chuvaA);
    t[7] = "(Intervalo de volumes: 5000; 1000; 0); (Intervalo de volumes: 10000; 1000; 2)";
    TCombs c = combsDe(t);
    c.simulaCombIndiv(0);
    const TCaptAguaInterval& semIdeal = *c.captAguaInterv;
    EXPECT_EQ(semIdeal.interval, 1000);
    EXPECT_EQ(semIdeal.indVolOtimo, -1);
    ASSERT_EQ(semIdeal.vecCaptAgua.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(semIdeal.vecCaptAgua[i]->dblResInf, 1000.0 * static_cast<double>(i));
        EXPECT_TRUE(sameResults(*semIdeal.vecCaptAgua[i], simulacaoDireta(1000.0 * static_cast<double>(i))));
    }

    c.simulaCombIndiv(1);
    auto ref = testsys::sweep(10000, 1000, 2);
    ref->simula();
    EXPECT_EQ(ref->indVolOtimo, 6);
    EXPECT_EQ(c.captAguaInterv->indVolOtimo, 6);
    ASSERT_EQ(c.captAguaInterv->vecCaptAgua.size(), 11u);
    EXPECT_TRUE(sameResults(*c.captAguaInterv->vecCaptAgua[6], *ref->vecCaptAgua[6]));
}

TEST_F(CombsTest, UpperReservoirSizedToTheDemand) {
    auto t = textosBase(chuvaA);
    t[4] = "(40)";
    t[6] = "(Demanda diária de água pluvial | 50%); (500 | 20%); (0 | 0%)";
    TCombs c = combsDe(t);
    c.simulaCombIndiv(0);
    EXPECT_EQ(c.captAguaInterv->base().dblResSup, 240);
    EXPECT_EQ(c.captAguaInterv->base().dblResSupMinRec, 120);
    c.simulaCombIndiv(1);
    EXPECT_EQ(c.captAguaInterv->base().dblResSup, 500);
    EXPECT_EQ(c.captAguaInterv->base().dblResSupMinRec, 100);
    c.simulaCombIndiv(2);
    EXPECT_EQ(c.captAguaInterv->base().dblResSup, 0);
    EXPECT_EQ(c.captAguaInterv->base().dblResSupMinRec, 0);
}

TEST_F(CombsTest, SizingMultipliesDemandBySubstitutionThenOccupants) {
    auto t = textosBase(chuvaA);
    t[3] = "(3)";
    t[4] = "(55)";
    t[6] = "(Demanda diária de água pluvial | 100%)";
    TCombs c = combsDe(t);
    c.simulaCombIndiv(0);
    const TCaptAgua& q = c.captAguaInterv->base();
    // (150 × 0.55) × 3 is 247.5; the main window's 3 × 150 × 0.55 rounds to 247.50000000000003.
    EXPECT_EQ(q.dblResSup, 247.5);
    EXPECT_NE(q.resSupFromDemand(), 247.5);
    EXPECT_EQ(q.dblResSupMinRec, 247.5);
}

TEST_F(CombsTest, SizedUpperReservoirInEverySweepMember) {
    auto t = textosBase(chuvaA);
    t[6] = "(Demanda diária de água pluvial | 50%)";
    t[7] = "(Intervalo de volumes: 3000; 1000; 0)";
    TCombs c = combsDe(t);
    c.simulaCombIndiv(0);
    for (const auto& m : c.captAguaInterv->vecCaptAgua) {
        EXPECT_EQ(m->dblResSup, 300);  // 150 L × 50 % × 4 people
        EXPECT_EQ(m->dblResSupMinRec, 150);
    }
}

// "(v1; v2; …)" of n values cycling through `valores`.
std::string listaDe(std::size_t n, std::initializer_list<const char*> valores) {
    std::string t = "(";
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0) t += "; ";
        t += valores.begin()[i % valores.size()];
    }
    return t + ")";
}

struct VetorCase {
    const char* name;
    std::string demanda;
    std::string moradores;
    bool demMensal;
    std::size_t demTamanho;  // the vectors the simulation is built with
    bool morMensal;
    std::size_t morTamanho;
};

class VetoresTable : public CombsTest, public ::testing::WithParamInterface<VetorCase> {};

TEST_P(VetoresTable, TwelveValuesAreMonthlyOtherLengthsADailyPattern) {
    const auto& v = GetParam();
    auto t = textosBase(chuvaA);
    t[2] = v.demanda;
    t[3] = v.moradores;
    TCombs c = combsDe(t);
    c.simulaCombIndiv(0);
    const TCaptAgua& q = c.captAguaInterv->base();
    EXPECT_EQ(q.boolDemAguaPotMensal, v.demMensal);
    EXPECT_EQ((v.demMensal ? q.vecDemAguaPotMensal : q.vecDemAguaPot).size(), v.demTamanho);
    EXPECT_EQ(q.boolNroMorMensal, v.morMensal);
    EXPECT_EQ((v.morMensal ? q.vecNroMorMensal : q.vecNroMor).size(), v.morTamanho);
    EXPECT_GT(q.dblEconPot, 0);
}

const std::string kMoradoresMensais = "(4; 4; 4; 4; 4; 4; 3; 3; 3; 3; 3; 3)";

INSTANTIATE_TEST_SUITE_P(
    Scenarios, VetoresTable,
    ::testing::Values(VetorCase{"constant", "(150)", "(4)", false, 1, false, 1},
                      VetorCase{"monthly",
                                "(4500; 4200; 4500; 4400; 4500; 4400; 4500; 4500; 4400; 4500; 4400; 4500)",
                                kMoradoresMensais, true, 12, true, 12},
                      VetorCase{"daily_pattern", "(150; 120; 90)", kMoradoresMensais, false, 3, true, 12},
                      // One past twelve is no month: a pattern of thirteen days, for demand and occupants.
                      VetorCase{"thirteen_days", listaDe(13, {"150", "120", "90"}), listaDe(13, {"4", "3"}),
                                false, 13, false, 13},
                      // A value for each day of a year, as a pattern and never as months.
                      VetorCase{"a_year_of_days", listaDe(365, {"150", "140", "130", "120"}),
                                listaDe(365, {"4", "3", "2"}), false, 365, false, 365}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CombsTest, SimulatingTwiceGivesTheSameResults) {
    auto t = textosBase(chuvaA);
    t[0] = "(" + chuvaA + " | 01/01/2012 | 2); (" + cenarios_teste::seattlePath() + " | 01/01/2012 | 1)";
    t[6] = "(Demanda diária de água pluvial | 50%)";
    t[7] = "(Intervalo de volumes: 4000; 500; 1)";
    TCombs c = combsDe(t);
    for (std::int32_t k = 0; k < c.numCombinacoes(); ++k) {
        c.simulaCombIndiv(k);
        const auto primeira = c.captAguaInterv;
        c.simulaCombIndiv(1 - k);
        c.simulaCombIndiv(k);
        ASSERT_NE(primeira, c.captAguaInterv);
        ASSERT_EQ(primeira->vecCaptAgua.size(), c.captAguaInterv->vecCaptAgua.size());
        EXPECT_EQ(primeira->indVolOtimo, c.captAguaInterv->indVolOtimo);
        for (std::size_t i = 0; i < primeira->vecCaptAgua.size(); ++i) {
            EXPECT_TRUE(sameResults(*primeira->vecCaptAgua[i], *c.captAguaInterv->vecCaptAgua[i]))
                << k << " " << i;
        }
    }
}

TEST_F(CombsTest, AWindowKeepsTheSimulationItWasHanded) {
    TCombs c = combsDe(textosBase(chuvaA));
    c.simulaCombIndiv(0);
    const std::shared_ptr<TCaptAguaInterval> naJanela = c.captAguaInterv;
    const double econ = naJanela->base().dblEconPot;
    c.simulaCombIndiv(0);
    c.captAguaInterv.reset();
    EXPECT_EQ(naJanela->base().dblEconPot, econ);
}

TEST_F(CombsTest, ACombinationOutsideTheTableOrListsIsRefused) {
    TCombs c = combsDe(textosBase(chuvaA));
    EXPECT_THROW(c.simulaCombIndiv(1), ScenarioError);
    EXPECT_THROW(c.simulaCombIndiv(-1), ScenarioError);
    // A list shortened after the table was built: refused, never read past its end.
    c.vecAreaCapt.clear();
    try {
        c.simulaCombIndiv(0);
        FAIL();
    } catch (const ScenarioError& e) {
        EXPECT_STREQ(e.what(), "A combinação usa um valor que não existe na lista \"Área de captação\".");
    }
}

TEST_F(CombsTest, AnEngineFailureStopsTheCombination) {
    auto t = textosBase(chuvaA);
    t[7] = "(Intervalo de volumes: 5000; -100; 0)";
    TCombs c = combsDe(t);
    EXPECT_THROW(c.simulaCombIndiv(0), EngineError);
}

// ---- The lists from the table's texts -------------------------------------------------------

TEST_F(CombsTest, ListsFromTheTexts) {
    auto t = textosBase(chuvaA);
    t[2] = "(150); (1; 2; 3; 4; 5; 6; 7; 8; 9; 10; 11; 12)";
    t[6] = "(Demanda diária de água pluvial | 20%); (500 | 50%)";
    TCombs c;
    PreencheListas(c, t, kBR);
    EXPECT_EQ(c.vecArqPrec, (dadosPrecRecordArray{{chuvaA, *TDate::fromYMD(2012, 1, 1), 2}}));
    EXPECT_EQ(c.vecAreaCapt, (doubleArray{100}));
    ASSERT_EQ(c.vecDemPot.size(), 2u);
    EXPECT_EQ(c.vecDemPot[1].size(), 12u);
    EXPECT_EQ(c.vecPorcSubst, (doubleArray{50}));
    EXPECT_EQ(c.vecCoefAprov, (doubleArray{0.8}));
    EXPECT_EQ(c.vecResSup, (resSupRecordArray{{-1, 0.2}, {500, 0.5}}));
    EXPECT_EQ(c.vecResInf, (resInfRecordArray{{5000, 0, 0}}));
}

// The values the main window would refuse as typed are named with their list and item; those
// in range, a reservoir of 0 L and a pumping threshold of exactly 90 % pass.
TEST_F(CombsTest, ValuesOutOfTheMainWindowsRangesAreNamed) {
    auto t = textosBase(chuvaA);
    t[4] = "(50); (0); (120)";
    t[5] = "(0,8); (1,5)";
    t[6] = "(0 | 95%); (500 | 90%); (500 | 95%); (Demanda diária de água pluvial | 100%); (300 | 120%)";
    TCombs c;
    PreencheListas(c, t, kBR);
    const std::string share =
        "O Percentual da demanda total a ser substituída por água pluvial deve ser maior que 0% e menor ou "
        "igual a 100%.";
    const std::string above90 =
        "O volume abaixo do qual há recalque não pode ser superior a 90% do volume do reservatório superior.";
    const std::string aboveVolume =
        "O volume abaixo do qual há recalque não pode ser superior ao volume do reservatório superior.";
    EXPECT_EQ(
        ValoresForaDosLimites(c),
        (std::vector<std::string>{
            "Percentuais de substituição, item 2: " + share,
            "Percentuais de substituição, item 3: " + share,
            "Coeficientes de escoamento superficial, item 2: O Coeficiente de escoamento superficial deve "
            "ser maior que 0 e menor ou igual a 1.",
            "Reservatórios superiores, item 3: " + above90,
            "Reservatórios superiores, item 4: " + above90,
            "Reservatórios superiores, item 5: " + aboveVolume,
        }));
    EXPECT_TRUE(ValoresForaDosLimites(TCombs{}).empty());
}

TEST_F(CombsTest, AWrongTextNamesTheRowAndChangesNoList) {
    TCombs c;
    PreencheListas(c, textosBase(chuvaA), kBR);
    auto t = textosBase(chuvaA);
    t[1] = "(100); (200)";
    t[5] = "(0,8); (um)";
    try {
        PreencheListas(c, t, kBR);
        FAIL();
    } catch (const ScenarioError& e) {
        EXPECT_STREQ(
            e.what(),
            "Coeficientes de escoamento superficial: Item 2 (\"; (um\"): \"um\" não é um número válido.");
    }
    EXPECT_EQ(c.vecAreaCapt, (doubleArray{100}));

    t = textosBase(chuvaA);
    t[3] = "";
    try {
        PreencheListas(c, t, kBR);
        FAIL();
    } catch (const ScenarioError& e) {
        EXPECT_STREQ(e.what(), "Números de moradores: a lista de valores está vazia.");
    }
    // One row replaced, as the list dialog's "Concluir" does.
    PreencheLista(c, kLinhaAreaCapt, "(120); (80)", kBR);
    EXPECT_EQ(c.vecAreaCapt, (doubleArray{120, 80}));
    EXPECT_THROW(PreencheLista(c, kLinhaAreaCapt, "(x)", kBR), ScenarioError);
    EXPECT_EQ(c.vecAreaCapt, (doubleArray{120, 80}));
}

TEST_F(CombsTest, WhenTheRunAndTheChartAreOffered) {
    auto t = textosBase(chuvaA);
    EXPECT_TRUE(PodeSimular(t));
    t[4].clear();
    EXPECT_FALSE(PodeSimular(t));
    EXPECT_FALSE(PodeSimular(TextosCenarios{}));

    t = textosBase(chuvaA);
    t[7] = "(Fixo: 3000); (Fixo: 5000)";
    EXPECT_FALSE(TemFaixaDeVolumes(combsDe(t)));
    t[7] = "(Fixo: 3000); (Intervalo de volumes: 5000; 1000; 0)";
    EXPECT_TRUE(TemFaixaDeVolumes(combsDe(t)));
}

}  // namespace
