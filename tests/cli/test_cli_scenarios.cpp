// vespra-cli scenarios: a definition file run headless writes what "Exportar planilha e
// simulações" writes, the same bytes on any number of threads; bad input is one line on stderr.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli/cli_app.h"
#include "common/textfile.h"
#include "scenarios/result_rows.h"
#include "scenarios/scenario_definition.h"
#include "tests/support/cli_run.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

using testcli::cli;
using testcli::CliRun;

std::string example(const std::string& name) {
    return std::string(VESPRA_SOURCE_DIR) + "/examples/" + name;
}

std::vector<std::string> nomesNaPasta(const std::string& pasta) {
    std::vector<std::string> nomes;
    for (const auto& e : fs::directory_iterator(pasta)) nomes.push_back(e.path().filename().string());
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

std::vector<std::string> nomesEsperados(int n) {
    std::vector<std::string> nomes{"Planilha.csv"};
    for (int k = 1; k <= n; ++k) nomes.push_back(std::to_string(k) + ".csv");
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

// The bundled example sets (16 combinations on the Seattle record: fixed volumes and sweeps,
// with and without an upper reservoir), in both locales: every file and a 17-line sheet, the
// bytes the export itself writes, and the same bytes on one thread and on two.
TEST(CliScenarios, ExampleSetWritesWhatTheExportWrites) {
    for (auto [def, locale] :
         {std::pair{"cenarios-seattle.txt", "pt_BR"}, std::pair{"en_US/cenarios-seattle.txt", "en_US"}}) {
        SCOPED_TRACE(def);
        TempDir dir;
        const LocaleSettings loc = LocaleSettings::fromName(locale);
        TCombs ref = CombsDaDefinicao(LeDefinicaoCenarios(example(def), loc), loc);
        ref.geraCombs(loc);
        fs::create_directories(dir.file("export"));
        ExportaPlanilhaESimulacoes(ref, dir.file("export"), loc);

        const CliRun um =
            cli({"scenarios", example(def), "--out", dir.file("um"), "--locale", locale, "--jobs", "1"});
        ASSERT_EQ(um.status, 0) << um.err;
        const CliRun dois = cli({"scenarios", example(def), "--out=" + dir.file("dois"),
                                 "--locale=" + std::string(locale), "--jobs=2"});
        ASSERT_EQ(dois.status, 0) << dois.err;
        EXPECT_TRUE(um.out.empty());

        const auto nomes = nomesNaPasta(dir.file("um"));
        ASSERT_EQ(nomes, nomesEsperados(16));
        EXPECT_EQ(nomesNaPasta(dir.file("dois")), nomes);
        for (const auto& nome : nomes) {
            const std::string bytes = TempDir::read(dir.file("um/" + nome));
            EXPECT_EQ(bytes, TempDir::read(dir.file("export/" + nome))) << nome;
            EXPECT_EQ(bytes, TempDir::read(dir.file("dois/" + nome))) << nome;
        }
        const auto planilha = readTextLines(dir.file("um/Planilha.csv"));
        ASSERT_EQ(planilha.size(), 17u);
        EXPECT_EQ(planilha[0].rfind("Simulação;Dados de precipitação;", 0), 0u) << planilha[0];
        EXPECT_EQ(planilha[1].rfind("1;seattle-2012-2015.txt;2;100;150;4;50;", 0), 0u) << planilha[1];
        // One progress line per combination; the last says all are done.
        EXPECT_EQ(std::count(um.err.begin(), um.err.end(), '\n'), 16) << um.err;
        EXPECT_NE(um.err.find("vespra-cli: combinação 16 de 16\n"), std::string::npos) << um.err;
    }
}

// A definition whose precipitation file is named relative to it is found beside it, wherever
// the command is run from, and the sheet names the file as written.
TEST(CliScenarios, RelativePrecipitationFileBesideTheDefinition) {
    TempDir dir;
    fs::create_directories(dir.file("estudo"));
    fs::copy_file(example("seattle-2012-2015.txt"), dir.file("estudo/chuva.txt"));
    writeTextLines(dir.file("estudo/def.txt"), {"(chuva.txt | 01/01/2012 | 2)", "(100)", "(150)", "(4)",
                                                "(50)", "(0,8)", "(0 | 0%)", "(Fixo: 3000); (Fixo: 5000)"});
    const CliRun r =
        cli({"scenarios", dir.file("estudo/def.txt"), "--out", dir.file("saida"), "--locale", "pt_BR"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(nomesNaPasta(dir.file("saida")), nomesEsperados(2));
    const auto planilha = readTextLines(dir.file("saida/Planilha.csv"));
    ASSERT_EQ(planilha.size(), 3u);
    EXPECT_EQ(planilha[2].rfind("2;chuva.txt;2;100;150;4;50;0,8;0 | 0%;Fixo: 5000;", 0), 0u) << planilha[2];
}

// A list value the main window would refuse as typed runs as written, after a warning line
// naming its list and item.
TEST(CliScenarios, OutOfRangeValuesRunWithAWarning) {
    TempDir dir;
    fs::copy_file(example("seattle-2012-2015.txt"), dir.file("chuva.txt"));
    writeTextLines(dir.file("def.txt"), {"(chuva.txt | 01/01/2012 | 2)", "(100)", "(150)", "(4)", "(50)",
                                         "(0,8)", "(500 | 95%)", "(Fixo: 3000)"});
    const CliRun r = cli({"scenarios", dir.file("def.txt"), "--out", dir.file("saida"), "--locale", "pt_BR"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.rfind("vespra-cli: aviso: Reservatórios superiores, item 1: O volume abaixo do qual há "
                          "recalque não pode ser superior a 90% do volume do reservatório superior.\n"
                          "vespra-cli: combinação 1 de 1\n",
                          0),
              0u)
        << r.err;
    EXPECT_EQ(nomesNaPasta(dir.file("saida")), nomesEsperados(1));
}

// A range written with a step of 0 runs as the fixed volume its list form means, after a
// warning naming the item.
TEST(CliScenarios, RangeWithAStepOfZeroRunsAsAFixedVolumeWithAWarning) {
    TempDir dir;
    fs::copy_file(example("seattle-2012-2015.txt"), dir.file("chuva.txt"));
    writeTextLines(dir.file("def.txt"),
                   {"(chuva.txt | 01/01/2012 | 2)", "(100)", "(150)", "(4)", "(50)", "(0,8)", "(0 | 0%)",
                    "(Fixo: 3000); (Intervalo de volumes: 20000; 0; 2)"});
    const CliRun r = cli({"scenarios", dir.file("def.txt"), "--out", dir.file("saida"), "--locale", "pt_BR"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        r.err.rfind("vespra-cli: aviso: Reservatórios inferiores, item 2: o intervalo entre volumes é 0", 0),
        0u)
        << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 3) << r.err;  // the warning, two progress lines
    const auto planilha = readTextLines(dir.file("saida/Planilha.csv"));
    ASSERT_EQ(planilha.size(), 3u);
    EXPECT_NE(planilha[2].find(";Fixo: 20000;"), std::string::npos) << planilha[2];
}

// A combination that cannot be simulated stops the run with a message naming it, as the
// scenario window names it, on one thread or several.
TEST(CliScenarios, RunStoppedByACombinationNamesIt) {
    TempDir dir;
    fs::copy_file(example("seattle-2012-2015.txt"), dir.file("chuva.txt"));
    writeTextLines(dir.file("def.txt"),
                   {"(chuva.txt | 01/01/2012 | 2)", "(100)", "(150)", "(4)", "(50)", "(0,8)", "(0 | 0%)",
                    "(Fixo: 3000); (Intervalo de volumes: 900000000; 1; 0); (Fixo: 4000)"});
    for (const char* jobs : {"1", "2"}) {
        SCOPED_TRACE(jobs);
        const CliRun r = cli({"scenarios", dir.file("def.txt"), "--out",
                              dir.file(std::string("saida") + jobs), "--locale", "pt_BR", "--jobs", jobs});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("vespra-cli: A simulação de cenários parou na simulação 2: "), std::string::npos)
            << r.err;
        EXPECT_FALSE(fs::exists(dir.file(std::string("saida") + jobs + "/Planilha.csv")));
    }
}

// Bad input: one line on stderr naming what is wrong, a non-zero status, and no output folder
// made.
TEST(CliScenarios, FailuresAreOneLineOnStderr) {
    TempDir dir;
    const std::string chuva = example("seattle-2012-2015.txt");
    const std::vector<std::string> boas = {"(" + chuva + " | 01/01/2012 | 2)",
                                           "(100)",
                                           "(150)",
                                           "(4)",
                                           "(50)",
                                           "(0,8)",
                                           "(0 | 0%)",
                                           "(Fixo: 3000)"};
    auto com = [&](std::size_t linha, const std::string& texto) {
        auto l = boas;
        l[linha] = texto;
        return l;
    };
    writeTextLines(dir.file("boa.txt"), boas);
    writeTextLines(dir.file("item.txt"), com(4, "(50); (abc)"));
    writeTextLines(dir.file("vazia.txt"), com(2, ""));
    writeTextLines(dir.file("sete.txt"), {boas.begin(), boas.end() - 1});
    writeTextLines(dir.file("sem-chuva.txt"),
                   com(0, "(" + dir.file("nao-ha-chuva.txt") + " | 01/01/2012 | 2)"));
    const std::string arquivo = dir.write("arquivo", "x");
    struct Caso {
        const char* nome;
        std::vector<std::string> args;
        int status;
        std::string menciona;
    };
    const std::string saida = dir.file("saida");
    for (const Caso& c : {
             Caso{"bad_item",
                  {"scenarios", dir.file("item.txt"), "--out", saida, "--locale", "pt_BR"},
                  1,
                  "Linha 5"},
             Caso{"empty_line",
                  {"scenarios", dir.file("vazia.txt"), "--out", saida, "--locale", "pt_BR"},
                  1,
                  "Linha 3"},
             Caso{"seven_lines", {"scenarios", dir.file("sete.txt"), "--out", saida}, 1, "8 linhas"},
             Caso{"missing_definition",
                  {"scenarios", dir.file("nao-ha.txt"), "--out", saida},
                  1,
                  "nao-ha.txt"},
             Caso{"missing_precipitation",
                  {"scenarios", dir.file("sem-chuva.txt"), "--out", saida, "--locale", "pt_BR"},
                  1,
                  "nao-ha-chuva.txt"},
             Caso{"unwritable_out",
                  {"scenarios", dir.file("boa.txt"), "--out", arquivo + "/sub", "--locale", "pt_BR"},
                  1,
                  "arquivo/sub"},
             Caso{"no_out", {"scenarios", dir.file("boa.txt")}, 2, "--out"},
             Caso{"no_definition", {"scenarios", "--out", saida}, 2, "arquivo de cenários"},
             Caso{
                 "zero_jobs", {"scenarios", dir.file("boa.txt"), "--out", saida, "--jobs", "0"}, 2, "--jobs"},
             Caso{"jobs_not_a_number",
                  {"scenarios", dir.file("boa.txt"), "--out", saida, "--jobs=dois"},
                  2,
                  "dois"},
             Caso{
                 "unknown_option", {"scenarios", dir.file("boa.txt"), "--out", saida, "--json"}, 2, "--json"},
         }) {
        SCOPED_TRACE(c.nome);
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(c.menciona), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(saida));
    }
}

TEST(CliScenarios, HelpShowsTheCommand) {
    const CliRun r = cli({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word :
         {"scenarios DEF --out PASTA", "--jobs N", "Planilha.csv", "--shard K/N", "--merge"}) {
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    }
}

}  // namespace
