#include "common/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace {

// The digits and the exponent of a finite positive value written by to_chars in scientific
// form with `precision` digits after the point, or (precision < 0) its shortest text that
// reads back as the same double.
Decimal scientificDigits(double a, bool negative, int precision) {
    char buf[128];
    const auto res = precision < 0
                         ? std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific)
                         : std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, precision);
    const std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t ePos = s.find('e');
    Decimal out;
    out.negative = negative;
    for (char c : s.substr(0, ePos)) {
        if (c != '.') out.digits += c;
    }
    int e10 = 0;
    std::string_view expText = s.substr(ePos + 1);
    if (!expText.empty() && expText.front() == '+') expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), e10);
    out.exp = e10 + 1;
    return out;
}

}  // namespace

Decimal exactDigits(double value) {
    const double a = std::fabs(value);
    if (a == 0) return Decimal{std::signbit(value), "", 0};
    Decimal out = scientificDigits(a, std::signbit(value), 60);
    while (!out.digits.empty() && out.digits.back() == '0') out.digits.pop_back();
    return out;
}

Decimal roundDigits(Decimal x, int keep) {
    if (x.digits.empty()) return x;
    if (keep < 0) return Decimal{x.negative, "", 0};
    if (static_cast<std::size_t>(keep) >= x.digits.size()) return x;
    const bool up = x.digits[static_cast<std::size_t>(keep)] >= '5';
    x.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && x.digits[static_cast<std::size_t>(i)] == '9') {
            x.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            x.digits.insert(x.digits.begin(), '1');
            ++x.exp;
        } else {
            ++x.digits[static_cast<std::size_t>(i)];
        }
    }
    while (!x.digits.empty() && x.digits.back() == '0') x.digits.pop_back();
    if (x.digits.empty()) x.exp = 0;
    return x;
}

// Why the short texts are enough. The shortest text that reads back as the value lies within
// half a unit of the (normal) double's last bit from it, less than half a unit of the 15th significant
// digit: when it has no more than `keep` digits it is the rounded value. Otherwise the value
// correctly rounded at keep + 2 digits lies within half a unit of its last digit from the
// value; only when its two guard digits are 49, 50 or 51 can a half of the kept digits' unit
// lie between the two, elsewhere rounding it rounds the value the same way, carries included.
Decimal roundedDigits(double value, int keep) {
    const double a = std::fabs(value);
    if (keep < 1 || keep > 15 || a == 0 || !std::isfinite(a)) return roundDigits(exactDigits(value), keep);
    Decimal shortest = scientificDigits(a, std::signbit(value), -1);
    // A subnormal double's last bit is far coarser than 15 digits: its exact digits decide.
    if (a >= std::numeric_limits<double>::min() && shortest.digits.size() <= static_cast<std::size_t>(keep)) {
        while (shortest.digits.back() == '0') shortest.digits.pop_back();
        return shortest;
    }
    Decimal x = scientificDigits(a, std::signbit(value), keep + 1);
    const auto k = static_cast<std::size_t>(keep);
    const int guard = (x.digits[k] - '0') * 10 + (x.digits[k + 1] - '0');
    if (guard >= 49 && guard <= 51) return roundDigits(exactDigits(value), keep);
    return roundDigits(std::move(x), keep);
}
