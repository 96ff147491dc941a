#pragma once
// Reading daily precipitation records and one-value-per-line files.

#include <cstddef>
#include <string>
#include <vector>

#include "common/arrays.h"
#include "common/locale_settings.h"

// The lines of a precipitation data file that are not numbers (a title, "abc", "20,3,5", an
// empty line): each is read as a day of 0 mm. And the lines that are negative numbers, kept as
// read: no rain is below 0 mm, so such a record is most likely not what the user meant.
struct PrecUnreadLines {
    static constexpr std::size_t kListed = 10;
    std::size_t count = 0;                   // how many
    std::vector<std::size_t> first;          // the first kListed of them, line numbers counted from 1
    std::size_t negativeCount = 0;           // how many lines are negative numbers
    std::vector<std::size_t> firstNegative;  // the first kListed of them
};

// The warning under the caption "Dados de precipitação" after a record of `days` daily values
// is read: fewer than 365 values, lines that are not numbers, lines that are negative (how many
// and which), each told in one paragraph of one text. Empty when there is nothing to say.
std::string precDataWarning(std::size_t days, const PrecUnreadLines& unread, const LocaleSettings& loc);

// A precipitation data file as loadPrec reads it, but keeping semicolons (a line holding
// one gives 0). Throws FileError when the file cannot be read.
doubleArray readPrecFile(const std::string& path, const LocaleSettings& loc);
// The same, telling which lines were not numbers.
doubleArray readPrecFile(const std::string& path, const LocaleSettings& loc, PrecUnreadLines& unread);
// One number per line, strictly in the locale's format. A missing file leaves `values` as it
// was; a line that does not convert (an empty one included) throws ConversionError naming the
// line ("Linha 3: 'abc' não é um número válido."), leaving `values` as it was.
void loadVecFile(const std::string& path, doubleArray& values, const LocaleSettings& loc);
// The reads above over a file's lines already in memory (readTextLines, decodeTextLines):
// loadPrec's when `dropSemicolons`, readPrecFile's otherwise; loadVecFile's returns the values.
doubleArray readPrecLines(const std::vector<std::string>& lines, bool dropSemicolons,
                          const LocaleSettings& loc, PrecUnreadLines& unread);
doubleArray readVecLines(const std::vector<std::string>& lines, const LocaleSettings& loc);
