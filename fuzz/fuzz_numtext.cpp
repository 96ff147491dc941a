// Number and date texts under every locale the program knows: the strict, normalized and
// lenient reads, whole numbers, dates in the locale's pattern and in each order, and the
// round trips that must hold. Byte 0: the locale. Bytes 1-8 also give a double for the
// round trips. From byte 1 on: the text.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "common/numtext.h"
#include "fuzz/fuzz_support.h"

namespace {

void readsAgree(std::string_view text, const LocaleSettings& loc) {
    const std::optional<double> tried = tryReadNumber(text, loc);
    try {
        const double strict = readStrict(text, loc);
        fuzz::require(tried.has_value(), "tryReadNumber reads what readStrict reads");
        fuzz::require(std::isnan(strict) ? std::isnan(*tried) : strict == *tried, "the same number");
    } catch (const ConversionError&) {
        fuzz::require(!tried.has_value(), "tryReadNumber refuses what readStrict refuses");
    }
    const double lenient = readLenient(text, loc);
    if (tried && !std::isnan(*tried))
        fuzz::require(lenient == *tried, "readLenient reads a valid text alike");
    if (!tried) fuzz::require(lenient == 0.0, "readLenient gives 0 for an invalid text");
    try {
        (void)readNormalized(text, loc);
    } catch (const ConversionError&) {
    }
}

void integersAgree(std::string_view text) {
    const std::optional<std::int64_t> tried = tryReadInteger(text);
    try {
        const std::int64_t v = readInteger(text);
        fuzz::require(tried && *tried == v, "tryReadInteger reads what readInteger reads");
    } catch (const ConversionError&) {
        fuzz::require(!tried.has_value(), "tryReadInteger refuses what readInteger refuses");
    }
}

void datesAgree(std::string_view text, const LocaleSettings& loc) {
    const std::optional<TDate> tried = tryReadDate(text, loc);
    try {
        const TDate d = readDate(text, loc);
        fuzz::require(tried && *tried == d, "tryReadDate reads what readDate reads");
        // A date read is written back and read again as itself.
        fuzz::require(readDate(formatDate(d, loc), loc) == d, "a date's text reads back as the date");
    } catch (const ConversionError&) {
        fuzz::require(!tried.has_value(), "tryReadDate refuses what readDate refuses");
    }
    for (DateOrder order : {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay}) {
        if (const auto d = tryReadDateInOrder(text, order)) {
            fuzz::require(tryReadDateInOrder(formatDate(*d, loc), dateOrder(loc)) == d,
                          "a date read in an order reads back in the locale's order");
        }
    }
}

// A finite double written in the round-trip text reads back as itself under a point locale;
// its general and fixed texts read back under the locale they were written in.
void numbersRoundTrip(double value, const LocaleSettings& loc) {
    if (!std::isfinite(value)) return;
    const LocaleSettings point = LocaleSettings::fromName("C");
    const std::string text = formatRoundTrip(value);
    const std::optional<double> back = tryReadNumber(text, point);
    fuzz::require(back && *back == value, "formatRoundTrip reads back as the same double");
    for (int digits : {6, 15}) {
        const std::string general = formatGeneral(value, loc, digits);
        fuzz::require(tryReadNumber(general, loc).has_value(), "formatGeneral reads back");
    }
    // The totals' text has no thousands separator either.
    fuzz::require(tryReadNumber(formatFixed(value, 15, 2, loc), loc).has_value(), "formatFixed reads back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const LocaleSettings loc = fuzz::localeOf(data[0]);
    const std::string_view text = fuzz::rest(data, size, 1);
    readsAgree(text, loc);
    integersAgree(text);
    datesAgree(text, loc);
    if (text.size() >= sizeof(double)) {
        double value;
        std::memcpy(&value, text.data(), sizeof value);
        numbersRoundTrip(value, loc);
    }
    return 0;
}
