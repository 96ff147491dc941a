#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "common/decimal_digits.h"
#include "common/numtext.h"

namespace {

const LocaleSettings kPt = LocaleSettings::ptBR();
const LocaleSettings kEn = LocaleSettings::enUS();

enum class Fmt { General, General6, Number42, Fixed60 };

struct FormatCase {
    const char* name;
    double value;
    Fmt fmt;
    const LocaleSettings* loc;
    const char* expected;
};

std::string apply(const FormatCase& c) {
    switch (c.fmt) {
        case Fmt::General:
            return formatGeneral(c.value, *c.loc);
        case Fmt::General6:
            return formatGeneral6(c.value, *c.loc);
        case Fmt::Number42:
            return formatNumber(c.value, 4, 2, *c.loc);
        case Fmt::Fixed60:
            return formatFixed(c.value, 6, 0, *c.loc);
    }
    return {};
}

class NumberTexts : public testing::TestWithParam<FormatCase> {};

TEST_P(NumberTexts, FormatsAsTheProgramShowsNumbers) {
    EXPECT_EQ(apply(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberTexts,
    testing::Values(
        FormatCase{"IntegerWithoutSeparator", 2000, Fmt::General, &kPt, "2000"},
        FormatCase{"DecimalComma", 2500.5, Fmt::General, &kPt, "2500,5"},
        FormatCase{"DecimalPoint", 2500.5, Fmt::General, &kEn, "2500.5"},
        FormatCase{"FifteenDigitsHideBinaryNoise", 0.1 + 0.2, Fmt::General, &kPt, "0,3"},
        FormatCase{"ThirdToFifteenDigits", 1.0 / 3, Fmt::General, &kPt, "0,333333333333333"},
        FormatCase{"Negative", -1.25, Fmt::General, &kPt, "-1,25"},
        FormatCase{"NegativeZeroIsZero", -0.0, Fmt::General, &kPt, "0"},
        FormatCase{"LargestPlain", 999999999999999, Fmt::General, &kPt, "999999999999999"},
        FormatCase{"ScientificFromTenToTheFifteenth", 1e15, Fmt::General, &kPt, "1E15"},
        FormatCase{"ScientificMantissa", 123456789012345678.0, Fmt::General, &kPt, "1,23456789012346E17"},
        FormatCase{"SmallestPlain", 0.00001, Fmt::General, &kPt, "0,00001"},
        FormatCase{"ScientificBelowOneHundredThousandth", 0.0000099, Fmt::General, &kPt, "9,9E-6"},
        FormatCase{"General6Rounds", 232.58456, Fmt::General6, &kPt, "232,585"},
        FormatCase{"General6ScientificFromAMillion", 1e6, Fmt::General6, &kPt, "1E6"},
        FormatCase{"General6RoundsIntoScientific", 999999.5, Fmt::General6, &kPt, "1E6"},
        FormatCase{"General6Mantissa", 1234567, Fmt::General6, &kEn, "1.23457E6"},
        FormatCase{"SavingsFormat", 45.678, Fmt::Number42, &kPt, "45,68"},
        FormatCase{"FourSignificantThenTwoDecimals", 123.456, Fmt::Number42, &kPt, "123,50"},
        FormatCase{"Hundred", 100, Fmt::Number42, &kPt, "100,00"},
        FormatCase{"ThousandsSeparatorPt", 1234.5, Fmt::Number42, &kPt, "1.235,00"},
        FormatCase{"ThousandsSeparatorEn", 1234.5, Fmt::Number42, &kEn, "1,235.00"},
        FormatCase{"ScientificPastFourIntegerDigits", 12345.6, Fmt::Number42, &kPt, "1,235E4"},
        FormatCase{"ExactTieRoundsAwayFromZero", 0.125, Fmt::Number42, &kPt, "0,13"},
        FormatCase{"SingleRoundingNotTwice", 1.23456, Fmt::Number42, &kPt, "1,23"},
        FormatCase{"RoundsUpIntoNextDecade", 99.999, Fmt::Number42, &kPt, "100,00"},
        FormatCase{"TinyNegativeShowsZero", -0.001, Fmt::Number42, &kPt, "0,00"},
        // The decimals kept follow the exact value's integer digits, not its shortest text's.
        FormatCase{"JustBelowAHundredHasTwoIntegerDigits", 99.999999999999986, Fmt::Number42, &kPt, "100,00"},
        FormatCase{"ExactDigitsBelowTheHalf", 9.995, Fmt::Number42, &kPt, "9,99"},
        FormatCase{"Zero", 0, Fmt::Number42, &kPt, "0,00"},
        FormatCase{"TotalFormat", 54750.4, Fmt::Fixed60, &kPt, "54750"},
        FormatCase{"TotalFormatScientific", 1234567, Fmt::Fixed60, &kPt, "1,23457E6"},
        // Rounded up, the largest doubles would pass the largest readable number: cut instead.
        FormatCase{"LargestDoubleCutNotRoundedPastIt", 1.7976931348623157e308, Fmt::General, &kPt,
                   "1,79769313486231E308"},
        FormatCase{"LargestNegativeDoubleCut", -1.7976931348623155e308, Fmt::General, &kEn,
                   "-1.79769313486231E308"},
        FormatCase{"LargestDoubleGeneral6StillRounds", 1.7976931348623157e308, Fmt::General6, &kPt,
                   "1,79769E308"},
        FormatCase{"LargestDoubleTotalFormatCut", 1.7976931348623157e308, Fmt::Fixed60, &kPt, "1,79769E308"}),
    [](const auto& info) { return std::string(info.param.name); });

// A line of many numbers is built by appending each one's text: the same text formatGeneral
// gives, after what the line holds, for values of the short way (rain, zero of either sign) and
// of the long one (many digits, subnormal, past the largest readable, not finite).
TEST(NumberTextEdges, AppendedTextIsTheGeneralText) {
    const double values[] = {0,
                             -0.0,
                             2.5,
                             47.5,
                             -1.25,
                             1e15,
                             0.0000099,
                             1.0 / 3,
                             232.58456,
                             5e-324,
                             1.7976931348623157e308,
                             std::numeric_limits<double>::quiet_NaN()};
    for (const LocaleSettings* loc : {&kPt, &kEn}) {
        for (int digits : {15, 6}) {
            std::string line = "0;";
            std::string expected = line;
            for (double v : values) {
                appendGeneral(line, v, *loc, digits);
                line += ';';
                expected += formatGeneral(v, *loc, digits) + ";";
            }
            EXPECT_EQ(line, expected) << digits;
        }
    }
}

TEST(NumberTextEdges, NonFiniteValuesHaveTexts) {
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::quiet_NaN(), kPt), "NAN");
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::infinity(), 4, 2, kPt), "-INF");
}

TEST(NumberTextEdges, RoundTripTextReadsBackExactly) {
    for (double v : {0.1, 1.0 / 3, 2.0 / 3 * 1e-7, 123456.789, 5e-324, 1.7976931348623157e308}) {
        const std::string t = formatRoundTrip(v);
        EXPECT_EQ(readStrict(t, kEn), v) << t;
    }
}

TEST(NumberTextEdges, GeneralTextReadsBackUnderItsOwnLocale) {
    for (const LocaleSettings* loc : {&kPt, &kEn}) {
        for (double v : {0.5, 12.75, 1e-7, 3.25e17, -42.0})
            EXPECT_EQ(readStrict(formatGeneral(v, *loc), *loc), v);
        // Near the largest double the text is not exact, but it must still read.
        for (double v : {1.7976931348623157e308, -1.7976931348623155e308})
            EXPECT_NO_THROW(readStrict(formatGeneral(v, *loc), *loc)) << formatGeneral(v, *loc);
    }
}

struct ReadCase {
    const char* name;
    const char* text;
    const LocaleSettings* loc;
    bool normalized;
    std::optional<double> expected;  // nullopt: refused
};

class NumberReads : public testing::TestWithParam<ReadCase> {};

TEST_P(NumberReads, ReadsOrRefuses) {
    const ReadCase& c = GetParam();
    auto read = [&] { return c.normalized ? readNormalized(c.text, *c.loc) : readStrict(c.text, *c.loc); };
    if (c.expected) {
        EXPECT_EQ(read(), *c.expected);
        // The lenient read of a text the strict read takes is the same number.
        if (!c.normalized) {
            EXPECT_EQ(readLenient(c.text, *c.loc), *c.expected);
        }
    } else {
        EXPECT_THROW(read(), ConversionError);
        EXPECT_EQ(readLenient(c.text, *c.loc), 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberReads,
    testing::Values(ReadCase{"CommaUnderComma", "12,5", &kPt, false, 12.5},
                    ReadCase{"PointUnderCommaRefused", "12.5", &kPt, false, std::nullopt},
                    ReadCase{"PointUnderPoint", "12.5", &kEn, false, 12.5},
                    ReadCase{"BlanksAround", " 7 ", &kPt, false, 7.0},
                    ReadCase{"Signs", "-3", &kPt, false, -3.0}, ReadCase{"PlusSign", "+3", &kPt, false, 3.0},
                    ReadCase{"Exponent", "1,5E-2", &kPt, false, 0.015},
                    ReadCase{"LeadingSeparator", ",5", &kPt, false, 0.5},
                    ReadCase{"LoneSeparator", ",", &kPt, false, std::nullopt},
                    ReadCase{"Empty", "", &kPt, false, std::nullopt},
                    ReadCase{"Letters", "abc", &kPt, false, std::nullopt},
                    ReadCase{"TwoSeparators", "1,2,3", &kPt, false, std::nullopt},
                    ReadCase{"ThousandsMarkRefused", "1.000,5", &kPt, false, std::nullopt},
                    ReadCase{"Overflow", "1E400", &kEn, false, std::nullopt},
                    ReadCase{"NegativeOverflow", "-1E400", &kEn, false, std::nullopt},
                    ReadCase{"OverflowSignedExponent", "1,5E+400", &kPt, false, std::nullopt},
                    // Too small for a double is 0, whatever the sign or the decimal mark.
                    ReadCase{"Underflow", "1E-400", &kEn, false, 0.0},
                    ReadCase{"NegativeUnderflow", "-1E-400", &kEn, false, 0.0},
                    ReadCase{"UnderflowLowerCase", "1e-330", &kEn, false, 0.0},
                    ReadCase{"UnderflowDecimalComma", "2,5E-400", &kPt, false, 0.0},
                    ReadCase{"UnderflowDecimalPointRefusedUnderComma", "2.5E-400", &kPt, false, std::nullopt},
                    ReadCase{"NormalizedUnderflow", "2.5E-400", &kPt, true, 0.0},
                    ReadCase{"NormalizedNegativeUnderflow", "-1,5e-330", &kEn, true, 0.0},
                    ReadCase{"NormalizedOverflow", "1.5E400", &kPt, true, std::nullopt},
                    ReadCase{"NanIsNoNumber", "nan", &kEn, false, std::nullopt},
                    ReadCase{"NormalizedPointUnderComma", "12.5", &kPt, true, 12.5},
                    ReadCase{"NormalizedCommaUnderPoint", "0,5", &kEn, true, 0.5},
                    ReadCase{"NormalizedBothMarksRefused", "1.000,5", &kPt, true, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberReadEdges, ConversionErrorNamesTheText) {
    try {
        readStrict("abc", kPt);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' não é um número válido.");
    }
    try {
        readInteger("2,5");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'2,5' não é um número inteiro válido.");
    }
}

TEST(NumberReadEdges, Integers) {
    EXPECT_EQ(readInteger("4"), 4);
    EXPECT_EQ(readInteger(" -12 "), -12);
    EXPECT_EQ(readInteger("+7"), 7);
    for (const char* bad : {"", "-", "2,5", "1e3", "99999999999999999999", "4 4"}) {
        EXPECT_FALSE(tryReadInteger(bad).has_value()) << bad;
    }
}

}  // namespace

// The fast rounding of number texts against the exact one, over values of every kind a file
// holds (rain after a discard, volumes, shares), random bit patterns, values next to a power of
// ten, subnormals and exact halves at the kept digits, for every digit count the texts use.
TEST(NumberTextEdges, FastRoundingGivesTheExactDigits) {
    std::vector<double> values = {0.1 + 0.2,
                                  9.9999999999999995,
                                  99.999999999999986,
                                  0.000099999999999999991,
                                  123456789012345.5,
                                  12345678901234.25,
                                  1.25,
                                  2.5,
                                  0.125,
                                  1e15 - 0.5,
                                  5e-324,
                                  1.7976931348623157e308,
                                  1e-5,
                                  0.5e-4,
                                  1e-310,
                                  2.5e-320,
                                  2.2250738585072009e-308,
                                  std::numeric_limits<double>::min()};
    for (int m = 0; m < 3000; ++m) {
        values.push_back(m / 10.0 - 2);         // rain after a 2 mm discard
        values.push_back(m * 0.1 * 0.8 * 150);  // litres off a roof
        values.push_back(m / 3.0);              // shares and means
        values.push_back((m + 0.5) / 1000.0);   // halves at the third decimal
        values.push_back(-(m * 1.1) / 7.0);     // negative
    }
    std::mt19937_64 gen(2024);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 20000; ++i) {
        double bits;
        const std::uint64_t u = gen();
        std::memcpy(&bits, &u, sizeof bits);
        if (std::isfinite(bits)) values.push_back(bits);
        values.push_back(unit(gen) * std::pow(10.0, static_cast<int>(gen() % 30) - 10));
    }
    for (int e = -20; e <= 20; ++e) {
        const double p = std::pow(10.0, e);
        values.insert(values.end(), {p, std::nextafter(p, 0.0), std::nextafter(p, 2 * p), -p});
    }
    for (double v : values) {
        for (int keep = 1; keep <= 17; ++keep) {
            ASSERT_EQ(roundedDigits(v, keep), roundDigits(exactDigits(v), keep))
                << formatRoundTrip(v) << " keep " << keep;
        }
    }
}
