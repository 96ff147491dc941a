#include <gtest/gtest.h>

#include <limits>

#include "common/currency.h"
#include "common/safe_div.h"

namespace {

TEST(Currency, StoresTenThousandthsWithTiesToEven) {
    struct Row {
        double value;
        std::int64_t expected;
    };
    // 0.00025 × 10000 is exactly 2.5 and 0.00035 × 10000 exactly 3.5 in binary.
    for (const Row& r : {Row{1.23456, 12346}, Row{0.00025, 2}, Row{0.00035, 4}, Row{-0.00025, -2},
                         Row{2.00025, 20002}, Row{12.34565, 123456}, Row{0, 0}, Row{-1.5, -15000}}) {
        EXPECT_EQ(Currency::fromDouble(r.value).tenThousandths, r.expected) << r.value;
    }
}

TEST(Currency, RefusesAmountsBeyondSixtyFourBits) {
    EXPECT_THROW(Currency::fromDouble(1e15), std::range_error);
    EXPECT_THROW(Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()), std::range_error);
    EXPECT_NO_THROW(Currency::fromDouble(9e14));
}

TEST(Currency, GeneralTextHasNoTrailingZeros) {
    const LocaleSettings pt = LocaleSettings::ptBR();
    EXPECT_EQ(formatCurrencyGeneral(Currency{12346}, pt), "1,2346");
    EXPECT_EQ(formatCurrencyGeneral(Currency{10000}, pt), "1");
    EXPECT_EQ(formatCurrencyGeneral(Currency{15000}, pt), "1,5");
    EXPECT_EQ(formatCurrencyGeneral(Currency{-5}, pt), "-0,0005");
    EXPECT_EQ(
        formatCurrencyGeneral(Currency{std::numeric_limits<std::int64_t>::min()}, LocaleSettings::enUS()),
        "-922337203685477.5808");
}

TEST(SafeDiv, ZeroWithoutAPositiveDivisor) {
    EXPECT_EQ(safeDiv(6, 3), 2);
    EXPECT_EQ(safeDiv(6, 0), 0);
    EXPECT_EQ(safeDiv(6, -3), 0);
}

}  // namespace
