#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/cli_app.h"
#include "common/numtext.h"
#include "common/textfile.h"
#include "common/version.h"
#include "economics/file_section.h"
#include "economics/tables.h"
#include "economics/tariffs.h"
#include "tests/support/cli_run.h"
#include "tests/support/systems.h"
#include "tests/support/temp_dir.h"

namespace {

using testcli::cli;
using testcli::CliRun;

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
    for (const char* name : {"seattle-volume-unico.csv", "seattle-faixa-volumes.csv",
                             "seattle-reservatorio-superior.csv", "seattle-analise-economica.csv"}) {
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

// The text of `key`'s value in a JSON object printed on one line (up to the next , ] or }).
std::string jsonValue(const std::string& json, const std::string& key) {
    const auto p = json.find("\"" + key + "\":");
    if (p == std::string::npos) return "(missing)";
    const auto start = p + key.size() + 3;
    return json.substr(start, json.find_first_of(",]}", start) - start);
}

// The numbers of a JSON array value.
std::vector<double> jsonArray(const std::string& json, const std::string& key) {
    const auto p = json.find("\"" + key + "\":[");
    std::vector<double> v;
    if (p == std::string::npos) return v;
    std::istringstream in(json.substr(p + key.size() + 4, json.find(']', p) - p - key.size() - 4));
    for (std::string item; std::getline(in, item, ',');)
        v.push_back(readStrict(item, LocaleSettings::enUS()));
    return v;
}

// The economic analysis of the bundled example (illustrative prices on the Seattle record,
// 20 years): the same figures from the pt_BR and the en_US file, by both commands.
TEST(CliGolden, SeattleEconomicFigures) {
    const CliRun pt = cli({"run", example("seattle-analise-economica.csv"), "--locale", "pt_BR", "--json"});
    const CliRun en =
        cli({"run", example("en_US/seattle-analise-economica.csv"), "--locale", "en_US", "--json"});
    ASSERT_EQ(pt.status, 0) << pt.err;
    ASSERT_EQ(en.status, 0) << en.err;
    EXPECT_EQ(pt.out, en.out);
    EXPECT_EQ(jsonValue(pt.out, "nroPeriodos"), "240");
    EXPECT_EQ(jsonValue(pt.out, "curVPL"), "723.86");
    EXPECT_EQ(jsonValue(pt.out, "intTempoRetorno"), "183");
    EXPECT_NEAR(readStrict(jsonValue(pt.out, "dblTIR"), LocaleSettings::enUS()), 0.991999, 0.0000005);
    for (auto [dir, locale, vpl, tir] :
         {std::tuple{"", "pt_BR", "723,86", "0,99"}, std::tuple{"en_US/", "en_US", "723.86", "0.99"}}) {
        const CliRun r =
            cli({"costs", example(std::string(dir) + "seattle-analise-economica.csv"), "--locale", locale});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto lines = outLines(r.out);
        const auto res = std::find(lines.begin(), lines.end(), "Resultado da análise econômica");
        ASSERT_LE(res + 4, lines.end());
        EXPECT_EQ(res[1], "Tempo de retorno do investimento (meses);183");
        EXPECT_EQ(res[2], std::string("Valor presente líquido (R$);") + vpl);
        EXPECT_EQ(res[3].rfind(std::string("Taxa interna de retorno (% ao mês);") + tir, 0), 0u) << res[3];
    }
    // The file an American user saved, opened by a Brazilian one, exports what the Brazilian
    // user's own file does: the section's numbers read back under either decimal mark.
    const CliRun own =
        cli({"costs", example("seattle-analise-economica.csv"), "--locale", "pt_BR", "--detailed"});
    const CliRun other =
        cli({"costs", example("en_US/seattle-analise-economica.csv"), "--locale", "pt_BR", "--detailed"});
    ASSERT_EQ(other.status, 0) << other.err;
    EXPECT_EQ(other.out, own.out);
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

// A sweep line whose maximum is below its step runs as a sweep of one member (the system
// without a lower reservoir), and the JSON gives the file's sweep settings.
TEST(Cli, OneMemberSweepKeepsItsSettings) {
    TempDir dir;
    auto lines = testsys::household(40)->simLines({}, LocaleSettings::ptBR());
    for (auto& l : lines) {
        if (l.rfind("Reservatório inferior (litros);", 0) == 0)
            l = "Reservatório inferior (litros);500;1000;2";
    }
    writeTextLines(dir.file("one-member.csv"), lines);
    const CliRun r = cli({"run", dir.file("one-member.csv"), "--locale", "pt_BR", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"volmax\":500,\"interval\":1000,\"delta\":2,", 0), 0u) << r.out.substr(0, 120);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '{'), 2);  // the set and its one member
    EXPECT_NE(r.out.find("\"members\":[{\"dblResInf\":0,"), std::string::npos) << r.out.substr(0, 160);
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
    for (const Row& row :
         {Row{{}, 2, "comando"}, Row{{"simulate", "x.csv"}, 2, "simulate"}, Row{{"run"}, 2, "arquivo"},
          Row{{"run", "a.csv", "--bogus"}, 2, "--bogus"},
          Row{{"run", "a.csv", "--json", "--monthly"}, 2, "--monthly"},
          Row{{"run", "a.csv", "--locale"}, 2, "--locale"}, Row{{"run", "a.csv", "--jobs", "0"}, 2, "--jobs"},
          Row{{"costs", "a.csv", "--jobs", "dois"}, 2, "--jobs"},
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

// A sweep of 400 volumes, with and without its upper reservoir, split among threads: the
// output is the one of a run on one thread, byte for byte, whatever --jobs says.
TEST(Cli, JobsGiveTheSameOutput) {
    TempDir dir;
    for (const char* name : {"seattle-faixa-volumes.csv", "seattle-reservatorio-superior.csv"}) {
        auto lines = readTextLines(example(name));
        // The inputs' line, not the results table's heading after it.
        const auto volumes = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
            return l.rfind("Reservatório inferior (litros);", 0) == 0;
        });
        ASSERT_NE(volumes, lines.end());
        *volumes = "Reservatório inferior (litros);20000;50;2";
        const std::string path = dir.file(std::string("400-") + name);
        writeTextLines(path, lines);
        const CliRun one = cli({"run", path, "--locale", "pt_BR", "--json", "--jobs", "1"});
        ASSERT_EQ(one.status, 0) << one.err;
        ASSERT_NE(one.out.find("\"dblResInf\":20000"), std::string::npos) << name;
        for (const char* jobs : {"2", "5"}) {
            const CliRun many = cli({"run", path, "--locale", "pt_BR", "--json", "--jobs", jobs});
            EXPECT_EQ(many.out, one.out) << name << ", --jobs " << jobs;
        }
        EXPECT_EQ(cli({"run", path, "--locale", "pt_BR", "--json"}).out, one.out) << name;
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

// Values the main window refuses as typed (a coefficient over 1, a pumping threshold above 90 %
// of the upper reservoir) run as the file holds them, with one warning line each.
TEST(CliInputRules, OutOfRangeValuesRunWithAWarning) {
    TempDir dir;
    auto set = testsys::household(400);
    set->base().dblResSup = 200;
    set->base().dblResSupMinRec = 190;
    set->base().dblCoefAprov = 1.2;
    const std::string path = dir.file("fora.csv");
    writeTextLines(path, set->simLines({}, LocaleSettings::ptBR()));
    const CliRun r = cli({"run", path, "--locale", "pt_BR"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        r.err,
        "vespra-cli: aviso: O Coeficiente de escoamento superficial deve ser maior que 0 e menor ou igual "
        "a 1.\n"
        "vespra-cli: aviso: O volume abaixo do qual há recalque não pode ser superior a 90% do volume do "
        "reservatório superior.\n");
    set->run();
    std::string expected;
    for (const auto& line : set->resultLines(LocaleSettings::ptBR())) expected += line + "\n";
    EXPECT_EQ(r.out, expected);
}

TEST(Cli, HelpExplainsTheCommands) {
    const CliRun r = cli({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word :
         {"run", "costs", "--locale", "--json", "--monthly", "--detailed", "--out", "economia"}) {
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    }
    const CliRun v = cli({"run", "a.csv", "--version"});
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out, "vespra-cli (Vespra 4, versão " + std::string(programVersion()) + ")\n");
    EXPECT_TRUE(v.err.empty()) << v.err;
}

// ---------------------------------------------------------------------------------------
// The economic analysis of a file

// A small analysis of the test household (no upper reservoir): three bands, a variable sewer
// tariff, initial costs and a monthly operating cost over two years, installed in March.
TDadosAnalise smallAnalysis() {
    const LocaleSettings loc = LocaleSettings::ptBR();
    TDadosAnalise d;
    d.analise = {"3000", "0,5", "12", "2", "1", 2};
    for (const auto& [tipo, v1, v2, custo, fixo] :
         {std::tuple{TipoFaixa::AbaixoDe, "10", "", "30", true},
          std::tuple{TipoFaixa::Entre, "10", "20", "4,5", false},
          std::tuple{TipoFaixa::AcimaDe, "20", "", "7,25", false}}) {
        const TFaixaLida f = leFaixa(d.tarifas.vecTarifas, tipo, v1, v2, custo, fixo, loc);
        d.tarifas.vecTarifas.push_back(f.faixa);
        d.tarifas.vecLinhasFaixas.push_back(f.strLinha);
    }
    d.tarifas.tipoEsgoto = TipoEsgoto::Variavel;
    d.tarifas.strTarEsgoto = "80";
    d.iniciais = {"900", "", "", "", ""};
    d.vecManutencao = {{0, "Limpeza", 5, 0, 1}};  // R$ 5 every month
    return d;
}

// The test household saved under pt_BR with `section` as its economic lines (none when empty).
std::string savedWithSection(const TempDir& dir, const char* name, const std::vector<std::string>& section) {
    const std::string path = dir.file(name);
    testsys::household(800)->saveSim(path, section, LocaleSettings::ptBR());
    return path;
}

std::string savedWithAnalysis(const TempDir& dir, const char* name, const TDadosAnalise& d) {
    return savedWithSection(dir, name, LinhasSecaoAnalise(d, false, LocaleSettings::ptBR()));
}

// "run --json" adds the analysis's figures when the file has a section, and only then; they
// agree with the table "costs" writes, month by month.
TEST(CliEconomia, JsonWithAndWithoutSection) {
    TempDir dir;
    const std::string plain = savedWithSection(dir, "plain.csv", {});
    const std::string with = savedWithAnalysis(dir, "with.csv", smallAnalysis());
    const CliRun p = cli({"run", plain, "--locale", "pt_BR", "--json"});
    const CliRun w = cli({"run", with, "--locale", "pt_BR", "--json"});
    ASSERT_EQ(p.status, 0) << p.err;
    ASSERT_EQ(w.status, 0) << w.err;
    EXPECT_EQ(p.out.find("economia"), std::string::npos);
    // The section changes nothing in the simulation's own figures.
    ASSERT_EQ(w.out.substr(0, p.out.size() - 2), p.out.substr(0, p.out.size() - 2));
    EXPECT_EQ(w.out.substr(p.out.size() - 2, 27), ",\"economia\":{\"nroPeriodos\":");
    std::size_t pos = 0;
    for (const char* key :
         {"nroPeriodos", "curVPL", "intTempoRetorno", "dblTIR", "vecEconomias", "vecCustos"}) {
        const auto at = w.out.find(std::string("\"") + key + "\":", pos);
        ASSERT_NE(at, std::string::npos) << key;
        pos = at;
    }
    EXPECT_EQ(jsonValue(w.out, "nroPeriodos"), "24");
    const auto economias = jsonArray(w.out, "vecEconomias");
    const auto custos = jsonArray(w.out, "vecCustos");
    ASSERT_EQ(economias.size(), 24u);
    ASSERT_EQ(custos.size(), 24u);
    EXPECT_EQ(economias[0], 0);
    EXPECT_EQ(custos[0], 900 + 0.0);  // the operating cost starts in month 1
    const CliRun c = cli({"costs", with, "--locale", "pt_BR"});
    ASSERT_EQ(c.status, 0) << c.err;
    const auto lines = outLines(c.out);
    ASSERT_GE(lines.size(), 25u);
    const LocaleSettings pt = LocaleSettings::ptBR();
    for (std::size_t i = 0; i < 24; ++i) {
        const std::string& row = lines[lines.size() - 24 + i];
        EXPECT_EQ(row.substr(row.find(" ;")), " ;" + Fixo2(economias[i], pt) + ";" + Fixo2(custos[i], pt))
            << i;
    }
    EXPECT_EQ(lines[lines.size() - 24].rfind("0 (Março) ;", 0), 0u);
    EXPECT_EQ(lines[lines.size() - 14].rfind("10 (Janeiro) ;", 0), 0u);
    const auto res = std::find(lines.begin(), lines.end(), "Resultado da análise econômica");
    ASSERT_LE(res + 4, lines.end());
    EXPECT_EQ(
        res[2],
        "Valor presente líquido (R$);" +
            formatCurrencyGeneral(
                Currency::fromDouble(readStrict(jsonValue(w.out, "curVPL"), LocaleSettings::enUS())), pt));
    EXPECT_EQ(res[1], "Tempo de retorno do investimento (meses);" + jsonValue(w.out, "intTempoRetorno"));
}

// Without a saving in any month the rate of return is undefined: null in the JSON,
// "indefinida" in the export, while the present value is still given.
TEST(CliEconomia, UndefinedRateOfReturn) {
    TempDir dir;
    TDadosAnalise d = smallAnalysis();
    d.tarifas.vecTarifas.clear();  // no tariff: no bill, no saving
    d.tarifas.vecLinhasFaixas.clear();
    const std::string path = savedWithAnalysis(dir, "sem-tarifa.csv", d);
    const CliRun j = cli({"run", path, "--locale", "pt_BR", "--json"});
    ASSERT_EQ(j.status, 0) << j.err;
    EXPECT_EQ(jsonValue(j.out, "dblTIR"), "null");
    EXPECT_EQ(jsonValue(j.out, "intTempoRetorno"), "-1");
    const CliRun c = cli({"costs", path, "--locale", "pt_BR"});
    ASSERT_EQ(c.status, 0) << c.err;
    const auto lines = outLines(c.out);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Taxa interna de retorno (% ao mês);indefinida"),
              lines.end());
    EXPECT_EQ(jsonValue(j.out, "curVPL").rfind("-", 0), 0u);
}

// "costs --out" writes the file as the window's export does (Windows-1252, CR LF), replacing
// what was there; standard output gets the same lines as UTF-8.
TEST(CliEconomia, CostsToStandardOutputAndToAFile) {
    TempDir dir;
    const std::string path = savedWithAnalysis(dir, "sim.csv", smallAnalysis());
    const std::string target = dir.write("custos.csv", "old contents");
    const CliRun s = cli({"costs", path, "--locale", "pt_BR"});
    const CliRun f = cli({"costs", path, "--locale", "pt_BR", "--out", target});
    ASSERT_EQ(s.status, 0) << s.err;
    ASSERT_EQ(f.status, 0) << f.err;
    EXPECT_EQ(f.out, "");
    EXPECT_EQ(f.err, "");
    EXPECT_EQ(
        s.out.rfind(
            "Estimativas iniciais de consumo e economia de água (baseadas nos dados de precipitação)\n", 0),
        0u);
    std::string crlf;
    for (const auto& l : outLines(s.out)) crlf += l + "\r\n";
    const std::string bytes = TempDir::read(target);
    EXPECT_EQ(bytes, utf8ToCp1252(crlf));
    EXPECT_EQ(bytes.substr(0, 40), "Estimativas iniciais de consumo e econom");
    EXPECT_EQ(bytes[bytes.find("conomia de ") + 11], '\xe1');  // "á" as one byte
    // The export's layout: 12 estimate rows, the bands after an empty row, settings, results.
    const auto lines = outLines(s.out);
    ASSERT_GE(lines.size(), 39u);
    EXPECT_EQ(lines[2].rfind("Jan;", 0), 0u);
    EXPECT_EQ(lines[13].rfind("Dez;", 0), 0u);
    EXPECT_EQ(
        std::vector<std::string>(lines.begin() + 14, lines.begin() + 20),
        (std::vector<std::string>{"", "Tarifas de água", "", "Abaixo de 10 m³: R$30 (fixo).",
                                  "Entre 10 e 20 m³: R$4,5 (por m³).", "Acima de 20 m³: R$7,25 (por m³)."}));
    EXPECT_EQ(lines[21], "Inflação (% ao mês);0,5");
    EXPECT_EQ(lines[23], "Período de análise (anos);2");
    EXPECT_EQ(lines[24], "Taxa mínima de atratividade (%);1");
    EXPECT_EQ(lines[31], "Mês ;Economia (R$);Custo (R$)");
    EXPECT_EQ(lines.size(), 32u + 24u);
}

// An operating cost named "=1+1" in a file received from someone else: the export writes it as
// text a spreadsheet shows as typed, never as a formula it would run on opening.
TEST(CliEconomia, CostNamedLikeAFormulaIsWrittenAsText) {
    TempDir dir;
    std::string bytes = TempDir::read(example("seattle-analise-economica.csv"));
    const std::string name = "Limpeza do reservat\xF3rio;";
    ASSERT_NE(bytes.find(name), std::string::npos);
    bytes.replace(bytes.find(name), name.size(), "=1+1;");
    const std::string path = dir.write("formula.csv", bytes);
    const CliRun r = cli({"costs", path, "--detailed", "--locale", "pt_BR"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = outLines(r.out);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "'=1+1 ;;80,00"), lines.end());
    for (const std::string& line : lines) EXPECT_NE(line.rfind("=", 0), 0u) << line;
}

// The detailed view: one block per month (label, saving, "Custos", its items, an empty row).
TEST(CliEconomia, DetailedView) {
    TempDir dir;
    const std::string path = savedWithAnalysis(dir, "sim.csv", smallAnalysis());
    const CliRun r = cli({"costs", path, "--detailed", "--locale", "pt_BR"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = outLines(r.out);
    ASSERT_GE(lines.size(), 41u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 31, lines.begin() + 41),
              (std::vector<std::string>{"Mês  ;Economia (R$);Custo (R$)", "Mês  0 (Março) ;;",
                                        "Economia de água potável ;0,00;", "Custos ;;",
                                        "Reservatório inferior ;;900,00", " ;;", "Mês  1 (Abril) ;;",
                                        lines[38], "Custos ;;", "Limpeza ;;5,00"}));
    EXPECT_EQ(lines[38].rfind("Economia de água potável ;", 0), 0u);
    // 24 months of 5 rows (one cost item each), the header and the closing empty row.
    EXPECT_EQ(lines.size(), 31u + 1 + 24 * 5 + 1);
    EXPECT_EQ(lines.back(), " ;;");
}

// A file the analysis cannot be recomputed from is one line on stderr and no output; so is a
// file without an analysis for "costs", and options of the other command.
// Files the program writes, and the bands an older one let through, open again: the example
// with one thing changed runs with exit status 0, a band the tariff window would refuse told
// on stderr, as a warning naming its line, and left out.
TEST(CliEconomia, SectionsThatOpenAgain) {
    struct Row {
        const char* name;
        std::string from, to;  // a line of the example and what it becomes ("" drops it)
        const char* locale;
        std::string warning;  // the whole of stderr
    };
    const std::string line = [] {
        const auto lines = readTextLines(example("seattle-analise-economica.csv"));
        return std::to_string(std::find(lines.begin(), lines.end(), "10;20;4,5;0") - lines.begin() + 1);
    }();
    const Row rows[] = {
        {"no sewer line", "Tarifa esgoto;80;1", "", "pt_BR", ""},
        {"upper reservoir of 0 L with the pump lines", "Reservatório superior (litros);300;-1",
         "Reservatório superior (litros);0;0", "pt_BR", ""},
        {"decimal pump power in the other locale", "Potencia;1/2;0", "Potencia;0,5;0", "en_US", ""},
        {"middle band not rising", "10;20;4,5;0", "10;8;4,5;0", "pt_BR",
         "vespra-cli: aviso: Análise econômica do arquivo, linha " + line +
             ": faixa \"Entre 10 e 8 m³\": Preenchimento incorreto. Verifique os valores\n"},
        {"no top band", "20;100000;7,25;0", "20;25;7,25;0", "pt_BR",
         "vespra-cli: aviso: Análise econômica do arquivo: A tabela de tarifas termina na faixa \"Entre 20 "
         "e 25 m³\": a última faixa deve ser \"Acima de\", para que todo o consumo acima dela seja "
         "cobrado.\n"},
    };
    TempDir dir;
    for (const Row& row : rows) {
        auto lines = readTextLines(example("seattle-analise-economica.csv"));
        const auto at = std::find(lines.begin(), lines.end(), row.from);
        ASSERT_NE(at, lines.end()) << row.name;
        if (row.to.empty())
            lines.erase(at);
        else
            *at = row.to;
        const std::string path = dir.file("mudado.csv");
        writeTextLines(path, lines);
        for (const char* command : {"run", "costs"}) {
            std::vector<std::string> args = {command, path, "--locale", row.locale};
            if (std::string(command) == "run") args.push_back("--json");
            const CliRun r = cli(args);
            EXPECT_EQ(r.status, 0) << row.name << ", " << command << ": " << r.err;
            EXPECT_EQ(r.err, row.warning) << row.name << ", " << command;
            EXPECT_FALSE(r.out.empty()) << row.name << ", " << command;
        }
    }
}

TEST(CliEconomia, Failures) {
    TempDir dir;
    const std::string plain = savedWithSection(dir, "plain.csv", {});
    auto section = LinhasSecaoAnalise(smallAnalysis(), false, LocaleSettings::ptBR());
    const std::string good = savedWithSection(dir, "good.csv", section);
    // "linha N" of the file's line `text`, or of the line after it.
    const auto fileLine = [&](const std::string& path, const std::string& text, int after = 0) {
        const auto lines = readTextLines(path);
        return "linha " +
               std::to_string(std::find(lines.begin(), lines.end(), text) - lines.begin() + 1 + after);
    };
    auto cut = section;
    cut.resize(cut.size() - 3);  // ends before the accessories: the empty line after it is read
    const std::string shortSection = savedWithSection(dir, "short.csv", cut);
    const std::string shortLine = fileLine(shortSection, cut.back(), 1) + ": faltam campos";
    for (auto& l : section) {
        if (l == "Tarifas de agua;3") l = "Tarifas de agua;três";
    }
    const std::string badCount = savedWithSection(dir, "bad-count.csv", section);
    const std::string badLine = fileLine(badCount, "Tarifas de agua;três");
    TDadosAnalise longPeriod = smallAnalysis();
    longPeriod.analise.strPeriodoAnalise = "60";
    const std::string tooLong = savedWithAnalysis(dir, "long.csv", longPeriod);
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string mentions;
    };
    const std::string existing = dir.write("keep.csv", "keep");
    for (const Row& row : {
             Row{"no section", {"costs", plain, "--locale", "pt_BR"}, 1, "ANÁLISE ECONÔMICA"},
             Row{"count not a number", {"costs", badCount, "--locale", "pt_BR"}, 1, badLine},
             Row{"count not a number, json", {"run", badCount, "--locale", "pt_BR", "--json"}, 1, badLine},
             Row{"section cut short", {"costs", shortSection, "--locale", "pt_BR"}, 1, shortLine},
             Row{"period above 50 years", {"run", tooLong, "--locale", "pt_BR", "--json"}, 1, "50 anos"},
             Row{"unwritable output",
                 {"costs", good, "--locale", "pt_BR", "--out", dir.file("no/such/dir/x.csv")},
                 1,
                 "x.csv"},
             Row{"costs with --json", {"costs", good, "--json"}, 2, "--json"},
             Row{"run with --detailed", {"run", good, "--detailed"}, 2, "--detailed"},
             Row{"run with --out", {"run", good, "--out", existing}, 2, "--out"},
             Row{"--out without a path", {"costs", good, "--out"}, 2, "--out"},
             Row{"costs without a file", {"costs"}, 2, "arquivo"},
         }) {
        const CliRun r = cli(row.args);
        EXPECT_EQ(r.status, row.status) << row.name;
        EXPECT_EQ(r.out, "") << row.name;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << row.name << ": " << r.err;
        EXPECT_NE(r.err.find(row.mentions), std::string::npos) << row.name << ": " << r.err;
    }
    EXPECT_EQ(TempDir::read(existing), "keep");
    // Without --json, "run" does not read the section.
    EXPECT_EQ(cli({"run", badCount, "--locale", "pt_BR"}).status, 0);
}

}  // namespace
