// The rows of the scenario results grid, the sheet and the simulation file of each combination.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/textfile.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/engine_error.h"
#include "scenarios/result_rows.h"
#include "scenarios/scenario_errors.h"
#include "tests/scenarios/scenario_cases.h"
#include "tests/support/compare.h"
#include "tests/support/rows.h"

namespace {

using namespace cenarios_teste;
using vespra_test::sameResults;

std::string economia(double v) {
    return formatNumber(v, 4, 2, kBR);
}

class ResultadosTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string chuvaA = escreveChuva(dir, "a.txt", 800);

    std::vector<LinhaResultado> roda(const TextosCenarios& t, const LocaleSettings& loc = kBR) {
        TCombs c;
        PreencheListas(c, t, loc);
        c.geraCombs(loc);
        std::vector<LinhaResultado> linhas;
        SimulaCenarios(c, loc, linhas);
        return linhas;
    }
};

TEST_F(ResultadosTest, OneValuePerRowPrintsOneRowNumberedOne) {
    const auto linhas = roda(textosBase(chuvaA));
    ASSERT_EQ(linhas.size(), 1u);
    TCaptAgua q(testsys::series(800), *TDate::fromYMD(2012, 1, 1), 2, 100, {150}, false, {4}, false, 0.5, 0.8,
                0, 0, 5000, nullptr);
    q.simula();
    const std::array<std::string, 11> esperado = {
        "1", "a.txt", "2", "100", "150", "4", "50", "0,8", "0 | 0%", "Fixo: 5000", economia(q.dblEconPot)};
    EXPECT_EQ(linhas[0].textos, esperado);
    EXPECT_EQ(linhas[0].numero, 1);
    EXPECT_TRUE(linhas[0].volumeFixo);
    EXPECT_EQ(linhas[0].dblResInf, 5000);
    EXPECT_EQ(linhas[0].dblEconPot, q.dblEconPot);
}

// One row's texts for one changed parameter of the base household.
struct GradeCase {
    const char* name;
    std::vector<std::pair<int, std::string>> textos;   // row of the table (1 to 8) and its text
    std::vector<std::pair<int, std::string>> celulas;  // column and expected text
};

class GradeTable : public ResultadosTest, public ::testing::WithParamInterface<GradeCase> {};

TEST_P(GradeTable, CellTexts) {
    auto t = textosBase(chuvaA);
    for (auto [linha, texto] : GetParam().textos) {
        if (const auto a = texto.find("{A}"); a != std::string::npos) texto.replace(a, 3, chuvaA);
        t[static_cast<std::size_t>(linha - 1)] = texto;
    }
    const auto linhas = roda(t);
    ASSERT_EQ(linhas.size(), 1u);
    for (const auto& [coluna, texto] : GetParam().celulas) {
        EXPECT_EQ(linhas[0].textos[static_cast<std::size_t>(coluna)], texto) << "column " << coluna;
    }
}

const std::string kMensal = "(4500; 4200; 4500; 4400; 4500; 4400; 4500; 4500; 4400; 4500; 4400; 4500)";

INSTANTIATE_TEST_SUITE_P(
    Scenarios, GradeTable,
    ::testing::Values(
        GradeCase{"no_upper_reservoir", {{7, "(0 | 0%)"}}, {{8, "0 | 0%"}}},
        GradeCase{"upper_500_at_50", {{7, "(500 | 50%)"}}, {{8, "500 | 50%"}}},
        GradeCase{"upper_sized_to_demand",
                  {{5, "(40)"}, {7, "(Demanda diária de água pluvial | 20%)"}},
                  {{6, "40"}, {8, "240 | 20%"}}},
        GradeCase{"range_without_ideal",
                  {{8, "(Intervalo de volumes: 5000; 1000; 0)"}},
                  {{9, "Vol ideal: não encontrado"}, {10, "0"}}},
        GradeCase{"range_ideal_not_reached",
                  {{8, "(Intervalo de volumes: 5000; 1000; 2)"}},
                  {{9, "Vol ideal: não encontrado"}, {10, "0"}}},
        GradeCase{"range_with_ideal",
                  {{8, "(Intervalo de volumes: 10000; 1000; 2)"}},
                  {{9, "Vol ideal: 6000"}, {10, "49,78"}}},
        GradeCase{"monthly_demand", {{3, kMensal}}, {{4, "Variável"}, {5, "4"}}},
        GradeCase{"daily_pattern", {{3, "(150; 120)"}, {4, "(4; 3)"}}, {{4, "Variável"}, {5, "Variável"}}},
        GradeCase{"decimals",
                  {{1, "({A} | 01/01/2012 | 2,5)"}, {2, "(100,5)"}, {6, "(0,85)"}},
                  {{1, "a.txt"}, {2, "2,5"}, {3, "100,5"}, {7, "0,85"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultadosTest, PointLocaleTexts) {
    auto t = textosBase(chuvaA);
    t[0] = "(" + chuvaA + " | 01/01/2012 | 2.5)";
    t[5] = "(0.8)";
    t[6] = "(500 | 12.5%)";
    const auto linhas = roda(t, LocaleSettings::enUS());
    EXPECT_EQ(linhas[0].textos[2], "2.5");
    EXPECT_EQ(linhas[0].textos[7], "0.8");
    EXPECT_EQ(linhas[0].textos[8], "500 | 12.5%");
    EXPECT_NE(linhas[0].textos[10].find('.'), std::string::npos);
}

TEST(ResultadosCenarios, FileNameWithoutFolder) {
    EXPECT_EQ(NomeSemPasta("C:\\dados\\chuva.csv"), "chuva.csv");
    EXPECT_EQ(NomeSemPasta("/dados/2012/chuva.txt"), "chuva.txt");
    EXPECT_EQ(NomeSemPasta("chuva.txt"), "chuva.txt");
}

TEST_F(ResultadosTest, RowOfTheLastSimulation) {
    TCombs c;
    PreencheListas(c, textosBase(chuvaA), kBR);
    c.geraCombs(kBR);
    EXPECT_THROW(printResultGrid(c, 0, kBR), ScenarioError);
    c.simulaCombIndiv(0);
    EXPECT_EQ(printResultGrid(c, 0, kBR).textos, roda(textosBase(chuvaA))[0].textos);
}

// ---- The sheet ------------------------------------------------------------------------------

const char* const kCabecalho =
    "Simulação;Dados de precipitação;Descarte precipitação;Área de captação;Demanda de água potável;"
    "Número de habitantes;Percentual de substituição;Coeficiente de escoamento superficial;"
    "Reservatório superior;Reservatório inferior;Potencial de economia de água potável;";

TEST(PlanilhaCenarios, HeaderAndRowLines) {
    LinhaResultado l;
    l.textos = {"3", "chuva.csv", "2", "100", "150", "4", "40", "0,8", "0 | 0%", "Vol ideal: 5000", "45,68"};
    const auto linhas = LinhasPlanilha({l});
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[0], kCabecalho);
    EXPECT_EQ(linhas[1], "3;chuva.csv;2;100;150;4;40;0,8;0 | 0%;Vol ideal: 5000;45,68");
}

// A precipitation file's name is the only text of a row the user chose: one that a
// spreadsheet would run as a formula is written as text. Numbers, negative ones included, stay.
TEST(PlanilhaCenarios, FileNamesThatLookLikeFormulasAreWrittenAsText) {
    LinhaResultado l;
    l.textos = {"3",      "=1+1.txt",        "-2",   "100", "Variável", "4", "40", "0,8",
                "0 | 0%", "Vol ideal: 5000", "45,68"};
    LinhaResultado m = l;
    m.textos[1] = "@chuva.csv";
    LinhaResultado n = l;
    n.textos[1] = "-chuva.csv";
    const auto linhas = LinhasPlanilha({l, m, n});
    ASSERT_EQ(linhas.size(), 4u);
    EXPECT_EQ(linhas[0], kCabecalho);
    EXPECT_EQ(linhas[1], "3;'=1+1.txt;-2;100;Variável;4;40;0,8;0 | 0%;Vol ideal: 5000;45,68");
    EXPECT_EQ(linhas[2], "3;'@chuva.csv;-2;100;Variável;4;40;0,8;0 | 0%;Vol ideal: 5000;45,68");
    EXPECT_EQ(linhas[3], "3;'-chuva.csv;-2;100;Variável;4;40;0,8;0 | 0%;Vol ideal: 5000;45,68");
}

TEST(PlanilhaCenarios, FileBytesAreWindows1252WithCrLf) {
    TempDir dir;
    LinhaResultado l;
    l.textos = {"3", "chuva.csv", "2", "100", "150", "4", "40", "0,8", "0 | 0%", "Vol ideal: 5000", "45,68"};
    const std::string path = dir.file("Planilha.csv");
    dir.write("Planilha.csv", "antigo");
    SalvarPlanilha(path, {l});
    EXPECT_EQ(TempDir::read(path), utf8ToCp1252(kCabecalho) + "\r\n" +
                                       "3;chuva.csv;2;100;150;4;40;0,8;0 | 0%;Vol ideal: 5000;45,68\r\n");
    EXPECT_EQ(TempDir::read(path).substr(0, 11), "Simula\xE7\xE3o;D");
    EXPECT_THROW(SalvarPlanilha(dir.file("nao/existe/Planilha.csv"), {l}), FileError);
}

// ---- Run and exports ------------------------------------------------------------------------

// The bytes of every file an export writes, by name ("<pasta>" for a folder).
std::map<std::string, std::string> arquivosDe(const std::string& pasta) {
    std::map<std::string, std::string> r;
    for (const auto& f : std::filesystem::directory_iterator(pasta)) {
        r[f.path().filename().string()] = f.is_directory() ? "<pasta>" : TempDir::read(f.path().string());
    }
    return r;
}

class ExportacaoTest : public ResultadosTest {
  protected:
    // 2 files × 2 areas × 2 lower reservoirs = 8 combinations; a monthly occupants vector and
    // an upper reservoir sized to the demand, so every kind of input line is written.
    TCombs oito() {
        auto t = textosBase(chuvaA);
        t[0] = "(" + chuvaA + " | 01/01/2012 | 2); (" + seattlePath() + " | 01/01/2012 | 1)";
        t[1] = "(100); (200)";
        t[3] = "(4; 4; 4; 4; 4; 4; 3; 3; 3; 3; 3; 3)";
        t[6] = "(Demanda diária de água pluvial | 50%)";
        t[7] = "(Fixo: 3000); (Intervalo de volumes: 10000; 500; 2)";
        TCombs c;
        PreencheListas(c, t, kBR);
        c.geraCombs(kBR);
        return c;
    }
};

TEST_F(ExportacaoTest, EightCombinationsGiveEightFilesAndANineLineSheet) {
    const TCombs c = oito();
    ASSERT_EQ(c.numCombinacoes(), 8);
    const std::string pasta = dir.file("export");
    std::filesystem::create_directory(pasta);
    std::vector<std::int32_t> avisos;
    ExportaPlanilhaESimulacoes(c, pasta, kBR, [&](std::int32_t feitas, std::int32_t total) {
        EXPECT_EQ(total, 8);
        avisos.push_back(feitas);
        return true;
    });
    EXPECT_EQ(avisos, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8}));

    std::vector<LinhaResultado> doRun;
    SimulaCenarios(c, kBR, doRun);
    const auto planilha = readTextLines(pasta + "/Planilha.csv");
    EXPECT_EQ(planilha, LinhasPlanilha(doRun));
    ASSERT_EQ(planilha.size(), 9u);
    const std::string bytes = TempDir::read(pasta + "/Planilha.csv");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    for (std::int32_t k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        const std::string arquivo = pasta + "/" + std::to_string(k + 1) + ".csv";
        ASSERT_TRUE(std::filesystem::exists(arquivo));
        const std::string bytes1 = TempDir::read(arquivo);
        EXPECT_EQ(bytes1.rfind("Arquivo dados de precipita\xE7\xE3o;", 0), 0u);
        EXPECT_EQ(std::count(bytes1.begin(), bytes1.end(), '\n'),
                  std::count(bytes1.begin(), bytes1.end(), '\r'));
        const auto linhas = readTextLines(arquivo);
        EXPECT_EQ(linhas[0], "Arquivo dados de precipitação;" +
                                 c.vecArqPrec[static_cast<std::size_t>(k / 4)].strDadosPrec);
        EXPECT_EQ(std::count(linhas.begin(), linhas.end(), "ANÁLISE ECONÔMICA"), 0);

        // Opened as the main window opens it and run again, it gives the combination's results.
        TCaptAguaInterval aberto;
        aberto.loadSim(arquivo, kBR);
        if (aberto.isSweep()) {
            aberto.simula();
        } else {
            aberto.base().simula();
        }
        const auto original = c.simulaComb(k);
        ASSERT_EQ(aberto.vecCaptAgua.size(), original->vecCaptAgua.size());
        if (aberto.isSweep()) {
            EXPECT_EQ(aberto.indVolOtimo, original->indVolOtimo);
        }
        for (std::size_t i = 0; i < original->vecCaptAgua.size(); ++i) {
            EXPECT_TRUE(sameResults(*aberto.vecCaptAgua[i], *original->vecCaptAgua[i])) << "member " << i;
        }
        EXPECT_EQ(LinhaDaSimulacao(aberto, k, kBR).textos[10], doRun[static_cast<std::size_t>(k)].textos[10]);
    }
}

// An export is whole or not there: a file that cannot be written (a folder under the name of
// the third) stops it with nothing replaced, the files of an earlier export as they were, and
// no temporary file or folder left.
TEST_F(ExportacaoTest, AFileThatCannotBeWrittenLeavesTheFolderAsItWas) {
    const TCombs c = oito();
    const std::string pasta = dir.file("export");
    std::filesystem::create_directories(pasta + "/3.csv");  // a folder where 3.csv should go
    dir.write("export/1.csv", "antigo 1\r\n");
    dir.write("export/Planilha.csv", "antiga\r\n");
    const auto antes = arquivosDe(pasta);
    for (int tarefas : {1, 3}) {
        SCOPED_TRACE(tarefas);
        try {
            ExportaPlanilhaESimulacoes(c, pasta, kBR, {}, tarefas);
            ADD_FAILURE() << "no error";
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Não foi possível gravar o arquivo \"" + pasta + "/3.csv\": é uma pasta.");
        }
        EXPECT_EQ(arquivosDe(pasta), antes);
    }
    EXPECT_THROW(ExportaPlanilhaESimulacoes(c, dir.file("nao-existe"), kBR), FileError);
}

TEST_F(ExportacaoTest, RunReportsProgressAndCanStop) {
    const TCombs c = oito();
    std::vector<LinhaResultado> linhas;
    SimulaCenarios(c, kBR, linhas, [](std::int32_t feitas, std::int32_t) { return feitas < 3; });
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_EQ(linhas[2].numero, 3);
    EXPECT_EQ(linhas[1].textos[9].rfind("Vol ideal: ", 0), 0u);
    EXPECT_EQ(linhas[0].textos[9], "Fixo: 3000");
}

TEST_F(ExportacaoTest, AFailingCombinationKeepsTheRowsBeforeIt) {
    TCombs c = oito();
    c.vecResInf[1].interv = -500;  // the sweep refuses a negative step
    std::vector<LinhaResultado> linhas;
    EXPECT_THROW(SimulaCenarios(c, kBR, linhas), EngineError);
    EXPECT_EQ(linhas.size(), 1u);
}

TEST_F(ExportacaoTest, SeveralTasksWriteTheSameBytes) {
    const TCombs c = oito();
    std::map<std::string, std::string> primeiro;
    for (int tarefas : {1, 2, 3, 8}) {
        SCOPED_TRACE(tarefas);
        const std::string pasta = dir.file("t" + std::to_string(tarefas));
        std::filesystem::create_directory(pasta);
        std::int32_t ultima = 0;
        ExportaPlanilhaESimulacoes(
            c, pasta, kBR,
            [&](std::int32_t feitas, std::int32_t) {
                ultima = std::max(ultima, feitas);
                return true;
            },
            tarefas);
        EXPECT_EQ(ultima, 8);
        const auto arquivos = arquivosDe(pasta);
        EXPECT_EQ(arquivos.size(), 9u);
        if (primeiro.empty()) {
            primeiro = arquivos;
        } else {
            EXPECT_TRUE(arquivos == primeiro);
        }
        std::vector<LinhaResultado> linhas;
        SimulaCenarios(c, kBR, linhas, {}, tarefas);
        EXPECT_EQ(LinhasPlanilha(linhas), readTextLines(pasta + "/Planilha.csv"));
    }
}

TEST_F(ExportacaoTest, SeveralTasksReportTheFirstFailure) {
    TCombs c = oito();
    c.vecResInf[1].interv = -500;  // combinations 2, 4, 6 and 8 fail
    c.vecAreaCapt[1] = 150;
    std::vector<LinhaResultado> linhas;
    EXPECT_THROW(SimulaCenarios(c, kBR, linhas, {}, 3), EngineError);
    EXPECT_EQ(linhas.size(), 1u);
    const std::string pasta = dir.file("falha");
    std::filesystem::create_directory(pasta);
    // The export names the combination that stopped it, as the run in the window does.
    try {
        ExportaPlanilhaESimulacoes(c, pasta, kBR, {}, 3);
        ADD_FAILURE() << "no error";
    } catch (const ScenarioError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("A simulação de cenários parou na simulação 2: ", 0), 0u)
            << e.what();
    }
    EXPECT_TRUE(std::filesystem::is_empty(pasta));  // the combination before it is not written either
}

// After a run that stopped at combination k, the export writes the k combinations that ran and
// their sheet, and says how many files it wrote.
TEST_F(ExportacaoTest, TheCombinationsThatRanOnly) {
    TCombs c = oito();
    c.vecResInf[1].interv = -500;  // combination 2 fails
    const std::string pasta = dir.file("primeira");
    std::filesystem::create_directory(pasta);
    EXPECT_EQ(ExportaPlanilhaESimulacoes(c, pasta, kBR, {}, 1, 1), 2);
    EXPECT_TRUE(std::filesystem::exists(pasta + "/1.csv"));
    EXPECT_FALSE(std::filesystem::exists(pasta + "/2.csv"));
    EXPECT_EQ(readTextLines(pasta + "/Planilha.csv").size(), 2u);
    const std::string todas = dir.file("todas");
    std::filesystem::create_directory(todas);
    EXPECT_EQ(ExportaPlanilhaESimulacoes(oito(), todas, kBR, {}, 2), 9);
}

TEST_F(ExportacaoTest, AStoppedExportWritesNoSheet) {
    const TCombs c = oito();
    const std::string pasta = dir.file("parada");
    std::filesystem::create_directory(pasta);
    ExportaPlanilhaESimulacoes(c, pasta, kBR, [](std::int32_t feitas, std::int32_t) { return feitas < 2; });
    EXPECT_EQ(arquivosDe(pasta).size(), 2u);
}

}  // namespace
