#include "common/currency.h"

#include <cmath>
#include <stdexcept>

Currency Currency::fromDouble(double value) {
    const double scaled = value * 10000.0;
    // 2^63 is exactly representable; anything at or beyond it does not fit in 64 bits.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9223372036854775808.0) {
        throw std::range_error("Valor monetário fora do intervalo permitido.");
    }
    // nearbyint rounds to nearest with ties to even in the default rounding mode.
    return Currency{static_cast<std::int64_t>(std::nearbyint(scaled))};
}

std::string formatCurrencyGeneral(Currency amount, const LocaleSettings& loc) {
    const std::int64_t t = amount.tenThousandths;
    // Magnitudes as unsigned so that the most negative amount has a magnitude too.
    const std::uint64_t mag = t < 0 ? 0 - static_cast<std::uint64_t>(t) : static_cast<std::uint64_t>(t);
    std::string out = t < 0 ? "-" : "";
    out += std::to_string(mag / 10000);
    std::string frac = std::to_string(mag % 10000);
    frac.insert(frac.begin(), 4 - frac.size(), '0');
    while (!frac.empty() && frac.back() == '0') frac.pop_back();
    if (!frac.empty()) {
        out += loc.decimalSeparator;
        out += frac;
    }
    return out;
}
