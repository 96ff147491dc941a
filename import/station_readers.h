#pragma once
// The readers of the station formats and what they share: the dated values a reader finds, in
// the order of the file, before duplicates are merged and gaps are looked for.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/locale_settings.h"
#include "common/tdate.h"

namespace station {

// One dated value of the source, as a reader finds it.
struct Entrada {
    TDate data;
    bool falta = false;  // no value, a negative value, a flagged value
    double valor = 0;    // mm
    std::string texto;   // the value in mm with a point, as read ("12.5") or converted
    std::size_t linha = 0;
};

struct Leitura {
    std::optional<std::string> estacao;
    std::vector<Entrada> entradas;
};

Leitura readInmet(const std::vector<std::string>& lines);
Leitura readAna(const std::vector<std::string>& lines);
Leitura readGhcn(const std::vector<std::string>& lines);
Leitura readNoaa(const std::vector<std::string>& lines, bool inches);
Leitura readCsv(const std::vector<std::string>& lines, bool inches);

// Whether the lines look like each format (detection from the content).
bool looksLikeGhcn(const std::vector<std::string>& lines);
bool looksLikeAna(const std::vector<std::string>& lines);
bool looksLikeInmet(const std::vector<std::string>& lines);
bool looksLikeNoaa(const std::vector<std::string>& lines);
bool looksLikeCsv(const std::vector<std::string>& lines);

// ---- shared by the readers ----

// The settings numbers of the sources are read and kept in (a point, no grouping).
const LocaleSettings& pointLocale();

// Lower case, the accents of Portuguese letters dropped: "PRECIPITAÇÃO" -> "precipitacao".
std::string fold(std::string_view s);
bool startsWith(std::string_view s, std::string_view prefix);
// The fields of a line cut at `sep`; a field in double quotes may hold the separator ("" is a quote).
std::vector<std::string> splitQuoted(std::string_view line, char sep);
// Whether every field of a row is blank.
bool isBlankRow(const std::vector<std::string>& fields);
// The first column whose title, trimmed and folded, satisfies `match`; none: -1.
int findColumn(const std::vector<std::string>& titles, const std::function<bool(const std::string&)>& match);
// The field of column `c`; empty when the row is shorter or `c` is -1.
std::string_view fieldAt(const std::vector<std::string>& fields, int c);
// A source's date: "AAAA-MM-DD" (a time after "T" or a blank ignored) or "DD/MM/AAAA".
std::optional<TDate> readSourceDate(std::string_view text);

// A value field: empty, "null", "NA" or "NaN" is missing; a number (a decimal point, or a comma when
// `comma`) is a value, a negative one missing. False when the text is none of these.
bool readValue(std::string_view text, bool comma, Entrada& e);
// One row of a column-per-field source: the date of column `dateCol` and the value of column
// `rainCol` (a decimal comma when `comma`), line `line` of the file; a date or a value that does
// not read stops the import naming the line.
Entrada readDatedRow(const std::vector<std::string>& fields, int dateCol, int rainCol, bool comma,
                     std::size_t line);
// The value read in inches, converted to mm (× 25.4).
void toMillimetres(Entrada& e);

// An ImportError "Linha N: …".
[[noreturn]] void failAt(std::size_t line, const std::string& what);
// The error of a value field that is not a number.
[[noreturn]] void failValue(std::size_t line, std::string_view text);
// The error of a date field that is not a date.
[[noreturn]] void failDate(std::size_t line, std::string_view text);
// The error of a second station in a file of one.
void checkOneStation(std::optional<std::string>& estacao, const std::string& found, std::size_t line);

}  // namespace station
