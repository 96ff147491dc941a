// vespra-cli methods on the hand-computable record of tests/support/sizing_record.h, saved as a
// simulation file: the table, the JSON object, the parameters and the refusals.

#include <gtest/gtest.h>

#include <sstream>

#include "common/numtext.h"
#include "engine/sizing_methods.h"
#include "tests/support/cli_run.h"
#include "tests/support/sizing_record.h"
#include "tests/support/temp_dir.h"

namespace {

using testcli::cli;
using testcli::CliRun;

std::string saved(const TempDir& dir, std::size_t days = 730, double demand = 5) {
    const std::string path = dir.file("metodos.csv");
    sizingrec::record(days, demand)->saveSim(path, {}, LocaleSettings::ptBR());
    return path;
}

std::vector<std::string> lines(const std::string& s) {
    std::vector<std::string> v;
    std::istringstream in(s);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}

TEST(CliMethods, TableInTheLocale) {
    TempDir dir;
    const CliRun r = cli({"methods", saved(dir), "--locale", "pt_BR"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 9u);
    EXPECT_EQ(out[0], "P (mm/ano);360");
    EXPECT_EQ(out[1], "T (meses secos);6");
    EXPECT_EQ(out[3].rfind("Rippl (diário);1065;", 0), 0u) << out[3];
    EXPECT_EQ(out[5].rfind("Azevedo Neto;907,2;", 0), 0u) << out[5];
    EXPECT_EQ(out[8].rfind("Prático australiano;800;", 0), 0u) << out[8];
}

// The JSON object's keys, its nulls for a method that does not apply, and its figures with
// 17 significant digits, those of the engine's own computation.
TEST(CliMethods, JsonObject) {
    TempDir dir;
    const std::string file = saved(dir, 200);
    const CliRun r = cli({"methods", file, "--json", "--dry-months=4", "--locale", "pt_BR"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto set = sizingrec::record(200);
    ParametrosMetodos p;
    p.mesesSecos = 4;
    const ResultadoMetodo rippl = calculaMetodos(set->base(), p).metodos[0];
    const std::string expected =
        "{\"P_anual\":null,\"meses_secos\":4,\"metodos\":["
        "{\"metodo\":\"rippl_diario\",\"volume\":240,\"motivo\":null,\"dblEconPot\":" +
        formatRoundTrip(rippl.dblEconPot) +
        ",\"dblPorcAtendTotal\":" + formatRoundTrip(rippl.dblPorcAtendTotal) +
        ",\"dblPorcAtendParc\":" + formatRoundTrip(rippl.dblPorcAtendParc) +
        ",\"dblPorcNaoAtend\":" + formatRoundTrip(rippl.dblPorcNaoAtend) +
        "},"
        "{\"metodo\":\"rippl_mensal\",\"volume\":null,\"motivo\":\"meses\"},"
        "{\"metodo\":\"azevedo_neto\",\"volume\":null,\"motivo\":\"meses\"},"
        "{\"metodo\":\"alemao\",\"volume\":null,\"motivo\":\"meses\"},"
        "{\"metodo\":\"ingles\",\"volume\":null,\"motivo\":\"meses\"},"
        "{\"metodo\":\"australiano\",\"volume\":null,\"motivo\":\"meses\"}]}\n";
    EXPECT_EQ(r.out, expected);
}

// The parameters in either decimal mark, whatever the locale: interception 35 and confidence
// 75 give the Australian method 500 L; at 90 % none.
TEST(CliMethods, ParametersInEitherDecimalMark) {
    TempDir dir;
    const std::string file = saved(dir);
    for (const char* loc : {"pt_BR", "en_US"}) {
        const CliRun a = cli(
            {"methods", file, "--json", "--locale", loc, "--interception", "35,0", "--confidence", "75.0"});
        ASSERT_EQ(a.status, 0) << a.err;
        EXPECT_NE(a.out.find("{\"metodo\":\"australiano\",\"volume\":500,\"motivo\":null"), std::string::npos)
            << a.out;
        const CliRun b = cli({"methods", file, "--json", "--locale", loc, "--interception", "35"});
        EXPECT_NE(b.out.find("{\"metodo\":\"australiano\",\"volume\":null,\"motivo\":\"confianca\"}"),
                  std::string::npos)
            << b.out;
    }
    const CliRun d = cli({"methods", saved(dir, 730, 20), "--json"});
    EXPECT_NE(d.out.find("{\"metodo\":\"rippl_diario\",\"volume\":null,\"motivo\":\"demanda\"}"),
              std::string::npos);
}

TEST(CliMethods, Refusals) {
    TempDir dir;
    const std::string file = saved(dir);
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    } cases[] = {
        {{"methods", file, "--dry-months", "13"}, 2, "--dry-months 13: Meses secos (T)"},
        {{"methods", file, "--dry-months", "2,5"}, 2, "Meses secos (T)"},
        {{"methods", file, "--interception", "-1"}, 2, "Interceptação (mm)"},
        {{"methods", file, "--confidence", "0"}, 2, "Confiança (%)"},
        {{"methods", file, "--confidence", "abc"}, 2, "--confidence precisa de um número ('abc')"},
        {{"methods", file, "--monthly"}, 2, "opção desconhecida '--monthly'"},
        {{"methods"}, 2, "falta o arquivo de simulação"},
        {{"methods", dir.file("nenhum.csv")}, 1, "nenhum.csv"},
    };
    for (const auto& c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.says;
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
}

TEST(CliMethods, HelpOfTheCommand) {
    const CliRun r = cli({"methods", "--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"vespra-cli methods ARQUIVO", "--dry-months", "--interception", "--confidence",
                             "P_anual", "confianca", "Rippl"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    EXPECT_EQ(r.out.find("scenarios DEF"), std::string::npos);
    EXPECT_NE(cli({"--help"}).out.find("vespra-cli methods"), std::string::npos);
}

}  // namespace
