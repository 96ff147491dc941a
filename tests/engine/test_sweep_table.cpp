// The sweep's data sheet as values and as export lines, the ideal member, and a simulation
// file loaded and run as the program runs it after a load.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "common/numtext.h"
#include "common/textfile.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/engine_error.h"
#include "engine/sim_file.h"
#include "engine/sweep_table.h"
#include "tests/support/systems.h"
#include "tests/support/temp_dir.h"

namespace {

const LocaleSettings kPt = LocaleSettings::ptBR();

TEST(SweepTable, OneRowPerMemberWithItsGainOverThePrevious) {
    auto set = testsys::sweep(3000, 1000, 1);
    set->simula();
    const SweepTable t = buildSweepTable(*set);
    ASSERT_EQ(t.rows.size(), std::size_t{4});
    for (std::size_t i = 0; i < t.rows.size(); ++i) {
        const TCaptAgua& m = *set->vecCaptAgua[i];
        const auto& r = t.rows[i];
        EXPECT_EQ(r[0], 1000.0 * static_cast<double>(i));
        EXPECT_EQ(r[1], m.dblEconPot);
        EXPECT_EQ(r[2], m.dblConsPluvMed);
        EXPECT_EQ(r[3], m.dblConsPotMed);
        EXPECT_EQ(r[4], m.dblVExtravMed);
        EXPECT_EQ(r[5], m.dblPorcAtendTotal);
        EXPECT_EQ(r[6], m.dblPorcAtendParc);
        EXPECT_EQ(r[7], m.dblPorcNaoAtend);
        // The ideal volume is the first member after the base whose gain is not above delta;
        // with none, every gain is above it.
        const auto row = static_cast<std::int32_t>(i);
        if (i == 0) {
            EXPECT_EQ(r[8], 0.0);
        } else if (set->indVolOtimo == -1 || row <= set->indVolOtimo) {
            EXPECT_EQ(r[8] > set->delta, row != set->indVolOtimo) << i;
        }
    }
    EXPECT_EQ(t.idealRow, set->indVolOtimo);
}

// Four members 500 L apart with figures set by hand; demand term 150 L × 4 people × 50 % =
// 300 L/day, so a gain is 100 × (rain used − rain used before) ÷ 300 ÷ 0,5 m³.
std::unique_ptr<TCaptAguaInterval> handSweep() {
    auto set = std::make_unique<TCaptAguaInterval>();
    set->interval = 500;
    set->delta = 10;
    // Rain used 0, 60, 105 and 114 L/day of the 600 L/day total demand.
    const double pluv[4] = {0, 60, 105, 114};
    set->vecCaptAgua.clear();
    for (int i = 0; i < 4; ++i) {
        auto m = std::make_unique<TCaptAgua>();
        m->vecDemAguaPot = {150};
        m->vecNroMor = {4};
        m->dblPorcSubs = 0.5;
        m->dblResInf = 500.0 * i;
        m->dblConsPluvMed = pluv[i];
        m->dblConsPotMed = 600 - pluv[i];
        m->dblEconPot = pluv[i] / 6;
        m->dblVExtravMed = 320 - 40 * i;
        m->dblPorcAtendTotal = 5.0 * i;
        m->dblPorcAtendParc = 30 - 2.5 * i;
        m->dblPorcNaoAtend = 70 - 2.5 * i;
        set->vecCaptAgua.push_back(std::move(m));
    }
    return set;
}

TEST(SweepTable, GainsOfAHandWorkedSweep) {
    const auto set = handSweep();
    set->simVolOtimo();
    const SweepTable t = buildSweepTable(*set);
    // Gains: 60 ÷ 300 ÷ 0,5 = 40 %, 45 ÷ 300 ÷ 0,5 = 30 %, 9 ÷ 300 ÷ 0,5 = 6 % per m³; the
    // first not above 10 is member 3's.
    const std::vector<std::array<double, kSweepColumns>> rows = {
        {0, 0, 0, 600, 320, 0, 30, 70, 0},
        {500, 10, 60, 540, 280, 5, 27.5, 67.5, 40},
        {1000, 17.5, 105, 495, 240, 10, 25, 65, 30},
        {1500, 19, 114, 486, 200, 15, 22.5, 62.5, 6},
    };
    EXPECT_EQ(t.rows, rows);
    EXPECT_EQ(t.idealRow, 3);
    EXPECT_EQ(sweepTableCsv(t, kPt)[3], "1000;17,5;105;495;240;10;25;65;30;");
}

// What the sheet shows: the volume with one decimal, every other column with two, in the
// locale's separator and without grouping; the values stay whole in the table.
TEST(SweepTable, TextsFixEachColumnToItsDecimals) {
    SweepTable t;
    t.rows = {{0, 0, 0, 600, 320, 0, 30, 70, 0}, {1234567.26, 20.126, 45, 255, 12345.678, 40, 50, 10, 5.006}};
    const std::vector<SweepRowTexts> pt = sweepTableTexts(t, kPt);
    ASSERT_EQ(pt.size(), std::size_t{2});
    EXPECT_EQ(pt[0],
              (SweepRowTexts{"0,0", "0,00", "0,00", "600,00", "320,00", "0,00", "30,00", "70,00", "0,00"}));
    EXPECT_EQ(pt[1], (SweepRowTexts{"1234567,3", "20,13", "45,00", "255,00", "12345,68", "40,00", "50,00",
                                    "10,00", "5,01"}));
    EXPECT_EQ(sweepTableTexts(t, LocaleSettings::enUS())[1][1], "20.13");
    EXPECT_TRUE(sweepTableTexts(SweepTable{}, kPt).empty());
}

TEST(SweepTable, CsvWritesTheCaptionsAndEveryDigit) {
    auto set = testsys::sweep(2000, 1000, 0);
    set->simula();
    const SweepTable table = buildSweepTable(*set);
    const auto lines = sweepTableCsv(table, kPt);
    ASSERT_EQ(lines.size(), std::size_t{4});
    EXPECT_EQ(lines[0],
              "Volume (litros);Potencial de economia de água potável (%);Volume consumido de água pluvial "
              "(litros/dia); Volume consumido de água potável (litros/dia);Volume extravasado         "
              "(litros/dia);Demanda de água pluvial éatendida completamente (%);Demanda de água pluvial é  "
              "atendida parcialmente (%);Demanda de água pluvial      não é atendida (%);  Diferença entre "
              "potenciaisde atendimento pluvial (%/m³);");
    const TCaptAgua& m = *set->vecCaptAgua[2];
    EXPECT_EQ(lines[3],
              "2000;" + formatGeneral(m.dblEconPot, kPt) + ";" + formatGeneral(m.dblConsPluvMed, kPt) + ";" +
                  formatGeneral(m.dblConsPotMed, kPt) + ";" + formatGeneral(m.dblVExtravMed, kPt) + ";" +
                  formatGeneral(m.dblPorcAtendTotal, kPt) + ";" + formatGeneral(m.dblPorcAtendParc, kPt) +
                  ";" + formatGeneral(m.dblPorcNaoAtend, kPt) + ";" + formatGeneral(table.rows[2][8], kPt) +
                  ";");
    EXPECT_TRUE(lines[1].starts_with("0;"));
    EXPECT_TRUE(lines[1].ends_with(";0;"));  // no gain in row 0
}

struct IdealCase {
    const char* name;
    std::int32_t ind;
    std::size_t members;
    int expected;  // index of the member, -1 for none
};

class IdealMember : public ::testing::TestWithParam<IdealCase> {};

TEST_P(IdealMember, OnlyAMemberAfterTheFirstIsIdeal) {
    const IdealCase& c = GetParam();
    TCaptAguaInterval set;
    set.vecCaptAgua.resize(c.members);
    for (auto& m : set.vecCaptAgua) m = std::make_unique<TCaptAgua>();
    set.indVolOtimo = c.ind;
    const TCaptAgua* ideal = set.idealMember();
    if (c.expected < 0) {
        EXPECT_EQ(ideal, nullptr);
    } else {
        EXPECT_EQ(ideal, set.vecCaptAgua[static_cast<std::size_t>(c.expected)].get());
    }
    EXPECT_EQ(buildSweepTable(set).idealRow, c.expected);
}

const IdealCase kIdealCases[] = {
    {"NoneSought", -1, 4, -1},  {"FreshObject", 0, 1, -1},    {"FirstStep", 1, 4, 1},
    {"LastMember", 3, 4, 3},    {"PastTheMembers", 4, 4, -1}, {"FarOut", 1000, 4, -1},
    {"OneVolumeSet", 1, 1, -1},
};
INSTANTIATE_TEST_SUITE_P(Indices, IdealMember, ::testing::ValuesIn(kIdealCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A file saved from a set runs again, loaded, to the same figures; the lines read come back.
struct LoadRunCase {
    const char* name;
    bool sweep;
    bool demandSized;
};

class LoadAndRun : public ::testing::TestWithParam<LoadRunCase> {};

TEST_P(LoadAndRun, GivesTheSavedFigures) {
    const LoadRunCase& c = GetParam();
    auto set = c.sweep ? testsys::sweep(3000, 1000, 1) : testsys::household(800, 2500);
    TCaptAgua& p = set->base();
    if (c.demandSized) {
        p.flagResSupDem = true;
        p.dblResSup = p.resSupFromDemand();
        p.dblResSupMinRec = 50;
    }
    if (c.sweep)
        set->simula();
    else
        p.simula();
    TempDir tmp;
    const std::string path = tmp.file("sim.csv");
    set->saveSim(path, {"ANÁLISE ECONÔMICA", "linha"}, kPt);
    // A demand-sized volume stored wrongly in the file is sized again from the demand.
    if (c.demandSized) {
        auto lines = readTextLines(path);
        for (auto& l : lines)
            if (l.rfind("Reservatório superior (litros);", 0) == 0) l = "Reservatório superior (litros);1;-1";
        writeTextLines(path, lines);
    }

    const LoadedSimulation loaded = loadAndRunSimulation(path, kPt);
    EXPECT_EQ(loaded.lines, readTextLines(path));
    const TCaptAguaInterval& again = *loaded.sim;
    ASSERT_EQ(again.vecCaptAgua.size(), set->vecCaptAgua.size());
    EXPECT_EQ(again.base().dblResSup, p.dblResSup);
    if (c.sweep) {
        EXPECT_EQ(again.indVolOtimo, set->indVolOtimo);
    }
    EXPECT_EQ(again.resultLines(kPt), set->resultLines(kPt));
}

const LoadRunCase kLoadRunCases[] = {
    {"OneVolume", false, false},
    {"OneVolumeDemandSized", false, true},
    {"Sweep", true, false},
    {"SweepDemandSized", true, true},
};
INSTANTIATE_TEST_SUITE_P(Files, LoadAndRun, ::testing::ValuesIn(kLoadRunCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadAndRun, AFileThatCannotRunThrowsAfterLoading) {
    auto set = testsys::sweep(3000, 1000, 0);
    set->simula();
    TempDir tmp;
    const std::string path = tmp.file("sim.csv");
    set->saveSim(path, {}, kPt);
    auto lines = readTextLines(path);
    for (auto& l : lines)
        if (l.rfind("Reservatório inferior (litros);", 0) == 0) l = "Reservatório inferior (litros);3000;0;0";
    writeTextLines(path, lines);
    LoadedSimulation loaded = readSimulationFile(path, kPt);
    EXPECT_EQ(loaded.sim->volmax, 3000.0);
    EXPECT_THROW(runLoadedSimulation(*loaded.sim), EngineError);
    EXPECT_THROW(loadAndRunSimulation(path, kPt), EngineError);
}

}  // namespace
