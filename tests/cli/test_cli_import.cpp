// vespra-cli import: the record written, the report as text and as JSON, the refusals.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/cli_run.h"
#include "tests/support/temp_dir.h"

namespace {

using testcli::cli;
using testcli::CliRun;

std::string fixture(const std::string& name) {
    return std::string(VESPRA_SOURCE_DIR) + "/tests/import/fixtures/" + name;
}

TEST(CliImport, WritesTheRecordAndReportsInPortuguese) {
    TempDir dir;
    const std::string out = dir.file("registro.txt");
    const CliRun r = cli(
        {"import", fixture("inmet_convencional.csv"), "--out", out, "--gaps", "zero", "--locale", "pt_BR"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_EQ(r.out,
              "Formato: INMET (BDMEP)\n"
              "Estação: T0001\n"
              "Primeiro dia gravado: 01/01/2012\n"
              "Último dia gravado: 09/02/2012\n"
              "Dias gravados: 40\n"
              "Dias sem valor: 4\n"
              "  Lacuna: 10/01/2012 a 11/01/2012 (2 dias)\n"
              "  Lacuna: 20/01/2012 (1 dia)\n"
              "  Lacuna: 25/01/2012 (1 dia)\n"
              "Dias preenchidos com 0 mm: 4\n"
              "Datas repetidas com o mesmo valor: 0\n");
    const std::string written = TempDir::read(out);
    EXPECT_EQ(written.substr(0, 16), "0,0\r\n10,9\r\n0,8\r\n");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 40);
}

TEST(CliImport, Json) {
    TempDir dir;
    struct Row {
        std::vector<std::string> args;
        const char* json;
    };
    const Row rows[] = {
        {{"--gaps", "longest"},
         R"({"formato":"ghcn","estacao":"ZZ000000001","inicio":"2012-01-17","fim":"2012-02-29","dias":44,)"
         R"("faltantes":2,"lacunas":[["2012-01-15","2012-01-16"]],"preenchidos":0,"duplicados":0})"},
        {{"--gaps", "zero", "--format", "ghcn"},
         R"({"formato":"ghcn","estacao":"ZZ000000001","inicio":"2012-01-01","fim":"2012-02-29","dias":60,)"
         R"("faltantes":2,"lacunas":[["2012-01-15","2012-01-16"]],"preenchidos":2,"duplicados":0})"},
    };
    for (const Row& row : rows) {
        std::vector<std::string> args = {"import", fixture("ghcn.dly"), "--out", dir.file("r.txt"), "--json"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const CliRun r = cli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, std::string(row.json) + "\n");
    }
    const CliRun csv =
        cli({"import", fixture("seattle.csv"), "--out", dir.file("s.txt"), "--json", "--locale", "en_US"});
    EXPECT_EQ(csv.out,
              R"({"formato":"csv","estacao":null,"inicio":"2012-01-01","fim":"2012-02-09","dias":40,)"
              R"("faltantes":0,"lacunas":[],"preenchidos":0,"duplicados":1})"
              "\n");
    EXPECT_EQ(TempDir::read(dir.file("s.txt")).substr(0, 11), "0.0\r\n10.9\r\n");
}

// A refusal: status 1, one line on stderr, nothing written, the record that was there untouched.
TEST(CliImport, RefusalLeavesTheRecordAsItWas) {
    TempDir dir;
    const std::string out = dir.write("registro.txt", "1\r\n2\r\n");
    struct Row {
        std::vector<std::string> args;
        const char* message;
    };
    const Row rows[] = {
        {{fixture("noaa.csv")}, "vespra-cli: A série tem 1 dia sem valor entre 01/01/2012 e 09/02/2012"},
        {{fixture("noaa.csv"), "--format", "inmet"}, "procurei a linha que começa com \"Data Medicao;\""},
        {{fixture("inmet_automatica.csv"), "--units", "in"},
         "polegadas valem apenas para arquivos NOAA e CSV"},
        {{dir.file("falta.csv")}, "vespra-cli: Não foi possível abrir o arquivo"},
        {{dir.file("registro.txt")}, "vespra-cli: Formato não reconhecido: procurei"},
    };
    for (const Row& row : rows) {
        std::vector<std::string> args = {"import"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        args.insert(args.end(), {"--out", out, "--locale", "pt_BR"});
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 1) << row.message;
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
        EXPECT_EQ(TempDir::read(out), "1\r\n2\r\n");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("")), {}), 1);
}

TEST(CliImport, UsageErrors) {
    struct Row {
        std::vector<std::string> args;
        const char* message;
    };
    const Row rows[] = {
        {{"import", "a.csv"},
         "vespra-cli: falta o arquivo do registro (--out REGISTRO). Veja vespra-cli --help.\n"},
        {{"import", "--out", "r.txt"}, "vespra-cli: falta o arquivo da estação. Veja vespra-cli --help.\n"},
        {{"import", "a.csv", "--out", "r.txt", "--format", "xls"},
         "vespra-cli: --format precisa de auto, inmet, ana, ghcn, noaa ou csv ('xls'). Veja vespra-cli "
         "--help.\n"},
        {{"import", "a.csv", "--out", "r.txt", "--gaps", "fill"},
         "vespra-cli: --gaps precisa de refuse, zero ou longest ('fill'). Veja vespra-cli --help.\n"},
        {{"import", "a.csv", "--out", "r.txt", "--units", "cm"},
         "vespra-cli: --units precisa de mm ou in ('cm'). Veja vespra-cli --help.\n"},
    };
    for (const Row& row : rows) {
        const CliRun r = cli(row.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, row.message);
    }
}

TEST(CliImport, Help) {
    const CliRun own = cli({"import", "--help"});
    EXPECT_EQ(own.status, 0);
    EXPECT_EQ(own.out.rfind("Uso: vespra-cli import FONTE --out REGISTRO", 0), 0u) << own.out;
    for (const char* word :
         {"--gaps P", "refuse", "longest", "--units U", "25,4", "\"PRECIPITACAO TOTAL, DIARIO\"",
          "faltantes, lacunas, preenchidos, duplicados"}) {
        EXPECT_NE(own.out.find(word), std::string::npos) << word;
    }
    const CliRun all = cli({"--help"});
    EXPECT_NE(all.out.find("vespra-cli import FONTE --out REGISTRO"), std::string::npos);
    EXPECT_NE(all.out.find("--gaps P"), std::string::npos);
}

}  // namespace
