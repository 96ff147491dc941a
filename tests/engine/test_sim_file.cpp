#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "common/numtext.h"
#include "common/platform.h"
#include "common/textfile.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/engine_error.h"
#include "engine/sim_file.h"
#include "tests/support/rows.h"
#include "tests/support/systems.h"
#include "tests/support/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;
const LocaleSettings kPt = LocaleSettings::ptBR();
const LocaleSettings kEn = LocaleSettings::enUS();

// The line after the one that starts with `label`, or that line itself.
std::string lineStarting(const Lines& lines, const std::string& label) {
    for (const auto& l : lines) {
        if (l.rfind(label, 0) == 0) return l;
    }
    return "<none>";
}

// `a` was loaded from a file saved from `b` after b's run: its series is b's discarded one.
void expectSameInputs(const TCaptAgua& a, const TCaptAgua& b) {
    EXPECT_EQ(a.vecDadosPrecOrig, b.vecDadosPrec);
    EXPECT_EQ(a.dateDadosPrec, b.dateDadosPrec);
    EXPECT_EQ(a.dblDescartPrec, b.dblDescartPrec);
    EXPECT_EQ(a.dblAreaCapt, b.dblAreaCapt);
    EXPECT_EQ(a.vecDemAguaPot, b.vecDemAguaPot);
    EXPECT_EQ(a.vecDemAguaPotMensal, b.vecDemAguaPotMensal);
    EXPECT_EQ(a.boolDemAguaPotMensal, b.boolDemAguaPotMensal);
    EXPECT_EQ(a.vecNroMor, b.vecNroMor);
    EXPECT_EQ(a.vecNroMorMensal, b.vecNroMorMensal);
    EXPECT_EQ(a.boolNroMorMensal, b.boolNroMorMensal);
    EXPECT_EQ(a.dblPorcSubs, b.dblPorcSubs);
    EXPECT_EQ(a.dblCoefAprov, b.dblCoefAprov);
    EXPECT_EQ(a.dblResSup, b.dblResSup);
    EXPECT_EQ(a.dblResSupMinRec, b.dblResSupMinRec);
    EXPECT_EQ(a.flagResSupDem, b.flagResSupDem);
    EXPECT_EQ(a.dblResInf, b.dblResInf);
    ASSERT_TRUE(a.strObs && b.strObs);
    EXPECT_EQ(*a.strObs, *b.strObs);
}

TEST(SeriesLines, HeaderFullLinesAndLastLine) {
    struct Row {
        std::size_t n;
        const char* header;
        std::size_t lines;
        std::size_t lastFields;  // values on the last line, each followed by ";"
    };
    for (const Row& r : {Row{3650, "10000;0;3650", 2, 3650}, Row{20000, "10000;2;0", 4, 0},
                         Row{20001, "10000;2;1", 4, 1}, Row{0, "10000;0;0", 2, 0}}) {
        doubleArray v(r.n, 1.5);
        const Lines lines = chunkVector(v, kPt);
        ASSERT_EQ(lines.size(), r.lines) << r.n;
        EXPECT_EQ(lines[0], r.header);
        EXPECT_EQ(std::count(lines.back().begin(), lines.back().end(), ';'), static_cast<long>(r.lastFields));
        if (r.n >= 10000) {
            EXPECT_EQ(std::count(lines[1].begin(), lines[1].end(), ';'), 10000);
        }
        std::size_t next = 0;
        EXPECT_EQ(unchunkVector(lines, 0, next, kPt), v);
        EXPECT_EQ(next, lines.size());
    }
    EXPECT_EQ(chunkVector({12.5, 0, 3.25}, kPt)[1], "12,5;0;3,25;");
}

TEST(SimFile, InputLinesOfASingleVolume) {
    auto set = testsys::household(30);
    TCaptAgua& p = set->base();
    p.dblResSup = 300;
    p.flagResSupDem = true;
    p.dblResSupMinRec = 100;
    p.simula();
    const Lines lines = set->simLines({}, kPt);
    EXPECT_EQ(lines[0], "Arquivo dados de precipitação;chuva.txt");
    EXPECT_EQ(lines[1], "Dados de precipitação");
    EXPECT_EQ(lines[2], "10000;0;30");
    EXPECT_EQ(lines[4], "Descarte precipitação;2");
    EXPECT_EQ(lines[5], "Data inicial;01/01/2012");
    EXPECT_EQ(lines[6], "Área de captação (m²);100");
    EXPECT_EQ(lines[7], "Demanda de água total;0;1;150;");
    EXPECT_EQ(lines[8], "Número de moradores;0;1;4;");
    EXPECT_EQ(lines[9], "Percentual de água potável a ser substituída por pluvial;0,5");
    EXPECT_EQ(lines[10], "Coeficiente de escoamento superficial;0,8");
    EXPECT_EQ(lines[11], "Reservatório superior (litros);300;-1");
    EXPECT_EQ(lines[12], "Limiar recalque (litros);100");
    EXPECT_EQ(lines[13], "Observações (linhas);1");
    EXPECT_EQ(lines[14], "Casa de teste");
    EXPECT_EQ(lines[15], "Reservatório inferior (litros);5000");
    EXPECT_EQ(lines[16], "");
    EXPECT_EQ(lines[17], "");
    EXPECT_EQ(lines[18], "RESULTADO DA SIMULAÇÃO");
    EXPECT_EQ(lines[19], "Potencial de economia (%);" + formatNumber(p.dblEconPot, 4, 2, kPt));
    EXPECT_EQ(lines[20],
              "Volume consumido médio de água pluvial (litros/dia);" + formatGeneral6(p.dblConsPluvMed, kPt));
    EXPECT_EQ(lines.back(), "Dias em que a demanda de água pluvial não é atendida (%);" +
                                formatNumber(p.dblPorcNaoAtend, 4, 2, kPt));
    EXPECT_EQ(lines.size(), 26u);
}

TEST(SimFile, MonthlyDemandNoUpperReservoirAndEconomicLines) {
    auto set = testsys::household(30);
    TCaptAgua& p = set->base();
    p.boolDemAguaPotMensal = true;
    p.vecDemAguaPotMensal = doubleArray(12, 3000);
    const Lines lines = set->simLines({"ANÁLISE ECONÔMICA", "linha 2"}, kPt);
    EXPECT_EQ(lines[7],
              "Demanda de água total;1;12;3000;3000;3000;3000;3000;3000;3000;3000;3000;3000;3000;3000;");
    EXPECT_EQ(lines[11], "Reservatório superior (litros);0;0");
    EXPECT_EQ(lines[17], "ANÁLISE ECONÔMICA");
    EXPECT_EQ(lines[18], "linha 2");
    EXPECT_EQ(lines[19], "");
    EXPECT_EQ(lines[20], "RESULTADO DA SIMULAÇÃO");
}

TEST(SimFile, SweepSettingsRowsAndIdealVolume) {
    auto set = testsys::sweep(5000, 1000, 12.5);
    set->simula();
    const Lines lines = set->simLines({}, kPt);
    EXPECT_EQ(lineStarting(lines, "Reservatório inferior (litros);5000"),
              "Reservatório inferior (litros);5000;1000;12,5");
    const auto res = std::find(lines.begin(), lines.end(), "RESULTADO DA SIMULAÇÃO");
    ASSERT_NE(res, lines.end());
    EXPECT_EQ(res[1].rfind("Reservatório inferior (litros);Potencial de economia (%);", 0), 0u);
    EXPECT_TRUE(res[1].ends_with(";Diferença entre potenciais de atendimento pluvial (%/m³)"));
    EXPECT_EQ(res[2].rfind("0;", 0), 0u);
    EXPECT_EQ(res[2].back(), ';');
    EXPECT_EQ(std::count(res[2].begin(), res[2].end(), ';'), 8);
    for (int i = 1; i <= 5; ++i) {
        const std::string& row = res[2 + i];
        EXPECT_EQ(row.rfind(std::to_string(i * 1000) + ";", 0), 0u) << row;
        EXPECT_EQ(std::count(row.begin(), row.end(), ';'), 8) << row;
        EXPECT_NE(row.back(), ';');
    }
    ASSERT_NE(set->indVolOtimo, -1);
    const TCaptAgua& ideal = *set->vecCaptAgua[static_cast<std::size_t>(set->indVolOtimo)];
    EXPECT_EQ(res[8], "");
    EXPECT_EQ(res[9], "Volume ideal para o reservatório inferior;" + formatGeneral(ideal.dblResInf, kPt));
    EXPECT_EQ(res[10], "Potencial de economia (%);" + formatNumber(ideal.dblEconPot, 4, 2, kPt));
    EXPECT_EQ(res + 11, lines.end());
}

TEST(SimFile, SweepWithoutMembersIsASingleVolumeFile) {
    auto set = testsys::sweep(500, 1000, 2);
    set->simula();
    const Lines lines = set->simLines({}, kPt);
    EXPECT_EQ(lineStarting(lines, "Reservatório inferior"), "Reservatório inferior (litros);0");
    EXPECT_EQ(lineStarting(lines, "Potencial de economia (%);"), "Potencial de economia (%);0,00");
}

TEST(SimFile, SaveBeforeAnyRunWritesTheDiscardedSeries) {
    auto set = testsys::household(5);
    set->base().vecDadosPrecOrig = {1.9, 2.0, 5.0, 0, 7.5};
    EXPECT_EQ(set->simLines({}, kPt)[3], "0;2;5;0;7,5;");
}

class SimFileRoundTrip : public testing::Test {
  protected:
    TempDir dir;
    // Saves, loads into a fresh set and returns it.
    std::unique_ptr<TCaptAguaInterval> reload(const TCaptAguaInterval& set, const std::string& name,
                                              const LocaleSettings& saveLoc, const LocaleSettings& loadLoc) {
        const std::string path = dir.file(name);
        set.saveSim(path, {}, saveLoc);
        auto loaded = std::make_unique<TCaptAguaInterval>();
        loaded->loadSim(path, loadLoc);
        return loaded;
    }
};

TEST_F(SimFileRoundTrip, SaveLoadSaveKeepsEveryInput) {
    auto set = testsys::household(12345);
    set->base().strObs->push_back("com ; ponto e vírgula; e acentos");
    set->base().simula();
    auto first = reload(*set, "a.csv", kPt, kPt);
    EXPECT_EQ(first->base().strArqPrec, dir.file("a.csv"));
    EXPECT_EQ(first->vecCaptAgua.size(), 1u);
    EXPECT_EQ(first->volmax, 0);
    EXPECT_EQ(first->base().dblEconPot, 0);  // results are not read back
    expectSameInputs(first->base(), set->base());
    first->base().simula();
    auto second = reload(*first, "b.csv", kPt, kPt);
    expectSameInputs(second->base(), first->base());
    EXPECT_EQ(second->base().vecDadosPrecOrig, first->base().vecDadosPrecOrig);
    EXPECT_EQ(readTextLines(dir.file("b.csv"))[0], "Arquivo dados de precipitação;" + dir.file("a.csv"));
    second->base().simula();
    EXPECT_EQ(second->base().dblEconPot, set->base().dblEconPot);
}

TEST_F(SimFileRoundTrip, FilesOpenUnderTheOtherDecimalSeparator) {
    auto set = testsys::household(20001);
    set->base().dblDescartPrec = 0.5;
    set->base().dblPorcSubs = 0.35;
    set->base().vecDadosPrecOrig[3] = 12.25;
    set->base().vecDadosPrecOrig[20000] = 0.75;
    set->base().simula();
    // Dates keep to the loading locale's pattern: same pattern, other separators.
    const LocaleSettings gb = LocaleSettings::fromName("en_GB");
    using Pair = std::pair<const LocaleSettings*, const LocaleSettings*>;
    for (auto [save, load] : {Pair{&kPt, &gb}, Pair{&gb, &kPt}}) {
        auto loaded = reload(*set, "x.csv", *save, *load);
        expectSameInputs(loaded->base(), set->base());
    }
}

TEST_F(SimFileRoundTrip, MonthlyInputsAreExpandedOnLoad) {
    auto set = testsys::household(400);
    TCaptAgua& p = set->base();
    p.boolNroMorMensal = true;
    p.vecNroMorMensal = {2, 2, 2, 2, 2, 2, 4, 4, 4, 4, 4, 4};
    p.dateDadosPrec = *TDate::fromYMD(2012, 3, 1);
    auto loaded = reload(*set, "m.csv", kPt, kPt);
    const TCaptAgua& q = loaded->base();
    EXPECT_TRUE(q.boolNroMorMensal);
    EXPECT_EQ(q.vecNroMorMensal, p.vecNroMorMensal);
    ASSERT_EQ(q.vecNroMor.size(), 365u);
    EXPECT_EQ(q.vecNroMor[0], 2);    // 1 March
    EXPECT_EQ(q.vecNroMor[122], 4);  // 1 July
}

TEST_F(SimFileRoundTrip, SweepSettingsComeBack) {
    auto set = testsys::sweep(5000, 1000, 2);
    set->simula();
    auto loaded = reload(*set, "s.csv", kPt, kPt);
    EXPECT_EQ(loaded->volmax, 5000);
    EXPECT_EQ(loaded->interval, 1000);
    EXPECT_EQ(loaded->delta, 2);
    EXPECT_EQ(loaded->vecCaptAgua.size(), 1u);
    EXPECT_EQ(loaded->base().dblResInf, 0);
}

// ---------------------------------------------------------------------------------------
// The start date of a file saved under another locale. Files are built as the program saves
// them (the style of examples/en_US), with the date typed as the saving machine writes it.

struct StartDateCase {
    const char* name;
    const char* savedUnder;  // the saving machine's locale
    bool decimals;           // the file's numbers show its decimal mark
    const char* dateText;    // the "Data inicial" field
    const char* openedUnder;
    int y, m, d;  // the date the load takes
    bool notice;  // the load says which date it took
};

// A household whose saved numbers are whole (no decimal mark in the file) when asked.
Lines savedWithDate(const LocaleSettings& saveLoc, bool decimals, const std::string& dateText) {
    auto set = testsys::household(400);
    if (!decimals) {
        for (double& v : set->base().vecDadosPrecOrig) v = std::round(v);
        set->base().dblPorcSubs = 1;
        set->base().dblCoefAprov = 1;
    }
    Lines lines = set->simLines({}, saveLoc);
    for (auto& l : lines) {
        if (l.rfind("Data inicial;", 0) == 0) l = "Data inicial;" + dateText;
    }
    return lines;
}

class SimFileStartDate : public testing::TestWithParam<StartDateCase> {};

TEST_P(SimFileStartDate, ReadInTheSavingMachinesOrder) {
    const StartDateCase& c = GetParam();
    const Lines lines = savedWithDate(LocaleSettings::fromName(c.savedUnder), c.decimals, c.dateText);
    TCaptAguaInterval loaded;
    const std::string notice = loaded.loadSimLines(lines, "f.csv", LocaleSettings::fromName(c.openedUnder));
    EXPECT_EQ(loaded.base().dateDadosPrec, *TDate::fromYMD(c.y, c.m, c.d))
        << formatDate(loaded.base().dateDadosPrec, kPt);
    EXPECT_EQ(!notice.empty(), c.notice) << notice;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SimFileStartDate,
    testing::Values(
        StartDateCase{"EnUsUnderPtBrIsMonthFirst", "en_US", true, "2/1/2012", "pt_BR", 2012, 2, 1, false},
        StartDateCase{"EnUsUnderPtBrDayAbove12", "en_US", true, "3/15/2012", "pt_BR", 2012, 3, 15, false},
        StartDateCase{"PtBrUnderEnUsIsDayFirst", "pt_BR", true, "02/01/2012", "en_US", 2012, 1, 2, false},
        StartDateCase{"PtBrUnderEnUsDayAbove12", "pt_BR", true, "15/03/2012", "en_US", 2012, 3, 15, false},
        StartDateCase{"EnUsUnderEnUs", "en_US", true, "2/1/2012", "en_US", 2012, 2, 1, false},
        StartDateCase{"PtBrUnderPtBr", "pt_BR", true, "02/01/2012", "pt_BR", 2012, 1, 2, false},
        // A point machine that writes the day first: the day above 12 shows the order.
        StartDateCase{"EnGbUnderPtBrDayAbove12", "en_GB", true, "15/03/2012", "pt_BR", 2012, 3, 15, false},
        StartDateCase{"IsoDate", "en_US", true, "2012-02-01", "pt_BR", 2012, 2, 1, false},
        StartDateCase{"OtherSeparators", "pt_BR", true, "01.02.2012", "en_US", 2012, 2, 1, false},
        // Whole numbers only: the file does not show its machine.
        StartDateCase{"NoMarkTakesTheUsersOrderAndSays", "en_US", false, "2/1/2012", "pt_BR", 2012, 1, 2,
                      true},
        StartDateCase{"NoMarkUnderEnUsSays", "pt_BR", false, "02/01/2012", "en_US", 2012, 2, 1, true},
        StartDateCase{"NoMarkDayAbove12ShowsTheOrder", "en_US", false, "3/15/2012", "pt_BR", 2012, 3, 15,
                      false},
        StartDateCase{"NoMarkDayEqualsMonth", "en_US", false, "1/1/2012", "pt_BR", 2012, 1, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SimFileStartDateNotice, SaysWhichDateWasTaken) {
    TCaptAguaInterval loaded;
    const std::string notice = loaded.loadSimLines(savedWithDate(kEn, false, "2/1/2012"), "f.csv", kPt);
    EXPECT_EQ(notice,
              "A data inicial do arquivo, \"2/1/2012\", não mostra se o dia vem antes do mês; foi lida "
              "como dia 2 do mês 1 de 2012 (02/01/2012).");
}

// Monthly inputs are laid over the year from the start date as the file means it.
TEST(SimFileStartDateMonthly, MonthlyInputsFollowTheDateRead) {
    auto set = testsys::household(400);
    TCaptAgua& p = set->base();
    p.boolNroMorMensal = true;
    p.vecNroMorMensal = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    p.dateDadosPrec = *TDate::fromYMD(2012, 3, 1);
    TCaptAguaInterval loaded;
    loaded.loadSimLines(set->simLines({}, kEn), "f.csv", kPt);  // "3/1/2012": 1 March
    const TCaptAgua& q = loaded.base();
    EXPECT_EQ(q.dateDadosPrec, *TDate::fromYMD(2012, 3, 1));
    ASSERT_EQ(q.vecNroMor.size(), 365u);
    EXPECT_EQ(q.vecNroMor[0], 3);    // 1 March
    EXPECT_EQ(q.vecNroMor[122], 7);  // 1 July
}

// A file saved by the program with one line changed.
struct Malformed {
    const char* name;
    std::size_t line;  // 1-based, 0: cut the file after `cutAfter` lines
    const char* text;
    std::size_t cutAfter;
    const char* expectedLine;  // "linha N" the message must name
    std::size_t line2 = 0;     // a second line to change, when the fault takes two
    const char* text2 = "";
};

class SimFileMalformed : public testing::TestWithParam<Malformed> {};

TEST_P(SimFileMalformed, EndsInAnErrorNamingTheLineAndLeavesTheSetAlone) {
    const Malformed& m = GetParam();
    auto set = testsys::household(30);
    set->base().simula();
    Lines lines = set->simLines({}, kPt);
    if (m.line > 0) lines[m.line - 1] = m.text;
    if (m.line2 > 0) lines[m.line2 - 1] = m.text2;
    if (m.cutAfter > 0) lines.resize(m.cutAfter);
    TCaptAguaInterval target;
    target.base().dblAreaCapt = 77;  // what the user had before
    try {
        target.loadSimLines(lines, "f.csv", kPt);
        FAIL() << "loaded";
    } catch (const EngineError& e) {
        EXPECT_NE(std::string(e.what()).find(m.expectedLine), std::string::npos) << "message: " << e.what();
    }
    EXPECT_EQ(target.base().dblAreaCapt, 77);
    EXPECT_TRUE(target.base().vecDadosPrecOrig.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, SimFileMalformed,
    testing::Values(Malformed{"Empty", 0, "", 1, "linha 3"},
                    Malformed{"HeaderNotNumbers", 3, "10000;x;30", 0, "linha 3"},
                    Malformed{"HeaderShort", 3, "10000;0", 0, "linha 3"},
                    Malformed{"HugeHeader", 3, "1000000000000;1000000000000;5", 0, "linha 3"},
                    Malformed{"HugeLastCount", 3, "10000;0;1000000000000", 0, "linha 3"},
                    Malformed{"FullLineMissing", 3, "10000;1;30", 0, "linha 3"},
                    Malformed{"FullLineShort", 3, "3;1;2", 0, "linha 4", 4, "1;2;"},
                    Malformed{"BadValue", 3, "10000;0;3", 0, "linha 4", 4, "1;x;3;"},
                    Malformed{"BadDiscard", 5, "Descarte precipitação;abc", 0, "linha 5"},
                    Malformed{"BadDate", 6, "Data inicial;31/02/2012", 0, "linha 6"},
                    Malformed{"NoArea", 7, "Área de captação (m²)", 0, "linha 7"},
                    Malformed{"DemandCountTooLarge", 8, "Demanda de água total;0;5;150;", 0, "linha 8"},
                    Malformed{"MonthlyNotTwelve", 8, "Demanda de água total;1;3;1;2;3;", 0, "linha 8"},
                    Malformed{"NoOccupants", 9, "Número de moradores;0;0;", 0, "linha 9"},
                    Malformed{"UpperFlagMissing", 12, "Reservatório superior (litros);300", 0, "linha 12"},
                    Malformed{"ObservationsBeyondFile", 14, "Observações (linhas);99", 0, "linha 14"},
                    Malformed{"LowerVolumeMissing", 16, "Reservatório inferior (litros);", 0, "linha 16"},
                    Malformed{"SweepWithoutDelta", 16, "Reservatório inferior (litros);5000;1000", 0,
                              "linha 16"},
                    Malformed{"CutBeforeLowerReservoir", 0, "", 15, "linha 16"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SimFileErrors, MissingFileAndFailedSave) {
    TempDir dir;
    TCaptAguaInterval set;
    EXPECT_THROW(set.loadSim(dir.file("nope.csv"), kPt), FileError);
    auto sim = testsys::household(30);
    const std::string path = dir.write("keep.csv", "what was there\r\n");
    std::filesystem::create_directory(path + ".tmp-" + std::to_string(processNumber()));
    EXPECT_THROW(sim->saveSim(path, {}, kPt), FileError);
    EXPECT_EQ(TempDir::read(path), "what was there\r\n");
}

}  // namespace
