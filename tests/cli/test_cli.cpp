#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/cli_app.h"
#include "common/numtext.h"
#include "common/textfile.h"
#include "tests/support/systems.h"
#include "tests/support/temp_dir.h"

namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> outLines(const std::string& s) {
    std::vector<std::string> lines;
    std::istringstream in(s);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

std::string example(const std::string& name) {
    return std::string(VESPRA_SOURCE_DIR) + "/examples/" + name;
}

// The results block stored in a file saved by the program, as UTF-8 lines.
std::vector<std::string> storedResults(const std::string& path) {
    const auto lines = readTextLines(path);
    const auto it = std::find(lines.begin(), lines.end(), "RESULTADO DA SIMULAÇÃO");
    return {it, lines.end()};
}

// The bundled real record, run again, gives the results block its files were saved with:
// exactly, in both locales.
TEST(CliGolden, ExamplesReproduceTheirStoredResults) {
    for (const char* name :
         {"seattle-volume-unico.csv", "seattle-faixa-volumes.csv", "seattle-reservatorio-superior.csv"}) {
        for (auto [dir, locale] : {std::pair{"", "pt_BR"}, std::pair{"en_US/", "en_US"}}) {
            const std::string path = example(std::string(dir) + name);
            const CliRun r = cli({"run", path, "--locale", locale});
            ASSERT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(outLines(r.out), storedResults(path)) << path;
        }
    }
}

// Figures of the Seattle record (NOAA, 2012-2015) for a 100 m² roof and four people of
// 150 L/day, half replaced, coefficient 0.8, 2 mm discard; a regression guard with its tolerance.
TEST(CliGolden, SeattleFigures) {
    const CliRun r = cli({"run", example("seattle-volume-unico.csv"), "--locale", "pt_BR", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto at = [&](const std::string& key) {
        const auto p = r.out.find("\"" + key + "\":");
        return readStrict(
            r.out.substr(p + key.size() + 3, r.out.find_first_of(",]}", p) - p - key.size() - 3),
            LocaleSettings::enUS());
    };
    EXPECT_NEAR(at("dblEconPot"), 31.10, 0.005);
    EXPECT_NEAR(at("dblConsPluvMed"), 186.617, 0.0005);
    EXPECT_NEAR(at("dblConsPotMed"), 413.383, 0.0005);
    EXPECT_NEAR(at("dblVExtravMed"), 43.5721, 0.00005);
    EXPECT_NEAR(at("dblPorcAtendTotal"), 59.21, 0.005);
    EXPECT_NEAR(at("dblPorcNaoAtend"), 35.46, 0.005);
}

TEST(Cli, JsonHasTheSchemaKeysInOrder) {
    const CliRun r = cli({"run", example("seattle-faixa-volumes.csv"), "--locale=pt_BR", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        r.out.rfind("{\"volmax\":20000,\"interval\":1000,\"delta\":2,\"indVolOtimo\":6,\"members\":[{", 0),
        0u)
        << r.out.substr(0, 120);
    std::size_t pos = 0;
    for (const char* key : {"dblResInf", "dblEconPot", "dblPorcAtendTotal", "dblPorcAtendParc",
                            "dblPorcNaoAtend", "dblConsPluvMed", "dblConsPotMed", "dblVExtravMed",
                            "vecVConsPluv", "vecVConsPot", "vecVRecalc", "vecVExtrav", "vecPorcAtendTotal",
                            "vecPorcAtendParc", "vecPorcNaoAtend", "vecContRec", "vecVMediaMensalCont"}) {
        const auto p = r.out.find(std::string("\"") + key + "\":", pos);
        ASSERT_NE(p, std::string::npos) << key;
        pos = p;
    }
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '{'), 22);  // the set and 21 members
    EXPECT_NE(r.out.find("\"vecVMediaMensalCont\":[124,113,124,120,124,120,124,124,120,124,120,124]"),
              std::string::npos);
    const CliRun single = cli({"run", example("seattle-volume-unico.csv"), "--locale", "pt_BR", "--json"});
    EXPECT_EQ(
        single.out.rfind(
            "{\"volmax\":0,\"interval\":0,\"delta\":0,\"indVolOtimo\":-1,\"members\":[{\"dblResInf\":5000,",
            0),
        0u);
    EXPECT_EQ(std::count(single.out.begin(), single.out.end(), '{'), 2);
}

TEST(Cli, MonthlyTableOfTheBaseSimulation) {
    const CliRun r = cli({"run", example("seattle-volume-unico.csv"), "--monthly", "--locale", "pt_BR"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = outLines(r.out);
    ASSERT_EQ(lines.size(), 14u);
    for (const auto& l : lines) EXPECT_EQ(std::count(l.begin(), l.end(), ';'), 8) << l;
    EXPECT_EQ(lines[12].rfind("Média;31,10;", 0), 0u) << lines[12];
    EXPECT_EQ(lines[13].rfind("Total ano;;", 0), 0u) << lines[13];
}

TEST(Cli, FailuresAreOneLineOnStderr) {
    TempDir dir;
    const std::string bad =
        dir.write("bad.csv", "Arquivo dados de precipitação;x\r\nDados de precipitação\r\n10000;zz;0\r\n");
    // A sweep file whose step is 0, as a hand-edited file may say.
    auto lines = testsys::household(40)->simLines({}, LocaleSettings::ptBR());
    for (auto& l : lines) {
        if (l.rfind("Reservatório inferior (litros);", 0) == 0) l = "Reservatório inferior (litros);1000;0;0";
    }
    writeTextLines(dir.file("zero-step.csv"), lines);
    struct Row {
        std::vector<std::string> args;
        int status;
        const char* mentions;
    };
    for (const Row& row : {Row{{}, 2, "comando"}, Row{{"simulate", "x.csv"}, 2, "simulate"},
                           Row{{"run"}, 2, "arquivo"}, Row{{"run", "a.csv", "--bogus"}, 2, "--bogus"},
                           Row{{"run", "a.csv", "--json", "--monthly"}, 2, "--monthly"},
                           Row{{"run", "a.csv", "--locale"}, 2, "--locale"},
                           Row{{"run", dir.file("missing.csv")}, 1, "missing.csv"},
                           Row{{"run", bad, "--locale", "pt_BR"}, 1, "linha 3"},
                           Row{{"run", dir.file("zero-step.csv"), "--locale", "pt_BR"}, 1, "intervalo"}}) {
        const CliRun r = cli(row.args);
        EXPECT_EQ(r.status, row.status) << row.mentions;
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(row.mentions), std::string::npos) << r.err;
    }
}

// A household saved as a file with its start date typed as `dateText`; with `decimals` false
// every number is whole, so the file does not show the machine that saved it.
std::string savedWithDate(const TempDir& dir, const char* name, const LocaleSettings& saveLoc, bool decimals,
                          const std::string& dateText) {
    auto set = testsys::household(400);
    if (!decimals) {
        for (double& v : set->base().vecDadosPrecOrig) v = v < 1 ? 0 : 8;
        set->base().dblPorcSubs = 1;
        set->base().dblCoefAprov = 1;
    }
    auto lines = set->simLines({}, saveLoc);
    for (auto& l : lines) {
        if (l.rfind("Data inicial;", 0) == 0) l = "Data inicial;" + dateText;
    }
    const std::string path = dir.file(name);
    writeTextLines(path, lines);
    return path;
}

// A file saved under en_US opens under pt_BR with its own start date: the same figures, month
// by month, as under en_US, and nothing on stderr.
TEST(CliStartDate, FileFromAnotherLocaleKeepsItsDate) {
    TempDir dir;
    for (const char* date : {"2/1/2012", "3/15/2012"}) {
        const std::string path = savedWithDate(dir, "en.csv", LocaleSettings::enUS(), true, date);
        const CliRun en = cli({"run", path, "--locale", "en_US", "--json"});
        const CliRun pt = cli({"run", path, "--locale", "pt_BR", "--json"});
        ASSERT_EQ(en.status, 0) << en.err;
        ASSERT_EQ(pt.status, 0) << pt.err;
        EXPECT_EQ(pt.out, en.out) << date;
        EXPECT_EQ(pt.err, "") << date;
    }
}

// When the file does not show the order, the run goes on and stderr says which date was taken.
TEST(CliStartDate, UnknownOrderIsOneWarningLine) {
    TempDir dir;
    const std::string path = savedWithDate(dir, "inteiros.csv", LocaleSettings::enUS(), false, "2/1/2012");
    const CliRun r = cli({"run", path, "--locale", "pt_BR"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(r.out.empty());
    EXPECT_EQ(r.err,
              "vespra-cli: aviso: A data inicial do arquivo, \"2/1/2012\", não mostra se o dia vem antes do "
              "mês; foi lida como dia 2 do mês 1 de 2012 (02/01/2012).\n");
}

TEST(Cli, HelpExplainsTheCommands) {
    const CliRun r = cli({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"run", "--locale", "--json", "--monthly"}) {
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    }
}

}  // namespace
