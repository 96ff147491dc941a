#pragma once
// Money: a signed 64-bit count of ten-thousandths of a real.

#include <cstdint>
#include <string>

#include "common/locale_settings.h"

struct Currency {
    std::int64_t tenThousandths = 0;

    // value × 10000 rounded to the nearest integer, ties to even.
    // Throws std::range_error when the amount does not fit (or is not a number).
    static Currency fromDouble(double value);
    double toDouble() const { return static_cast<double>(tenThousandths) / 10000.0; }

    friend bool operator==(Currency, Currency) = default;
    friend auto operator<=>(Currency, Currency) = default;
};

// Currency general: no trailing zeros, at most four decimals, no thousands separator.
std::string formatCurrencyGeneral(Currency amount, const LocaleSettings& loc);
