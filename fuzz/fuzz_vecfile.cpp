// Value files (a demand or occupants series, one number per line, strictly in the locale's
// format): each value as its line reads, and the values as the series editor shows them (the
// general format, 15 significant digits) read back as the same texts, within that precision.
// Byte 0: the locale. The rest: the file's bytes.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "common/numtext.h"
#include "common/textfile.h"
#include "engine/demand_series.h"
#include "engine/precipitation_file.h"
#include "fuzz/fuzz_support.h"

namespace {

// A value and what its 15-digit text reads back as: apart by at most a unit of the 15th digit
// (the text of a value next to the largest double has its digits cut, not rounded) and one step
// of the doubles below the normal ones, which carry fewer digits.
bool within15Digits(double value, double back) {
    const double tolerance = 1e-14 * std::fabs(value) + std::numeric_limits<double>::denorm_min();
    return std::fabs(back - value) <= tolerance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const LocaleSettings loc = fuzz::localeOf(data[0]);
    const std::vector<std::string> lines = decodeTextLines(fuzz::rest(data, size, 1));
    doubleArray values;
    try {
        values = readVecLines(lines, loc);
    } catch (const ConversionError&) {
        // A line that is not a number: the user is told which.
        return 0;
    }
    fuzz::require(values.size() == lines.size(), "one value per line");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<double> read = tryReadNumber(lines[i], loc);
        fuzz::require(read.has_value(), "every line read is a number");
        fuzz::require(std::isfinite(values[i]), "every value read is finite");
        fuzz::require(values[i] == *read && std::signbit(values[i]) == std::signbit(*read),
                      "every value is its line's number");
    }
    // The editor's texts of the values, read back as a file of them, give the same texts.
    const std::vector<std::string> texts = seriesTexts(values, loc);
    doubleArray back;
    try {
        back = readVecLines(texts, loc);
    } catch (const ConversionError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        fuzz::broken("the values' texts do not read back");
    }
    fuzz::require(back.size() == values.size(), "one value per text");
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!within15Digits(values[i], back[i])) {
            std::fprintf(stderr, "line %s, text %s\n", lines[i].c_str(), texts[i].c_str());
            fuzz::broken("a value's text reads back as another value");
        }
    }
    fuzz::require(seriesTexts(back, loc) == texts, "the values read back are written as the same texts");
    return 0;
}
