#pragma once
// The series of the variable demand and occupants editor, apart from its window: how the
// grid is laid out for a period, what the editor opens with for a simulation's series, how
// the typed values read back, and the value files it loads. A daily series is a pattern of
// N days cycled from the first day of the record; a monthly one has the 12 months.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/arrays.h"
#include "common/locale_settings.h"

// The longest pattern the grid lays out, in days.
constexpr int kMaxPeriodoDemanda = 1000;
constexpr int kMesesDemanda = 12;

// The corner cell and the column 0 of the grid, for one layout.
struct DemandGridLayout {
    std::string corner;                  // "Dia" (daily, weekly) or "Mês" (monthly)
    int labelWidth = 30;                 // pixels of the label column
    std::vector<std::string> rowLabels;  // rows 1 to N
};

// A period or a value file longer than the grid takes: "Valor muito elevado".
class SeriesTooLongError : public std::runtime_error {
  public:
    SeriesTooLongError() : std::runtime_error("Valor muito elevado") {}
};

// The layouts: "Dom" to "Sab"; "Jan" to "Dez"; the numbers 1 to N.
DemandGridLayout weeklyLayout();
DemandGridLayout monthlyLayout();
DemandGridLayout numberedLayout(int days);

// What "OK" lays out for the period box's text: the 12 months under "Mensal", whatever the box
// holds (its period is 12 and the window keeps the box at "12"); under "Diária" "7" exactly is
// the week, otherwise N numbered days. Throws SeriesTooLongError above 1000 days and
// ConversionError when the daily text is not a whole number of days (a negative one included).
DemandGridLayout periodLayout(std::string_view periodText, bool monthly);

// The column header of the values: the occupants, or the demand in its unit.
std::string demandColumnHeader(bool nroMor, bool monthly);
inline std::string demandCorner(bool monthly) {
    return monthly ? "Mês" : "Dia";
}

// What the editor opens with for a simulation's series.
struct DemandEditorContents {
    std::string period;  // the period box
    bool monthly = false;
    DemandGridLayout layout;
    std::vector<std::string> values;  // rows 1 to values.size(), in the general format
};
// `daily` and `monthlyValues` are the simulation's arrays of the edited quantity, `monthly`
// its monthly flag. A monthly series shows its months; a daily one of 7 values the week;
// any other daily one its numbered days.
DemandEditorContents demandEditorContents(const doubleArray& daily, const doubleArray& monthlyValues,
                                          bool monthly, const LocaleSettings& loc);

// The value texts joined by "; " ("100; 120; 90"), as the scenario lists hold a series.
std::string joinSeriesTexts(const std::vector<std::string>& texts);

// The number of rows "Concluir" checks and the window reads: the 12 months under "Mensal",
// else the period box read as a whole number (ConversionError when it is not one).
std::size_t seriesRowCount(std::string_view periodText, bool monthly);

// When the period box was changed without "OK", its `count` rows and the grid's `gridRows`
// differ: the message that asks for "OK" before "Concluir", naming both. nullopt when they agree.
std::optional<std::string> periodGridDisagreement(std::size_t count, std::size_t gridRows);

// A column pasted into the grid, one text a row from the current one, as a spreadsheet pastes
// it: lines end with "\n", "\r\n" or "\r"; the line break after the last line makes no row;
// of a tab-separated line (several columns copied) the first field goes into the value column.
std::vector<std::string> pastedColumnTexts(std::string_view clipboard);

// Whether any of the first `count` value texts is empty (a row the grid lacks counts as empty).
bool anySeriesValueMissing(const std::vector<std::string>& texts, std::size_t count);

// The first `count` value texts read strictly in the locale. A text that is not a number, or a
// negative one (no demand or occupant count is below 0), throws ConversionError led by the
// row's label (`labels[i]` for `texts[i]`): "Jan: 'abc' não é um número válido.".
doubleArray readSeriesValues(const std::vector<std::string>& texts, const std::vector<std::string>& labels,
                             std::size_t count, const LocaleSettings& loc);

// A value file for the editor, read with loadVecFile: nullopt when no file exists at `path`.
// Throws ConversionError naming the line of a line that is not a number, SeriesTooLongError for
// more than 1000 values, FileError when the file cannot be read.
std::optional<doubleArray> readSeriesFile(const std::string& path, const LocaleSettings& loc);

// The values in the general format, as the grid shows them.
std::vector<std::string> seriesTexts(const doubleArray& values, const LocaleSettings& loc);
