// Precipitation data files: the read of the series (semicolons dropped, as the main window's
// load reads it, or kept, as readPrecFile reads it for scenarios) and the warning shown under
// the caption. Byte 0: the locale (low bits) and the read (bit 7). The rest: the file's bytes.

#include <cstddef>
#include <cstdint>

#include "common/textfile.h"
#include "engine/precipitation_file.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const LocaleSettings loc = fuzz::localeOf(data[0] & 0x7F);
    const bool dropSemicolons = (data[0] & 0x80) != 0;
    const std::vector<std::string> lines = decodeTextLines(fuzz::rest(data, size, 1));
    PrecUnreadLines unread;
    const doubleArray values = readPrecLines(lines, dropSemicolons, loc, unread);
    // Every line is one day; the unread lines are counted and the first ones listed in order.
    fuzz::require(values.size() == lines.size(), "one value per line");
    fuzz::require(unread.count <= lines.size(), "unread lines counted once");
    fuzz::require(unread.first.size() == std::min(unread.count, PrecUnreadLines::kListed),
                  "the first unread lines listed");
    for (std::size_t k = 0; k < unread.first.size(); ++k) {
        fuzz::require(unread.first[k] >= 1 && unread.first[k] <= lines.size(), "listed line inside the file");
        fuzz::require(k == 0 || unread.first[k] > unread.first[k - 1], "listed lines in order");
        fuzz::require(values[unread.first[k] - 1] == 0.0, "an unread line is a day of 0 mm");
    }
    const std::string warning = precDataWarning(values.size(), unread, loc);
    fuzz::require(warning.empty() == (values.size() >= 365 && unread.count == 0), "warning when needed");
    return 0;
}
