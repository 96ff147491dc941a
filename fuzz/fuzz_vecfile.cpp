// Value files (a demand or occupants series, one number per line, strictly in the locale's
// format). Byte 0: the locale. The rest: the file's bytes.

#include <cstddef>
#include <cstdint>

#include "common/numtext.h"
#include "common/textfile.h"
#include "engine/precipitation_file.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const LocaleSettings loc = fuzz::localeOf(data[0]);
    const std::vector<std::string> lines = decodeTextLines(fuzz::rest(data, size, 1));
    try {
        const doubleArray values = readVecLines(lines, loc);
        fuzz::require(values.size() == lines.size(), "one value per line");
        for (std::size_t i = 0; i < lines.size(); ++i)
            fuzz::require(tryReadNumber(lines[i], loc).has_value(), "every line read is a number");
    } catch (const ConversionError&) {
        // A line that is not a number: the user is told which.
    }
    return 0;
}
