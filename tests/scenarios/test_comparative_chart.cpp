// The comparative chart of a scenario run: the parameters offered, the combo items, the set of
// the chart, the curves' titles and points.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scenarios/comparative_chart.h"
#include "scenarios/scenario_errors.h"
#include "tests/scenarios/scenario_cases.h"
#include "tests/support/rows.h"

namespace {

using namespace cenarios_teste;
using Textos = std::vector<std::string>;

class GraficoTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string chuvaA = escreveChuva(dir, "a.txt", 800);
    std::string chuvaB = escreveChuva(dir, "b.txt", 900, 37);

    // The base household with a 10 000 L range whose ideal volume is 6000 L.
    TextosCenarios base() {
        auto t = textosBase(chuvaA);
        t[7] = "(Intervalo de volumes: 10000; 1000; 2)";
        return t;
    }

    // Every fixed parameter at its first value, the first range.
    static EscolhaGrafico escolha(int v) {
        EscolhaGrafico e;
        e.paramVariavel = v;
        for (int p = 0; p < 7; ++p) {
            if (p != v) e.selecionados[static_cast<std::size_t>(p)] = 0;
        }
        e.faixa = 0;
        return e;
    }

    static Textos titulos(const GraficoComparativo& g) {
        Textos r;
        for (const auto& c : g.curvas) r.push_back(c.titulo);
        return r;
    }
};

TEST_F(GraficoTest, AreasGiveOneLinePerArea) {
    auto t = base();
    t[1] = "(100); (200)";
    const TCombs c = combsDe(t);
    const auto vars = ParametrosVariaveis(c);
    ASSERT_EQ(vars.size(), 1u);
    EXPECT_EQ(vars[0].nome, "Área de captação");
    EXPECT_EQ(vars[0].param, 1);

    const auto g = GeraGraficoComparativo(c, escolha(1), kBR);
    EXPECT_EQ(titulos(g), (Textos{"Área de captação (100 m²)", "Área de captação (200 m²)"}));
    ASSERT_EQ(g.combs->numCombinacoes(), 2);
    EXPECT_EQ(g.combs->vecAreaCapt, (doubleArray{100, 200}));
    // The results window of the chart lists the same simulations, numbered from 1.
    ASSERT_EQ(g.linhas.size(), 2u);
    EXPECT_EQ(g.linhas[1].textos[0], "2");
    EXPECT_EQ(g.linhas[1].textos[3], "200");
    EXPECT_EQ(g.linhas[0].textos[9], "Vol ideal: 6000");
}

TEST_F(GraficoTest, PointsFollowTheSweepThenTheIdealVolume) {
    auto t = base();
    t[4] = "(40); (60)";
    TCombs c = combsDe(t);
    const auto g = GeraGraficoComparativo(c, escolha(4), kBR);
    EXPECT_EQ(titulos(g), (Textos{"Percentual de substituição (40%)", "Percentual de substituição (60%)"}));
    for (std::int32_t k = 0; k < 2; ++k) {
        const auto sim = g.combs->simulaComb(k);
        const auto& pontos = g.curvas[static_cast<std::size_t>(k)].pontos;
        ASSERT_EQ(pontos.size(), sim->vecCaptAgua.size() + (sim->indVolOtimo != -1 ? 1 : 0));
        for (std::size_t i = 0; i < sim->vecCaptAgua.size(); ++i) {
            EXPECT_EQ(pontos[i].dblResInf, 1000.0 * static_cast<double>(i));
            EXPECT_EQ(pontos[i].dblEconPot, sim->vecCaptAgua[i]->dblEconPot);
            EXPECT_FALSE(pontos[i].volumeIdeal);
        }
        if (sim->indVolOtimo != -1) {
            const auto& ideal = *sim->vecCaptAgua[static_cast<std::size_t>(sim->indVolOtimo)];
            EXPECT_TRUE(pontos.back().volumeIdeal);
            EXPECT_EQ(pontos.back().dblResInf, ideal.dblResInf);
            EXPECT_EQ(pontos.back().dblEconPot, ideal.dblEconPot);
        }
    }
    EXPECT_TRUE(g.curvas[0].pontos.back().volumeIdeal);
}

// Four January days of rain, 10 mm then dry, on 100 or 200 m² (coefficient 0,8: 800 or 1600 L)
// with no upper reservoir; 300 L/day of rainwater wanted out of 600 L/day (150 L × 4 × 50 %).
// 100 m², 500 L:  keeps 500, uses 300 + 200      = 500 L of 2400: 20,83 %
// 100 m², 1000 L: keeps 800, uses 300 + 300 + 200 = 800 L: 33,33 %
// 200 m², 1000 L: keeps 1000, uses 300 × 3 + 100  = 1000 L: 41,67 %
// Rain used per day of the year is litres × 31 ÷ 4 ÷ 365, so the gains over 500 L are
// 100 × 500 × 31 ÷ 4 ÷ 365 ÷ 300 ÷ 0,5 = 7,08 % per m³ and 100 × 300 × … = 4,25: only the 100 m²
// curve reaches a gain not above 5 (at 1000 L) and ends with its ideal point.
TEST_F(GraficoTest, PointsOfAHandWorkedRecord) {
    const std::string chuva = dir.write("curta.txt", "10\r\n0\r\n0\r\n0\r\n");
    auto t = textosBase(chuva);
    t[1] = "(100); (200)";
    t[7] = "(Intervalo de volumes: 1000; 500; 5)";
    const auto g = GeraGraficoComparativo(combsDe(t), escolha(1), kBR);
    ASSERT_EQ(g.curvas.size(), 2u);
    struct Ponto {
        double volume, economia;
        bool ideal;
    };
    const std::vector<std::vector<Ponto>> esperado = {
        {{0, 0, false}, {500, 500.0 / 24, false}, {1000, 800.0 / 24, false}, {1000, 800.0 / 24, true}},
        {{0, 0, false}, {500, 500.0 / 24, false}, {1000, 1000.0 / 24, false}},
    };
    for (std::size_t k = 0; k < 2; ++k) {
        const auto& pontos = g.curvas[k].pontos;
        ASSERT_EQ(pontos.size(), esperado[k].size()) << k;
        for (std::size_t i = 0; i < pontos.size(); ++i) {
            EXPECT_EQ(pontos[i].dblResInf, esperado[k][i].volume) << k << " " << i;
            EXPECT_NEAR(pontos[i].dblEconPot, esperado[k][i].economia, 1e-9) << k << " " << i;
            EXPECT_EQ(pontos[i].volumeIdeal, esperado[k][i].ideal) << k << " " << i;
        }
    }
}

TEST_F(GraficoTest, NoIdealPointWithDeltaZero) {
    auto t = base();
    t[5] = "(0,8); (0,9)";
    t[7] = "(Intervalo de volumes: 4000; 1000; 0)";
    const auto g = GeraGraficoComparativo(combsDe(t), escolha(5), kBR);
    EXPECT_EQ(titulos(g), (Textos{"Coeficiente de escoamento superficial (0,8)",
                                  "Coeficiente de escoamento superficial (0,9)"}));
    for (const auto& c : g.curvas) {
        ASSERT_EQ(c.pontos.size(), 5u);
        for (const auto& p : c.pontos) EXPECT_FALSE(p.volumeIdeal);
    }
}

TEST_F(GraficoTest, OnlyRangesAreOfferedAndTheChosenOneIsSimulated) {
    auto t = base();
    t[1] = "(100); (200)";
    t[7] = "(Fixo: 3000); (Intervalo de volumes: 5000; 1000; 0)";
    const TCombs c = combsDe(t);
    const auto faixas = ItensResInf(c, kBR);
    EXPECT_EQ(faixas.textos, (Textos{"Intervalo de volumes: 5000; 1000; 0"}));
    EXPECT_EQ(faixas.posicoes, (std::vector<std::size_t>{1}));
    EXPECT_FALSE(SelecionaPrimeiro(c, kParamResInf));  // two lower reservoirs in the list
    const auto g = GeraGraficoComparativo(c, escolha(1), kBR);
    EXPECT_EQ(g.combs->vecResInf, (resInfRecordArray{{5000, 1000, 0}}));
    EXPECT_EQ(g.curvas[0].pontos.size(), 6u);
}

TEST_F(GraficoTest, DemandVectorsTitleByValueOrAsVariable) {
    auto t = base();
    t[2] = "(150); (4500; 4200; 4500; 4400; 4500; 4400; 4500; 4500; 4400; 4500; 4400; 4500)";
    const auto g = GeraGraficoComparativo(combsDe(t), escolha(2), kBR);
    EXPECT_EQ(titulos(g),
              (Textos{"Demanda de água total (150 l per capita/dia)", "Demanda de água total (Variável 1)"}));
}

struct TituloCase {
    const char* name;
    int v;
    int linha;  // the table row that gets two values
    std::string texto;
    Textos titulos;
};

class TitulosTable : public GraficoTest, public ::testing::WithParamInterface<TituloCase> {};

TEST_P(TitulosTable, SeriesTitles) {
    const auto& tc = GetParam();
    auto t = base();
    std::string texto = tc.texto;
    for (const auto& [marca, caminho] : {std::pair{"{A}", chuvaA}, std::pair{"{B}", chuvaB}}) {
        if (const auto p = texto.find(marca); p != std::string::npos) texto.replace(p, 3, caminho);
    }
    t[static_cast<std::size_t>(tc.linha - 1)] = texto;
    const auto g = GeraGraficoComparativo(combsDe(t), escolha(tc.v), kBR);
    EXPECT_EQ(titulos(g), tc.titulos);
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, TitulosTable,
    ::testing::Values(TituloCase{"files",
                                 0,
                                 1,
                                 "({A} | 01/01/2012 | 2); ({B} | 01/01/2012 | 1,5)",
                                 {"Dados de precipitação (a.txt | 2 mm)",
                                  "Dados de precipitação (b.txt | 1,5 mm)"}},
                      TituloCase{"occupants",
                                 3,
                                 4,
                                 "(4); (2; 3); (2,5)",
                                 {"Número de moradores (4)", "Número de moradores (Variável 1)",
                                  "Número de moradores (2,5)"}},
                      TituloCase{"upper_reservoirs",
                                 6,
                                 7,
                                 "(Demanda diária de água pluvial | 50%); (500 | 20%); (0 | 0%)",
                                 {"Reservatório superior (300 l)", "Reservatório superior (500 l)",
                                  "Reservatório superior (0 l)"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GraficoTest, ComboItems) {
    auto t = base();
    t[0] = "(" + chuvaA + " | 01/01/2012 | 2); (" + chuvaB + " | 01/01/2012 | 0,5)";
    t[2] = "(150); (150; 120)";
    t[6] = "(Demanda diária de água pluvial | 50%); (500 | 20%); (0 | 0%)";
    t[7] = "(Intervalo de volumes: 10000; 1000; 2,5)";
    const TCombs c = combsDe(t);
    EXPECT_EQ(ItensCombo(c, 0, kBR), (Textos{"a.txt | 2 mm", "b.txt | 0,5 mm"}));
    EXPECT_EQ(ItensCombo(c, 1, kBR), (Textos{"100"}));
    EXPECT_EQ(ItensCombo(c, 2, kBR), (Textos{"150", "150; 120"}));
    EXPECT_EQ(ItensCombo(c, 5, kBR), (Textos{"0,8"}));
    EXPECT_EQ(ItensCombo(c, 6, kBR), (Textos{"Demanda diária de água pluvial | 50%", "500 | 20%", "0 | 0%"}));
    EXPECT_EQ(ItensCombo(c, 7, kBR), (Textos{"Intervalo de volumes: 10000; 1000; 2,5"}));
    EXPECT_TRUE(SelecionaPrimeiro(c, 1));
    EXPECT_FALSE(SelecionaPrimeiro(c, 0));
    EXPECT_TRUE(SelecionaPrimeiro(c, kParamResInf));
    const auto vars = ParametrosVariaveis(c);
    ASSERT_EQ(vars.size(), 3u);
    EXPECT_EQ(vars[0].nome, "Dados de precipitação");
    EXPECT_EQ(vars[1].nome, "Demanda de água potável");
    EXPECT_EQ(vars[2].nome, "Reservatório superior");
    EXPECT_STREQ(RotuloComboFixo(5), "Coeficiente de aproveitamento");
}

TEST_F(GraficoTest, NothingVariesNothingToCompare) {
    const TCombs c = combsDe(base());
    EXPECT_TRUE(ParametrosVariaveis(c).empty());
    EXPECT_STREQ(kSemVariaveis,
                 "Não há variáveis com mais de um valor. Não é possível gerar gráfico comparativo.");
}

TEST_F(GraficoTest, OkIsRefusedUntilEveryChoiceIsMade) {
    auto t = base();
    t[1] = "(100); (200)";
    t[4] = "(40); (60)";
    t[7] = "(Fixo: 3000)";
    const TCombs semFaixa = combsDe(t);
    EXPECT_EQ(EscolhaIncompleta(semFaixa, escolha(1)),
              "Escolha um intervalo de volumes do reservatório inferior.");

    t[7] = "(Intervalo de volumes: 4000; 1000; 0)";
    const TCombs c = combsDe(t);
    EXPECT_EQ(EscolhaIncompleta(c, EscolhaGrafico{}), "Escolha o parâmetro variável.");
    auto e = escolha(1);
    e.selecionados[4].reset();
    EXPECT_EQ(EscolhaIncompleta(c, e), "Escolha um valor de \"Percentual de substituição\".");
    e.selecionados[4] = 2;  // past the end of the list
    EXPECT_EQ(EscolhaIncompleta(c, e), "Escolha um valor de \"Percentual de substituição\".");
    try {
        GeraGraficoComparativo(c, e, kBR);
        FAIL();
    } catch (const ScenarioError& erro) {
        EXPECT_STREQ(erro.what(), "Escolha um valor de \"Percentual de substituição\".");
    }
    e.selecionados[4] = 1;
    EXPECT_EQ(EscolhaIncompleta(c, e), "");
    const auto g = GeraGraficoComparativo(c, e, kBR);
    EXPECT_EQ(g.combs->vecPorcSubst, (doubleArray{60}));
}

TEST_F(GraficoTest, TheChartReadsNoFileAgain) {
    auto t = base();
    t[0] = "(" + chuvaA + " | 01/01/2012 | 2); (" + chuvaB + " | 01/01/2012 | 2)";
    const TCombs c = combsDe(t);
    std::filesystem::remove(chuvaA);
    std::filesystem::remove(chuvaB);
    const auto g = GeraGraficoComparativo(c, escolha(0), kBR);
    EXPECT_EQ(g.curvas.size(), 2u);
    // The set stays with the second results window: its rows can be simulated again.
    EXPECT_NO_THROW(g.combs->simulaCombIndiv(1));
}

}  // namespace
