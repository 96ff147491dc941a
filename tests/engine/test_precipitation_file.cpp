// Precipitation data files (loadPrec, readPrecFile) with their lines that are not numbers,
// the first-flush discard and the value files of the demand editor (loadVecFile).

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "common/numtext.h"
#include "common/textfile.h"
#include "engine/capt_agua.h"
#include "engine/precipitation_file.h"
#include "tests/support/rows.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// The same ASCII text encoded as UTF-16 with its byte-order mark.
std::string utf16(const std::string& ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        if (bigEndian) out += '\0';
        out += c;
        if (!bigEndian) out += '\0';
    }
    return out;
}

LocaleSettings localeNamed(const std::string& name) {
    return LocaleSettings::fromName(name);
}

// ---------------------------------------------------------------------------------------
// Line conversion

struct LineCase {
    const char* name;
    std::string bytes;
    doubleArray viaLoadPrec;
    doubleArray viaReadPrecFile;
};

const std::vector<LineCase> kLineCases = {
    {"CommaPointAndZero", "12,5\n0\n3.2\n", {12.5, 0, 3.2}, {12.5, 0, 3.2}},
    {"TrailingSemicolon", "12,5;\n4\n", {12.5, 4}, {0, 4}},
    {"SemicolonInside", "1;5\n", {15}, {0}},
    {"TitleLineIsADayOfZero", "mm\n4\n7\n", {0, 4, 7}, {0, 4, 7}},
    {"AccentedTitleInCodePage", "Precipita\xE7\xE3o\r\n3\r\n", {0, 3}, {0, 3}},
    {"ThousandsAndDecimalMark", "1.000,5\n1,000.5\n2\n", {0, 0, 2}, {0, 0, 2}},
    {"SignBlanksAndExponent", "-2,5\n 3,5 \n1,5e1\n", {-2.5, 3.5, 15}, {-2.5, 3.5, 15}},
    {"TrailingLineBreakAddsNoDay", "1\n2\n", {1, 2}, {1, 2}},
    {"NoFinalLineBreak", "1\n2", {1, 2}, {1, 2}},
    {"EachExtraEmptyLineIsADay", "1\n2\n\n\n", {1, 2, 0, 0}, {1, 2, 0, 0}},
    {"EmptyLineInside", "1\n\n2\n", {1, 0, 2}, {1, 0, 2}},
    {"CrLfEndings", "1,5\r\n2\r\n\r\n", {1.5, 2, 0}, {1.5, 2, 0}},
    {"CrEndings", "1,5\r2\r\r", {1.5, 2, 0}, {1.5, 2, 0}},
    {"MixedEndings", "1\r\n2\n3\r4", {1, 2, 3, 4}, {1, 2, 3, 4}},
    {"Utf8ByteOrderMark",
     "\xEF\xBB\xBF"
     "7,5\r\n1\r\n",
     {7.5, 1},
     {7.5, 1}},
    {"Utf16LittleEndian", utf16("7,5\r\n0.25\r\n", false), {7.5, 0.25}, {7.5, 0.25}},
    {"Utf16BigEndian", utf16("7,5\r\n0.25\r\n", true), {7.5, 0.25}, {7.5, 0.25}},
    {"EmptyFile", "", {}, {}},
};

class PrecipitationLines : public ::testing::TestWithParam<std::tuple<LineCase, std::string>> {
  protected:
    TempDir tmp;
};

TEST_P(PrecipitationLines, LoadPrecReplacesOnlyTheSeries) {
    const auto& [c, localeName] = GetParam();
    TCaptAgua sim;
    sim.strArqPrec = tmp.write("prec.txt", c.bytes);
    sim.vecDadosPrecOrig = doubleArray(7, 99.0);  // an earlier series is replaced, not extended
    sim.vecDadosPrec = {1, 2};
    sim.dateDadosPrec = *TDate::fromYMD(2000, 6, 1);
    sim.dblDescartPrec = 2;
    sim.loadPrec(localeNamed(localeName));
    EXPECT_EQ(sim.vecDadosPrecOrig, c.viaLoadPrec);
    EXPECT_EQ(sim.vecDadosPrec, (doubleArray{1, 2}));
    EXPECT_EQ(sim.dateDadosPrec, *TDate::fromYMD(2000, 6, 1));
    EXPECT_EQ(sim.dblDescartPrec, 2);
}

TEST_P(PrecipitationLines, ReadPrecFileKeepsSemicolons) {
    const auto& [c, localeName] = GetParam();
    EXPECT_EQ(readPrecFile(tmp.write("prec.txt", c.bytes), localeNamed(localeName)), c.viaReadPrecFile);
}

INSTANTIATE_TEST_SUITE_P(Files, PrecipitationLines,
                         ::testing::Combine(::testing::ValuesIn(kLineCases),
                                            ::testing::Values("pt_BR", "en_US")),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param);
                         });

// A file that cannot be read leaves the loaded series alone.
struct UnreadableCase {
    const char* name;
    std::string (*path)(const TempDir&);
};

const std::vector<UnreadableCase> kUnreadableCases = {
    {"MissingFile", [](const TempDir& t) { return t.file("nao-existe.txt"); }},
    {"Directory",
     [](const TempDir& t) {
         const std::string dir = t.file("pasta");
         fs::create_directory(dir);
         return dir;
     }},
};

class UnreadablePrecipitation : public ::testing::TestWithParam<UnreadableCase> {
  protected:
    TempDir tmp;
};

TEST_P(UnreadablePrecipitation, LoadPrecThrowsAndKeepsTheSeries) {
    TCaptAgua sim;
    sim.vecDadosPrecOrig = {3, 0, 12.5};
    sim.strArqPrec = GetParam().path(tmp);
    EXPECT_THROW(sim.loadPrec(LocaleSettings::ptBR()), FileError);
    EXPECT_EQ(sim.vecDadosPrecOrig, (doubleArray{3, 0, 12.5}));
}

TEST_P(UnreadablePrecipitation, ReadPrecFileThrows) {
    EXPECT_THROW(readPrecFile(GetParam().path(tmp), LocaleSettings::ptBR()), FileError);
}

INSTANTIATE_TEST_SUITE_P(Paths, UnreadablePrecipitation, ::testing::ValuesIn(kUnreadableCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// Lines that are not numbers: still days of 0 mm, now counted for the user's warning.
// A line counts exactly when the reading turns it into 0 without converting it, so an empty
// line inside the record (or after its last line break) counts, a "0" line does not.

struct UnreadCase {
    const char* name;
    std::string bytes;
    doubleArray values;              // as both readers read them
    std::size_t count;               // lines that are not numbers
    std::vector<std::size_t> first;  // their line numbers, the first ten
    std::size_t negativeCount = 0;   // lines that are negative numbers, kept as read
    std::vector<std::size_t> firstNegative = {};
};

std::string repeated(const std::string& line, int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += line;
    return text;
}

std::string words(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "chuva\r\n";
    return text;
}

const std::vector<UnreadCase> kUnreadCases = {
    {"AllNumbers", "12,5\n0\n3.2\n", {12.5, 0, 3.2}, 0, {}},
    {"Letters", "3\nabc\n4\n", {3, 0, 4}, 1, {2}},
    {"TwoCommas", "20,3,5\n1\n", {0, 1}, 1, {1}},
    {"HeaderLine", "Precipita\xE7\xE3o (mm)\r\n1,5\r\n2\r\n", {0, 1.5, 2}, 1, {1}},
    {"FileOfWords",
     "segunda\nter\xE7"
     "a\nquarta\n",
     {0, 0, 0},
     3,
     {1, 2, 3}},
    {"BlankLines", "1\n\n2\n  \n\n", {1, 0, 2, 0, 0}, 3, {2, 4, 5}},
    {"TrailingLineBreakIsNoLine", "1\r\n2\r\n", {1, 2}, 0, {}},
    {"TwelveWordsListTen", words(12), doubleArray(12, 0.0), 12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    {"EmptyFile", "", {}, 0, {}},
    {"NegativeValuesKeptAsRead", "3\n-5\n-0,5\nabc\n-0\n", {3, -5, -0.5, 0, 0}, 1, {4}, 2, {2, 3}},
    {"RecordOfNegatives",
     repeated("-5\r\n", 400),
     doubleArray(400, -5.0),
     0,
     {},
     400,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
};

class UnreadPrecipitationLines : public ::testing::TestWithParam<UnreadCase> {
  protected:
    TempDir tmp;
};

TEST_P(UnreadPrecipitationLines, BothReadersCountThem) {
    const UnreadCase& c = GetParam();
    for (const char* localeName : {"pt_BR", "en_US"}) {
        SCOPED_TRACE(localeName);
        TCaptAgua sim;
        sim.strArqPrec = tmp.write("prec.txt", c.bytes);
        const PrecUnreadLines viaLoadPrec = sim.loadPrec(localeNamed(localeName));
        EXPECT_EQ(sim.vecDadosPrecOrig, c.values);
        EXPECT_EQ(viaLoadPrec.count, c.count);
        EXPECT_EQ(viaLoadPrec.first, c.first);
        EXPECT_EQ(viaLoadPrec.negativeCount, c.negativeCount);
        EXPECT_EQ(viaLoadPrec.firstNegative, c.firstNegative);

        PrecUnreadLines viaReadPrec;
        EXPECT_EQ(readPrecFile(sim.strArqPrec, localeNamed(localeName), viaReadPrec), c.values);
        EXPECT_EQ(viaReadPrec.count, c.count);
        EXPECT_EQ(viaReadPrec.first, c.first);
        EXPECT_EQ(viaReadPrec.negativeCount, c.negativeCount);
        EXPECT_EQ(viaReadPrec.firstNegative, c.firstNegative);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadPrecipitationLines, ::testing::ValuesIn(kUnreadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// loadPrec drops semicolons, readPrecFile does not: a line "12,5;" is a number only for the first.
TEST(UnreadPrecipitationSemicolons, CountedOnlyWhereTheyGiveZero) {
    TempDir tmp;
    TCaptAgua sim;
    sim.strArqPrec = tmp.write("prec.csv", "12,5;\n4\n1;5\n");
    const PrecUnreadLines viaLoadPrec = sim.loadPrec(LocaleSettings::ptBR());
    EXPECT_EQ(viaLoadPrec.count, 0u);
    PrecUnreadLines viaReadPrec;
    readPrecFile(sim.strArqPrec, LocaleSettings::ptBR(), viaReadPrec);
    EXPECT_EQ(viaReadPrec.count, 2u);
    EXPECT_EQ(viaReadPrec.first, (std::vector<std::size_t>{1, 3}));
}

// The warning after a record is read: the 365-day rule, the lines that are not numbers, or
// both in one text (the short-record sentence first, as it has always been shown).
struct WarningCase {
    const char* name;
    std::size_t days;
    PrecUnreadLines unread;
    std::string text;
};

PrecUnreadLines unreadLines(std::size_t count, std::vector<std::size_t> first, std::size_t negativeCount = 0,
                            std::vector<std::size_t> firstNegative = {}) {
    PrecUnreadLines u;
    u.count = count;
    u.first = std::move(first);
    u.negativeCount = negativeCount;
    u.firstNegative = std::move(firstNegative);
    return u;
}

const std::string k365 = "Os dados de precipitação devem conter no mínimo 365 precipitações diárias.";

const std::vector<WarningCase> kWarningCases = {
    {"NothingToSay", 365, unreadLines(0, {}), ""},
    {"ShortRecordOnly", 364, unreadLines(0, {}), k365},
    {"OneLine", 400, unreadLines(1, {2}),
     "A linha 2 do arquivo não é um número e foi lida como um dia de 0 mm."},
    {"SomeLines", 1461, unreadLines(3, {1, 5, 1200}),
     "3 linhas do arquivo não são números e foram lidas como dias de 0 mm: linhas 1, 5 e 1200."},
    {"MoreThanTen", 500, unreadLines(12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
     "12 linhas do arquivo não são números e foram lidas como dias de 0 mm: as 10 primeiras são as "
     "linhas 1, 2, 3, 4, 5, 6, 7, 8, 9 e 10."},
    {"ShortRecordOfWords", 3, unreadLines(3, {1, 2, 3}),
     k365 + "\n\n3 linhas do arquivo não são números e foram lidas como dias de 0 mm: linhas 1, 2 e 3."},
    {"OneNegative", 400, unreadLines(0, {}, 1, {3}),
     "A linha 3 do arquivo tem um valor negativo, mantido como lido."},
    {"RecordOfNegatives", 400, unreadLines(0, {}, 400, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
     "400 linhas do arquivo têm valores negativos, mantidos como lidos: as 10 primeiras são as linhas 1, 2, "
     "3, "
     "4, 5, 6, 7, 8, 9 e 10."},
    {"ShortWordsAndNegatives", 3, unreadLines(1, {1}, 2, {2, 3}),
     k365 + "\n\nA linha 1 do arquivo não é um número e foi lida como um dia de 0 mm.\n\n2 linhas do arquivo "
            "têm valores negativos, mantidos como lidos: linhas 2 e 3."},
};

class PrecWarning : public ::testing::TestWithParam<WarningCase> {};

TEST_P(PrecWarning, Text) {
    const WarningCase& c = GetParam();
    EXPECT_EQ(precDataWarning(c.days, c.unread, LocaleSettings::ptBR()), c.text);
}

INSTANTIATE_TEST_SUITE_P(Records, PrecWarning, ::testing::ValuesIn(kWarningCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// First-flush discard

struct DiscardCase {
    const char* name;
    double threshold;
    doubleArray orig, expected;
};

const std::vector<DiscardCase> kDiscardCases = {
    // A day either keeps all its rain or loses it all; a day at the threshold keeps it.
    {"ThresholdOfTwo", 2, {1.9, 2.0, 5.0}, {0, 2.0, 5.0}},
    {"ThresholdOfZeroDropsNegatives", 0, {-1, 0, 3.5, -0.1, 0.2}, {0, 0, 3.5, 0, 0.2}},
    {"EmptySeries", 1, {}, {}},
};

class Discard : public ::testing::TestWithParam<DiscardCase> {};

TEST_P(Discard, KeepsOrDropsWholeDays) {
    const DiscardCase& c = GetParam();
    TCaptAgua sim;
    sim.vecDadosPrecOrig = c.orig;
    sim.dblDescartPrec = c.threshold;
    sim.vecDadosPrec = doubleArray(10, 8.0);  // left from an earlier, longer series
    sim.descartPrec();
    EXPECT_EQ(sim.vecDadosPrec, c.expected);
    EXPECT_EQ(sim.vecDadosPrecOrig, c.orig);

    // A discarded series discarded again with the same threshold does not change.
    sim.vecDadosPrecOrig = sim.vecDadosPrec;
    sim.descartPrec();
    EXPECT_EQ(sim.vecDadosPrec, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, Discard, ::testing::ValuesIn(kDiscardCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// Value files of the demand editor

struct VecFileCase {
    const char* name;
    std::string bytes;
    const char* locale;
    doubleArray expected;  // when the file reads
    const char* badText;   // when it does not: the text the error must name
};

const std::vector<VecFileCase> kVecFileCases = {
    {"CommaLocale", "1,5\n2\n-3\n", "pt_BR", {1.5, 2, -3}, nullptr},
    {"PointLocale", "1.5\r\n2\r\n", "en_US", {1.5, 2}, nullptr},
    {"PointUnderCommaLocale", "1\n1.5\n", "pt_BR", {}, "1.5"},
    {"CommaUnderPointLocale", "1,5\n", "en_US", {}, "1,5"},
    {"Letters", "2\nabc\n3\n", "pt_BR", {}, "abc"},
};

class ValueFile : public ::testing::TestWithParam<VecFileCase> {
  protected:
    TempDir tmp;
};

TEST_P(ValueFile, ReadsStrictlyInTheLocale) {
    const VecFileCase& c = GetParam();
    const std::string path = tmp.write("valores.txt", c.bytes);
    doubleArray values = {9, 9, 9, 9, 9};
    if (!c.badText) {
        loadVecFile(path, values, localeNamed(c.locale));
        EXPECT_EQ(values, c.expected);
        return;
    }
    try {
        loadVecFile(path, values, localeNamed(c.locale));
        FAIL() << "expected a ConversionError";
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find(c.badText), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ValueFile, ::testing::ValuesIn(kVecFileCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValueFileMissing, LeavesTheValuesAsTheyWere) {
    TempDir tmp;
    doubleArray values = {4, 5};
    EXPECT_NO_THROW(loadVecFile(tmp.file("nao-existe.txt"), values, LocaleSettings::ptBR()));
    EXPECT_EQ(values, (doubleArray{4, 5}));
}

}  // namespace
