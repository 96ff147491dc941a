#include "common/numtext.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "common/decimal_digits.h"

namespace {

std::string nonFinite(double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// Mantissa with one integer digit, "E", exponent without a plus sign: 1,5E-6, 1E15.
std::string scientific(const Decimal& x, char sep) {
    std::string out = x.negative ? "-" : "";
    out += x.digits[0];
    if (x.digits.size() > 1) {
        out += sep;
        out += x.digits.substr(1);
    }
    out += 'E';
    out += std::to_string(x.exp - 1);
    return out;
}

// Digits of the integer part of x (at least "0") and of its fraction (as many as it has).
void splitParts(const Decimal& x, std::string& intPart, std::string& fracPart) {
    intPart.clear();
    fracPart.clear();
    if (x.exp <= 0) {
        intPart = "0";
        fracPart = std::string(static_cast<std::size_t>(-x.exp), '0') + x.digits;
        return;
    }
    const auto e = static_cast<std::size_t>(x.exp);
    if (x.digits.size() <= e) {
        intPart = x.digits + std::string(e - x.digits.size(), '0');
    } else {
        intPart = x.digits.substr(0, e);
        fracPart = x.digits.substr(e);
    }
}

// Digits rounded up past the largest double (1,79769313486232E308 at 15 digits) make a text
// that no read accepts, so a saved file would not open again: such a value keeps its digits
// cut instead of rounded. The digits compared are those of the midpoint between the largest
// double and infinity, which reads round to infinity at and above.
Decimal readableDigits(Decimal rounded, double value, int keep) {
    const bool beyond =
        rounded.exp > 309 || (rounded.exp == 309 && rounded.digits > "1797693134862315807937");
    if (!beyond) return rounded;
    Decimal cut = exactDigits(value);
    cut.digits.resize(std::min(cut.digits.size(), static_cast<std::size_t>(keep)));
    while (!cut.digits.empty() && cut.digits.back() == '0') cut.digits.pop_back();
    return cut;
}

// The exponent of the value's exact digits (Decimal::exp). A normal value's shortest text has it
// unless that text is a power of ten ("1E…"): a power of ten between the value and its text would
// read back as the value and be the shorter text. Otherwise its 18 correctly rounded digits have
// it, unless their rounding carried into the next power of ten (digits 1 and zeros), where the
// exact digits are written out.
int exactExponent(double value) {
    const double a = std::fabs(value);
    char buf[40];
    const bool normal = a >= std::numeric_limits<double>::min();
    const auto res = normal ? std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific)
                            : std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 17);
    const std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e = s.find('e');
    const bool powerOfTen = s[0] == '1' && (e == 1 || s.find_first_not_of('0', 2) == e);
    if (powerOfTen) return exactDigits(value).exp;
    std::string_view expText = s.substr(e + 1);
    if (expText.front() == '+') expText.remove_prefix(1);
    int e10 = 0;
    std::from_chars(expText.data(), expText.data() + expText.size(), e10);
    return e10 + 1;
}

std::string groupThousands(const std::string& intPart, const std::string& sep) {
    if (sep.empty() || intPart.size() <= 3) return intPart;
    std::string out;
    const std::size_t lead = intPart.size() % 3;
    for (std::size_t i = 0; i < intPart.size(); ++i) {
        if (i != 0 && (i - lead) % 3 == 0) out += sep;
        out += intPart[i];
    }
    return out;
}

std::string fixedText(double value, int precision, int decimals, const LocaleSettings& loc, bool thousands) {
    if (!std::isfinite(value)) return nonFinite(value);
    if (precision < 1) precision = 1;
    if (decimals < 0) decimals = 0;
    // Zero has no digits; any other value is rounded twice from its exact digits (roundedDigits
    // finds the same digits without writing out the exact ones).
    Decimal r{std::signbit(value), "", 0};
    if (value != 0) {
        Decimal rounded = roundedDigits(value, precision);
        const Decimal bySignificant = readableDigits(rounded, value, precision);
        if (bySignificant.exp > precision) return scientific(bySignificant, loc.decimalSeparator);
        const int keep = std::min(precision, exactExponent(value) + decimals);
        r = keep == precision ? std::move(rounded) : roundedDigits(value, keep);
    }
    std::string intPart, fracPart;
    splitParts(r, intPart, fracPart);
    fracPart.resize(static_cast<std::size_t>(decimals), '0');
    std::string out = (r.negative && !r.digits.empty()) ? "-" : "";
    out += thousands ? groupThousands(intPart, loc.thousandSeparator) : intPart;
    if (decimals > 0) {
        out += loc.decimalSeparator;
        out += fracPart;
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

}  // namespace

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

namespace {

// formatGeneral's text when the value's shortest round-trip text has at most `digits`
// significant digits (then those are its rounded digits, decimal_digits.h), laid out as
// formatGeneral lays out any digits, written straight into `out`: the common case (a rainfall
// series, round inputs) without building the digits as texts. False, and `out` as it was, for
// the other values.
bool appendShortGeneral(std::string& out, double value, char sep, int digits) {
    const double a = std::fabs(value);
    if (digits < 1 || digits > 15 || !std::isfinite(a)) return false;
    if (a == 0) {  // no digits at all, whatever the sign: "0"
        out += '0';
        return true;
    }
    if (a < std::numeric_limits<double>::min()) return false;
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific);
    char mant[24];
    int n = 0;
    const char* p = buf;
    for (; p < res.ptr && *p != 'e'; ++p) {
        if (*p != '.') mant[n++] = *p;
    }
    if (n > digits) return false;
    int e10 = 0;
    const char* expText = p + 1;
    if (expText < res.ptr && *expText == '+') ++expText;
    std::from_chars(expText, res.ptr, e10);
    const int exp = e10 + 1;  // the value is 0.mant × 10^exp
    if (std::signbit(value)) out += '-';
    if (exp > digits || exp < -4) {
        out += mant[0];
        if (n > 1) {
            out += sep;
            out.append(mant + 1, static_cast<std::size_t>(n - 1));
        }
        out += 'E';
        char ebuf[8];
        out.append(ebuf, std::to_chars(ebuf, ebuf + sizeof ebuf, exp - 1).ptr);
    } else if (exp <= 0) {
        out += '0';
        out += sep;
        out.append(static_cast<std::size_t>(-exp), '0');
        out.append(mant, static_cast<std::size_t>(n));
    } else if (n <= exp) {
        out.append(mant, static_cast<std::size_t>(n));
        out.append(static_cast<std::size_t>(exp - n), '0');
    } else {
        out.append(mant, static_cast<std::size_t>(exp));
        out += sep;
        out.append(mant + exp, static_cast<std::size_t>(n - exp));
    }
    return true;
}

// formatGeneral's text of a value whose shortest text is not short (appendShortGeneral).
std::string longGeneral(double value, const LocaleSettings& loc, int digits) {
    if (!std::isfinite(value)) return nonFinite(value);
    if (digits < 1) digits = 1;
    const Decimal r = readableDigits(roundedDigits(value, digits), value, digits);
    if (r.digits.empty()) return "0";
    if (r.exp > digits || r.exp < -4) return scientific(r, loc.decimalSeparator);
    std::string intPart, fracPart;
    splitParts(r, intPart, fracPart);
    std::string out = r.negative ? "-" : "";
    out += intPart;
    if (!fracPart.empty()) {
        out += loc.decimalSeparator;
        out += fracPart;
    }
    return out;
}

}  // namespace

void appendGeneral(std::string& out, double value, const LocaleSettings& loc, int digits) {
    if (!appendShortGeneral(out, value, loc.decimalSeparator, digits)) out += longGeneral(value, loc, digits);
}

std::string formatGeneral(double value, const LocaleSettings& loc, int digits) {
    std::string out;
    appendGeneral(out, value, loc, digits);
    return out;
}

std::string formatNumber(double value, int precision, int decimals, const LocaleSettings& loc) {
    return fixedText(value, precision, decimals, loc, true);
}

std::string formatFixed(double value, int precision, int decimals, const LocaleSettings& loc) {
    return fixedText(value, precision, decimals, loc, false);
}

void appendRoundTrip(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += nonFinite(value);
        return;
    }
    char buf[64];
    std::to_chars_result res;
    // Whole numbers (most month sums and counts) take the integer path, which writes the same
    // digits; -0 keeps its sign through the general one.
    if (value == std::trunc(value) && std::fabs(value) < 1e15 && !(value == 0 && std::signbit(value))) {
        res = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value));
    } else {
        res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 17);
    }
    out.append(buf, res.ptr);
}

std::string formatRoundTrip(double value) {
    std::string out;
    appendRoundTrip(out, value);
    return out;
}

std::optional<double> tryReadNumber(std::string_view text, const LocaleSettings& loc) {
    const std::string_view s = trimBlanks(text);
    std::string ascii;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') ascii += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ascii += s[i++];
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == loc.decimalSeparator) {
        ascii += '.';
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ascii += s[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ascii += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ascii += s[i++];
        int expDigits = 0;
        while (i < s.size() && isDigit(s[i])) {
            ascii += s[i++];
            ++expDigits;
        }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    double value = 0;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Too small to represent is 0; too large is no number the program can use.
        const std::size_t e = ascii.find('e');
        if (e != std::string::npos && ascii.find('-', e) != std::string::npos) return 0.0;
        return std::nullopt;
    }
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size()) return std::nullopt;
    return value;
}

double readStrict(std::string_view text, const LocaleSettings& loc) {
    if (auto v = tryReadNumber(text, loc)) return *v;
    throw ConversionError(quoted(text) + " não é um número válido.");
}

double readNormalized(std::string_view text, const LocaleSettings& loc) {
    std::string s(text);
    for (char& c : s) {
        if (c == ',' || c == '.') c = loc.decimalSeparator;
    }
    if (auto v = tryReadNumber(s, loc)) return *v;
    throw ConversionError(quoted(text) + " não é um número válido.");
}

double readLenient(std::string_view text, const LocaleSettings& loc) {
    return tryReadNumber(text, loc).value_or(0.0);
}

std::optional<std::int64_t> tryReadInteger(std::string_view text) {
    std::string_view s = trimBlanks(text);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty() || (s.size() == 1 && s[0] == '-')) return std::nullopt;
    std::int64_t v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

std::int64_t readInteger(std::string_view text) {
    if (auto v = tryReadInteger(text)) return *v;
    throw ConversionError(quoted(text) + " não é um número inteiro válido.");
}

namespace {

// A short date pattern as three fields (d, M or y) and the literal text around them.
struct DatePattern {
    char fields[3] = {'d', 'M', 'y'};
    std::string literals[4];  // before field 0, between 0 and 1, between 1 and 2, after 2
    bool valid = false;
};

DatePattern parsePattern(std::string_view pattern) {
    DatePattern p;
    int n = 0;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == 'd' || c == 'M' || c == 'y') {
            while (i < pattern.size() && pattern[i] == c) ++i;
            if (n >= 3) return p;
            p.fields[n++] = c;
        } else {
            p.literals[n] += c;
            ++i;
        }
    }
    p.valid = n == 3;
    return p;
}

std::string padded(int v, int width) {
    std::string s = std::to_string(v);
    while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
    return s;
}

}  // namespace

std::string formatDate(TDate date, const LocaleSettings& loc) {
    int y, m, d;
    date.toYMD(y, m, d);
    const std::string_view pattern = loc.shortDatePattern;
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        std::size_t j = i;
        while (j < pattern.size() && pattern[j] == c) ++j;
        const std::size_t run = j - i;
        if (c == 'd') {
            out += padded(d, run >= 2 ? 2 : 1);
        } else if (c == 'M') {
            out += padded(m, run >= 2 ? 2 : 1);
        } else if (c == 'y') {
            out += padded(y, 4);
        } else {
            out.append(pattern.substr(i, run));
        }
        i = j;
    }
    return out;
}

std::optional<TDate> tryReadDate(std::string_view text, const LocaleSettings& loc) {
    const DatePattern p = parsePattern(loc.shortDatePattern);
    if (!p.valid) return std::nullopt;
    std::string_view s = trimBlanks(text);
    // Each literal of the pattern must stand as it is (blanks around it do not matter).
    auto matchLiteral = [&s](std::string_view lit) {
        s = trimBlanks(s);
        lit = trimBlanks(lit);
        if (s.substr(0, lit.size()) != lit) return false;
        s.remove_prefix(lit.size());
        s = trimBlanks(s);
        return true;
    };
    int values[3] = {0, 0, 0};
    for (int f = 0; f < 3; ++f) {
        if (!matchLiteral(p.literals[f])) return std::nullopt;
        std::size_t n = 0;
        while (n < s.size() && isDigit(s[n])) ++n;
        // Day and month take one or two digits; the year always four.
        const bool ok = p.fields[f] == 'y' ? n == 4 : (n >= 1 && n <= 2);
        if (!ok) return std::nullopt;
        std::from_chars(s.data(), s.data() + n, values[f]);
        s.remove_prefix(n);
    }
    if (!matchLiteral(p.literals[3]) || !s.empty()) return std::nullopt;
    int y = 0, m = 0, d = 0;
    for (int f = 0; f < 3; ++f) {
        if (p.fields[f] == 'd') d = values[f];
        if (p.fields[f] == 'M') m = values[f];
        if (p.fields[f] == 'y') y = values[f];
    }
    return TDate::fromYMD(y, m, d);
}

TDate readDate(std::string_view text, const LocaleSettings& loc) {
    if (auto d = tryReadDate(text, loc)) return *d;
    throw ConversionError(quoted(text) + " não é uma data válida.");
}

DateOrder dateOrder(const LocaleSettings& loc) {
    const DatePattern p = parsePattern(loc.shortDatePattern);
    if (p.valid && p.fields[0] == 'M') return DateOrder::MonthDayYear;
    if (p.valid && p.fields[0] == 'y') return DateOrder::YearMonthDay;
    return DateOrder::DayMonthYear;
}

std::optional<TDate> tryReadDateInOrder(std::string_view text, DateOrder order) {
    std::string_view s = trimBlanks(text);
    int values[3] = {0, 0, 0};
    std::size_t widths[3] = {0, 0, 0};
    for (int f = 0; f < 3; ++f) {
        if (f > 0) {
            // The separator: anything but digits and letters, at least one character.
            std::size_t n = 0;
            while (n < s.size() && !isDigit(s[n]) && !std::isalpha(static_cast<unsigned char>(s[n]))) ++n;
            if (n == 0) return std::nullopt;
            s.remove_prefix(n);
        }
        std::size_t n = 0;
        while (n < s.size() && isDigit(s[n])) ++n;
        if (n == 0 || n > 4) return std::nullopt;
        std::from_chars(s.data(), s.data() + n, values[f]);
        widths[f] = n;
        s.remove_prefix(n);
    }
    if (!s.empty()) return std::nullopt;
    // Positions of day, month and year in the text.
    const int yearAt = order == DateOrder::YearMonthDay ? 0 : 2;
    const int monthAt = order == DateOrder::DayMonthYear ? 1 : order == DateOrder::MonthDayYear ? 0 : 1;
    const int dayAt = 3 - yearAt - monthAt;
    if (widths[yearAt] != 4 || widths[monthAt] > 2 || widths[dayAt] > 2) return std::nullopt;
    return TDate::fromYMD(values[yearAt], values[monthAt], values[dayAt]);
}
