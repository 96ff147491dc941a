#include <gtest/gtest.h>

#include <cstdlib>

#include "common/numtext.h"
#include "common/tdate.h"

namespace {

TDate ymd(int y, int m, int d) {
    return *TDate::fromYMD(y, m, d);
}

TEST(Dates, CalendarWithLeapYears) {
    EXPECT_EQ(ymd(2012, 3, 1) - ymd(2012, 2, 28), 2);  // 2012 is a leap year
    EXPECT_EQ(ymd(1900, 3, 1) - ymd(1900, 2, 28), 1);  // 1900 is not
    EXPECT_EQ(ymd(2000, 3, 1) - ymd(2000, 2, 28), 2);  // 2000 is
    EXPECT_EQ(ymd(1961, 1, 1).addDays(36524), ymd(2060, 12, 31));
    EXPECT_FALSE(TDate::fromYMD(2013, 2, 29));
    EXPECT_FALSE(TDate::fromYMD(2012, 13, 1));
    int y, m, d;
    ymd(1961, 1, 1).addDays(59).toYMD(y, m, d);
    EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(1961, 3, 1));
}

struct DateCase {
    const char* name;
    const char* locale;
    const char* text;
    std::optional<TDate> expected;
};

class DateReads : public testing::TestWithParam<DateCase> {};

TEST_P(DateReads, ReadsInTheLocalesShortPattern) {
    const DateCase& c = GetParam();
    const auto got = tryReadDate(c.text, LocaleSettings::fromName(c.locale));
    EXPECT_EQ(got.has_value(), c.expected.has_value());
    if (got && c.expected) {
        EXPECT_EQ(*got, *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DateReads,
                         testing::Values(DateCase{"DayFirst", "pt_BR", "05/01/2012", ymd(2012, 1, 5)},
                                         DateCase{"WithoutLeadingZeros", "pt_BR", "5/1/2012",
                                                  ymd(2012, 1, 5)},
                                         DateCase{"MonthFirst", "en_US", "1/31/2012", ymd(2012, 1, 31)},
                                         DateCase{"LeapDay", "pt_BR", "29/02/2012", ymd(2012, 2, 29)},
                                         DateCase{"NoLeapDay", "pt_BR", "29/02/2013", std::nullopt},
                                         DateCase{"NoSuchDay", "pt_BR", "31/02/2012", std::nullopt},
                                         DateCase{"TwoDigitYearRefused", "pt_BR", "01/01/61", std::nullopt},
                                         DateCase{"OtherOrderRefused", "en_US", "31/1/2012", std::nullopt},
                                         DateCase{"IsoUnderPt", "pt_BR", "2012-01-05", std::nullopt},
                                         DateCase{"DotsInGerman", "de_DE", "05.01.2012", ymd(2012, 1, 5)},
                                         DateCase{"Empty", "pt_BR", "", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

// A date in a given order of day, month and year, whatever separates its fields.
struct OrderCase {
    const char* name;
    const char* text;
    DateOrder order;
    std::optional<TDate> expected;
};

class DateOrderReads : public testing::TestWithParam<OrderCase> {};

TEST_P(DateOrderReads, ReadsInTheGivenOrder) {
    const OrderCase& c = GetParam();
    const auto got = tryReadDateInOrder(c.text, c.order);
    EXPECT_EQ(got.has_value(), c.expected.has_value());
    if (got && c.expected) {
        EXPECT_EQ(*got, *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DateOrderReads,
    testing::Values(OrderCase{"DayFirst", "2/1/2012", DateOrder::DayMonthYear, ymd(2012, 1, 2)},
                    OrderCase{"MonthFirst", "2/1/2012", DateOrder::MonthDayYear, ymd(2012, 2, 1)},
                    OrderCase{"MonthAbove12", "3/15/2012", DateOrder::DayMonthYear, std::nullopt},
                    OrderCase{"DayAbove12", "3/15/2012", DateOrder::MonthDayYear, ymd(2012, 3, 15)},
                    OrderCase{"Dots", " 15.03.2012 ", DateOrder::DayMonthYear, ymd(2012, 3, 15)},
                    OrderCase{"Iso", "2012-03-15", DateOrder::YearMonthDay, ymd(2012, 3, 15)},
                    OrderCase{"IsoInAnotherOrder", "2012-03-15", DateOrder::DayMonthYear, std::nullopt},
                    OrderCase{"TwoDigitYear", "15/03/12", DateOrder::DayMonthYear, std::nullopt},
                    OrderCase{"NoSeparator", "15032012", DateOrder::DayMonthYear, std::nullopt},
                    OrderCase{"Letters", "15/mar/2012", DateOrder::DayMonthYear, std::nullopt},
                    OrderCase{"Trailing", "15/03/2012x", DateOrder::DayMonthYear, std::nullopt},
                    OrderCase{"NoSuchDay", "2/30/2012", DateOrder::MonthDayYear, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Dates, OrderOfTheLocalesPattern) {
    EXPECT_EQ(dateOrder(LocaleSettings::ptBR()), DateOrder::DayMonthYear);
    EXPECT_EQ(dateOrder(LocaleSettings::enUS()), DateOrder::MonthDayYear);
    EXPECT_EQ(dateOrder(LocaleSettings::fromName("C")), DateOrder::YearMonthDay);
    EXPECT_EQ(dateOrder(LocaleSettings::fromName("de_DE")), DateOrder::DayMonthYear);
}

TEST(Dates, FormatUsesThePatternWithFourDigitYears) {
    EXPECT_EQ(formatDate(ymd(2012, 1, 5), LocaleSettings::ptBR()), "05/01/2012");
    EXPECT_EQ(formatDate(ymd(2012, 1, 5), LocaleSettings::enUS()), "1/5/2012");
    EXPECT_EQ(formatDate(ymd(961, 1, 5), LocaleSettings::ptBR()), "05/01/0961");
    try {
        readDate("31/02/2012", LocaleSettings::ptBR());
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'31/02/2012' não é uma data válida.");
    }
}

TEST(LocaleSettings, TwoDigitYearPatternsAreWidened) {
    EXPECT_EQ(widenYearPattern("M/d/yy"), "M/d/yyyy");
    EXPECT_EQ(widenYearPattern("dd.MM.yy"), "dd.MM.yyyy");
    EXPECT_EQ(widenYearPattern("dd/MM/yyyy"), "dd/MM/yyyy");
    EXPECT_EQ(widenYearPattern("yy-MM-dd"), "yyyy-MM-dd");
}

TEST(LocaleSettings, FromNames) {
    struct Row {
        const char* name;
        char decimal;
        const char* thousands;
        const char* pattern;
    };
    for (const Row& r : {Row{"pt_BR", ',', ".", "dd/MM/yyyy"}, Row{"pt_BR.UTF-8", ',', ".", "dd/MM/yyyy"},
                         Row{"pt-BR", ',', ".", "dd/MM/yyyy"}, Row{"en_US.utf8", '.', ",", "M/d/yyyy"},
                         Row{"en_GB", '.', ",", "dd/MM/yyyy"}, Row{"de_AT@euro", ',', ".", "dd.MM.yyyy"},
                         Row{"C", '.', "", "yyyy-MM-dd"}, Row{"POSIX", '.', "", "yyyy-MM-dd"},
                         Row{"xx_YY", '.', "", "yyyy-MM-dd"}}) {
        const LocaleSettings s = LocaleSettings::fromName(r.name);
        EXPECT_EQ(s.decimalSeparator, r.decimal) << r.name;
        EXPECT_EQ(s.thousandSeparator, r.thousands) << r.name;
        EXPECT_EQ(s.shortDatePattern, r.pattern) << r.name;
    }
}

void setVar(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value);
#else
    ::setenv(name, value, 1);
#endif
}

void unsetVar(const char* name) {
#ifdef _WIN32
    _putenv_s(name, "");  // an empty value removes the variable there
#else
    ::unsetenv(name);
#endif
}

// Restores the environment variables a test changes.
class EnvGuard {
  public:
    explicit EnvGuard(std::initializer_list<const char*> names) {
        for (const char* n : names) {
            const char* v = std::getenv(n);
            saved_.emplace_back(n, v ? std::optional<std::string>(v) : std::nullopt);
            unsetVar(n);
        }
    }
    ~EnvGuard() {
        for (const auto& [n, v] : saved_) {
            if (v) {
                setVar(n.c_str(), v->c_str());
            } else {
                unsetVar(n.c_str());
            }
        }
    }

  private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(LocaleSettings, FromEnvironmentFollowsLcAllThenLcNumericThenLang) {
    EnvGuard guard{"LC_ALL", "LC_NUMERIC", "LC_TIME", "LANG"};
#ifndef _WIN32
    EXPECT_EQ(LocaleSettings::fromEnvironment().decimalSeparator, '.');  // nothing set: C
#endif
    // (On Windows nothing set gives the user's Region settings, which the test cannot know.)
    setVar("LANG", "pt_BR.UTF-8");
    EXPECT_EQ(LocaleSettings::fromEnvironment().decimalSeparator, ',');
    setVar("LC_NUMERIC", "en_US.UTF-8");
    EXPECT_EQ(LocaleSettings::fromEnvironment().decimalSeparator, '.');
    setVar("LC_TIME", "pt_BR.UTF-8");
    EXPECT_EQ(LocaleSettings::fromEnvironment().shortDatePattern, "dd/MM/yyyy");
    setVar("LC_ALL", "pt_BR.UTF-8");
    EXPECT_EQ(LocaleSettings::fromEnvironment().decimalSeparator, ',');
}

}  // namespace
