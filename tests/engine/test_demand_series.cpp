// The series of the variable demand and occupants editor: the grid's layouts for a period,
// what the editor opens with for a simulation's series, the values read back, the text the
// scenario lists keep, and the value files.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/numtext.h"
#include "common/textfile.h"
#include "engine/demand_series.h"
#include "tests/support/rows.h"
#include "tests/support/temp_dir.h"

namespace {

using Texts = std::vector<std::string>;

const Texts kWeek = {"Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sab"};
const Texts kMonths = {"Jan", "Fev", "Mar", "Abr", "Mai", "Jun", "Jul", "Ago", "Set", "Out", "Nov", "Dez"};

Texts numbers(int n) {
    Texts t;
    for (int i = 1; i <= n; ++i) t.push_back(formatGeneral(static_cast<double>(i), LocaleSettings::ptBR()));
    return t;
}

// ---------------------------------------------------------------------------------------
// "OK": the layout of a period

struct LayoutCase {
    const char* name;
    const char* period;
    bool monthly;
    const char* corner;
    int labelWidth;
    Texts labels;
};

class PeriodLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(PeriodLayout, LabelsTheRows) {
    const LayoutCase& c = GetParam();
    const DemandGridLayout layout = periodLayout(c.period, c.monthly);
    EXPECT_EQ(layout.corner, c.corner);
    EXPECT_EQ(layout.labelWidth, c.labelWidth);
    EXPECT_EQ(layout.rowLabels, c.labels);
}

INSTANTIATE_TEST_SUITE_P(
    Periods, PeriodLayout,
    ::testing::Values(LayoutCase{"WeekDaily", "7", false, "Dia", 50, kWeek},
                      // Under "Mensal" the period is the 12 months, whatever the box holds.
                      LayoutCase{"SevenUnderMonthlyIsTheMonths", "7", true, "Mês", 50, kMonths},
                      LayoutCase{"LongPeriodUnderMonthlyIsTheMonths", "1001", true, "Mês", 50, kMonths},
                      LayoutCase{"EightDays", "8", false, "Dia", 30, numbers(8)},
                      LayoutCase{"OneDay", "1", false, "Dia", 30, numbers(1)},
                      LayoutCase{"Months", "12", true, "Mês", 50, kMonths},
                      LayoutCase{"MonthlyWithOtherPeriod", "5", true, "Mês", 50, kMonths},
                      LayoutCase{"LeadingZeroIsNotTheWeek", "07", false, "Dia", 30, numbers(7)},
                      LayoutCase{"Longest", "1000", false, "Dia", 30, numbers(1000)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PeriodLayoutRefused, AboveOneThousandDays) {
    try {
        periodLayout("1001", false);
        FAIL() << "1001 laid out";
    } catch (const SeriesTooLongError& e) {
        EXPECT_STREQ(e.what(), "Valor muito elevado");
    }
}

TEST(PeriodLayoutRefused, TextThatIsNotAWholeNumberOfDays) {
    for (const char* text : {"", "abc", "2,5", "-3"}) {
        EXPECT_THROW(periodLayout(text, false), ConversionError) << text;
    }
}

TEST(ColumnHeader, NamesTheQuantityAndItsUnit) {
    EXPECT_EQ(demandColumnHeader(false, false), "Demanda total de água (litros per capita/dia)");
    EXPECT_EQ(demandColumnHeader(false, true), "Demanda total de água (litros/mês)");
    EXPECT_EQ(demandColumnHeader(true, false), "Número de moradores");
    EXPECT_EQ(demandColumnHeader(true, true), "Número de moradores");
}

// ---------------------------------------------------------------------------------------
// Reopening the editor on a simulation's series

struct ContentsCase {
    const char* name;
    doubleArray daily;
    doubleArray monthlyValues;
    bool monthly;
    const char* period;
    Texts labels;
    Texts values;
};

class EditorContents : public ::testing::TestWithParam<ContentsCase> {};

TEST_P(EditorContents, ShowsTheSeriesInItsLayout) {
    const ContentsCase& c = GetParam();
    const DemandEditorContents got =
        demandEditorContents(c.daily, c.monthlyValues, c.monthly, LocaleSettings::ptBR());
    EXPECT_EQ(got.period, c.period);
    EXPECT_EQ(got.monthly, c.monthly);
    EXPECT_EQ(got.layout.rowLabels, c.labels);
    EXPECT_EQ(got.values, c.values);
}

// A monthly series after a run: the engine has spread it over a 365-day table.
const doubleArray kYear(365, 4.0);
const doubleArray kMonthly = {3, 3, 4, 4, 5, 5, 5, 5, 4, 4, 3, 3.5};
const Texts kMonthlyTexts = {"3", "3", "4", "4", "5", "5", "5", "5", "4", "4", "3", "3,5"};

INSTANTIATE_TEST_SUITE_P(
    Series, EditorContents,
    ::testing::Values(
        ContentsCase{"ThreeDays", {2, 3.5, 4}, {}, false, "3", numbers(3), {"2", "3,5", "4"}},
        ContentsCase{
            "Week", {1, 2, 3, 4, 5, 6, 7}, {}, false, "7", kWeek, {"1", "2", "3", "4", "5", "6", "7"}},
        ContentsCase{"OneFixedValue", {150}, {}, false, "1", numbers(1), {"150"}},
        ContentsCase{"MonthlyAfterARun", kYear, kMonthly, true, "12", kMonths, kMonthlyTexts},
        ContentsCase{"MonthlyBeforeAnyRun", {}, kMonthly, true, "12", kMonths, kMonthlyTexts},
        ContentsCase{
            "MonthlyOverAWeek", {1, 2, 3, 4, 5, 6, 7}, kMonthly, true, "12", kMonths, kMonthlyTexts}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// The values read back

TEST(JoinSeriesTexts, SemicolonAndSpaceBetweenValues) {
    EXPECT_EQ(joinSeriesTexts({"100", "120", "90"}), "100; 120; 90");
    EXPECT_EQ(joinSeriesTexts({"100"}), "100");
    EXPECT_EQ(joinSeriesTexts({"1,5", ""}), "1,5; ");
}

TEST(SeriesRowCount, TwelveMonthsOrThePeriod) {
    EXPECT_EQ(seriesRowCount("12", true), 12U);
    EXPECT_EQ(seriesRowCount("", true), 12U);
    EXPECT_EQ(seriesRowCount("7", false), 7U);
    EXPECT_EQ(seriesRowCount("0", false), 0U);
    EXPECT_THROW(seriesRowCount("", false), ConversionError);
}

TEST(PeriodGridDisagreement, AsksForOkWhenThePeriodChangedWithoutIt) {
    EXPECT_EQ(periodGridDisagreement(7, 7), std::nullopt);
    EXPECT_EQ(periodGridDisagreement(5, 7),
              "O período de repetição (5) difere da planilha, que tem 7 linhas. Clique em \"OK\" para "
              "refazer a planilha antes de concluir.");
    EXPECT_EQ(periodGridDisagreement(3, 1),
              "O período de repetição (3) difere da planilha, que tem 1 linha. Clique em \"OK\" para "
              "refazer a planilha antes de concluir.");
}

// What a spreadsheet, a text editor or a web page puts on the clipboard for a column.
TEST(PastedColumn, OneTextARow) {
    const std::vector<std::pair<std::string, Texts>> cases = {
        {"4\n4,5\n5\n", {"4", "4,5", "5"}},        // a spreadsheet's column, Linux
        {"4\r\n4,5\r\n5\r\n", {"4", "4,5", "5"}},  // the same, Windows
        {"4\r4,5\r5", {"4", "4,5", "5"}},          // old Mac line ends, no final break
        {"120", {"120"}},                          // one cell
        {"1\n\n3\n", {"1", "", "3"}},              // an empty cell in the middle stays a row
        {"Jan\t120\nFev\t130\n", {"Jan", "Fev"}},  // two columns copied: the first one
        {"\t120\n", {""}},                         // an empty first column
        {"", {}},
    };
    for (const auto& [clipboard, want] : cases) EXPECT_EQ(pastedColumnTexts(clipboard), want) << clipboard;
}

TEST(SeriesValueMissing, EmptyOrAbsentRows) {
    EXPECT_FALSE(anySeriesValueMissing({"1", "2", ""}, 2));
    EXPECT_TRUE(anySeriesValueMissing({"1", "", "3"}, 3));
    EXPECT_TRUE(anySeriesValueMissing({"1"}, 3));  // the period grew without "OK"
}

struct ReadCase {
    const char* name;
    Texts texts;
    Texts labels;
    const char* locale;
    doubleArray expected;  // when every value reads
    const char* message;   // when one does not
};

class ReadValues : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadValues, EveryValueOrAnErrorNamingTheRow) {
    const ReadCase& c = GetParam();
    const LocaleSettings loc = LocaleSettings::fromName(c.locale);
    if (!c.message) {
        EXPECT_EQ(readSeriesValues(c.texts, c.labels, c.texts.size(), loc), c.expected);
        return;
    }
    try {
        readSeriesValues(c.texts, c.labels, c.texts.size(), loc);
        FAIL() << "expected a ConversionError";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ReadValues,
    ::testing::Values(
        ReadCase{"CommaLocale", {"100", "120,5", "0"}, {"1", "2", "3"}, "pt_BR", {100, 120.5, 0}, nullptr},
        ReadCase{"PointLocale", {"1.5", "2"}, {"1", "2"}, "en_US", {1.5, 2}, nullptr},
        ReadCase{
            "PastedText", {"100", "cem"}, {"Jan", "Fev"}, "pt_BR", {}, "Fev: 'cem' não é um número válido."},
        ReadCase{"NumberedRow",
                 {"1", "2", "x"},
                 {"1", "2", "3"},
                 "pt_BR",
                 {},
                 "Linha 3: 'x' não é um número válido."},
        ReadCase{
            "Negative", {"-5"}, {"Dom"}, "pt_BR", {}, "Dom: '-5' é negativo; o valor deve ser 0 ou maior."},
        ReadCase{
            "PointUnderCommaLocale", {"1.5"}, {"1"}, "pt_BR", {}, "Linha 1: '1.5' não é um número válido."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadValues, OnlyTheRowsCounted) {
    // Rows past the period (kept from a longer layout) are not part of the series.
    EXPECT_EQ(readSeriesValues({"1", "2", "lixo"}, numbers(3), 2, LocaleSettings::ptBR()),
              (doubleArray{1, 2}));
}

// ---------------------------------------------------------------------------------------
// Value files

std::string lines(int n, const char* value) {
    std::string text;
    for (int i = 0; i < n; ++i) text += std::string(value) + "\r\n";
    return text;
}

TEST(SeriesFile, ReadsEveryLine) {
    TempDir tmp;
    const auto twelve = readSeriesFile(tmp.write("m.txt", lines(12, "3,5")), LocaleSettings::ptBR());
    ASSERT_TRUE(twelve.has_value());
    EXPECT_EQ(*twelve, doubleArray(12, 3.5));
    const auto longest = readSeriesFile(tmp.write("l.txt", lines(1000, "1")), LocaleSettings::ptBR());
    ASSERT_TRUE(longest.has_value());
    EXPECT_EQ(longest->size(), 1000U);
}

TEST(SeriesFile, MissingFileIsNoSeries) {
    TempDir tmp;
    EXPECT_FALSE(readSeriesFile(tmp.file("nao-existe.txt"), LocaleSettings::ptBR()).has_value());
}

TEST(SeriesFile, RefusedFiles) {
    TempDir tmp;
    const LocaleSettings loc = LocaleSettings::ptBR();
    EXPECT_THROW(readSeriesFile(tmp.write("longo.txt", lines(1001, "1")), loc), SeriesTooLongError);
    EXPECT_THROW(readSeriesFile(tmp.write("vazio.txt", ""), loc), FileError);
    struct Bad {
        const char* bytes;
        const char* message;
    };
    for (const Bad& b : {Bad{"1\r\n\r\n3\r\n", "Linha 2: '' não é um número válido."},
                         Bad{"1\r\n2\r\ntres\r\n", "Linha 3: 'tres' não é um número válido."}}) {
        try {
            readSeriesFile(tmp.write("ruim.txt", b.bytes), loc);
            ADD_FAILURE() << b.bytes;
        } catch (const ConversionError& e) {
            EXPECT_STREQ(e.what(), b.message);
        }
    }
}

}  // namespace
