#pragma once
// The decimal digits of a double, rounded half away from zero to a number of significant
// digits: what every number text of the program is made of (common/numtext.cpp).

#include <string>

// A decimal value 0.d1d2d3… × 10^exp, digits without leading or trailing zeros.
// Zero has no digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exp = 0;

    bool operator==(const Decimal&) const = default;
};

// The value's decimal digits, correctly rounded at 61 significant digits: far beyond the
// 17 a double needs, so that rounding them again behaves as rounding the exact value.
Decimal exactDigits(double value);
// Keeps `keep` significant digits, rounding half away from zero.
Decimal roundDigits(Decimal x, int keep);
// roundDigits(exactDigits(value), keep), the same digits found faster: for keep up to 15 the
// value's shortest text decides when it has no more than keep digits, otherwise its correctly
// rounded text of keep + 2 digits, unless those two last digits lie next to a half (49, 50,
// 51), where the exact digits are read.
Decimal roundedDigits(double value, int keep);
