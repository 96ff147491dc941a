#pragma once
// Number texts and number reads of the program, all with the user's locale settings.
// Formatting never depends on the C library's locale: digits come from std::to_chars.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/locale_settings.h"
#include "common/tdate.h"

// A text that does not convert. The message is in Portuguese and names the text.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// General: shortest text with up to `digits` significant digits, trailing zeros dropped,
// no thousands separator; scientific notation (mantissa, "E", exponent) for magnitudes of
// 10^digits and above or below 0.00001. formatGeneral is 15 digits, formatGeneral6 is 6.
std::string formatGeneral(double value, const LocaleSettings& loc, int digits = 15);
// formatGeneral's text appended to `out`, for a line of many numbers.
void appendGeneral(std::string& out, double value, const LocaleSettings& loc, int digits = 15);
inline std::string formatGeneral6(double value, const LocaleSettings& loc) {
    return formatGeneral(value, loc, 6);
}
// Number p/d: rounded to p significant digits (or d decimals, whichever keeps fewer digits),
// exactly d decimals, thousands separators; scientific when the integer part needs more
// than p digits. Number 4/2 is the savings format of labels and grids.
std::string formatNumber(double value, int precision, int decimals, const LocaleSettings& loc);
// Fixed p/d: like number p/d, without thousands separators.
std::string formatFixed(double value, int precision, int decimals, const LocaleSettings& loc);
// Shortest round-trip text ("%.17g"-like, point as decimal mark): for JSON and logs.
std::string formatRoundTrip(double value);
// formatRoundTrip's text appended to `out`, for a text of many numbers (a sweep's JSON).
void appendRoundTrip(std::string& out, double value);

// Strict read: the text as it stands in the locale's format (optional sign, digits with at
// most one decimal separator, optional exponent, surrounding blanks ignored).
// Throws ConversionError "'abc' não é um número válido." when it is not a number.
double readStrict(std::string_view text, const LocaleSettings& loc);
// Normalized read: every "," and "." replaced by the locale's decimal separator, then strict.
double readNormalized(std::string_view text, const LocaleSettings& loc);
// Lenient read: 0 for an empty or invalid text.
double readLenient(std::string_view text, const LocaleSettings& loc);
// The strict read without the exception.
std::optional<double> tryReadNumber(std::string_view text, const LocaleSettings& loc);
// The text without the blanks and tabs around it, as every read here takes it.
std::string_view trimBlanks(std::string_view s);
// Whole numbers: optional sign and digits, surrounding blanks ignored.
// Throws ConversionError "'2,5' não é um número inteiro válido.".
std::int64_t readInteger(std::string_view text);
std::optional<std::int64_t> tryReadInteger(std::string_view text);

// Dates in the locale's short date pattern (always with a four-digit year).
std::string formatDate(TDate date, const LocaleSettings& loc);
// Day, month and four-digit year in the pattern's order, separated as the pattern is;
// throws ConversionError "'31/02/2012' não é uma data válida.".
TDate readDate(std::string_view text, const LocaleSettings& loc);
std::optional<TDate> tryReadDate(std::string_view text, const LocaleSettings& loc);

// The order of day, month and year in a date text.
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };
// The order of the locale's short date pattern (day first for a pattern without the three fields).
DateOrder dateOrder(const LocaleSettings& loc);
// A date written in `order` with any separators between its fields ("15/03/2012",
// "15.03.2012", "15-3-2012"): day and month of one or two digits, the year of four.
std::optional<TDate> tryReadDateInOrder(std::string_view text, DateOrder order);
