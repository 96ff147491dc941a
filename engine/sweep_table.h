#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/capt_agua_interval.h"

// The data sheet of a sweep: one row per member, the ideal-volume gain over the previous
// member in the last column (0 in row 0). The captions are the sheet's two-line headers.
struct SweepColumn {
    const char* line1;
    const char* line2;
    int decimals;  // shown on screen; the export writes every digit
};
inline constexpr int kSweepColumns = 9;
extern const SweepColumn kSweepTableColumns[kSweepColumns];
struct SweepTable {
    std::vector<std::array<double, kSweepColumns>> rows;
    int idealRow = -1;  // the row of the ideal volume, -1 when none
};
SweepTable buildSweepTable(const TCaptAguaInterval& sim);
// The texts the sheet shows, row by row: each value fixed to its column's decimals.
using SweepRowTexts = std::array<std::string, kSweepColumns>;
std::vector<SweepRowTexts> sweepTableTexts(const SweepTable& table, const LocaleSettings& loc);
// The sheet's export: the captions (each followed by ';', their two lines run together), then
// one line per row with every value in the general format, each followed by ';'.
std::vector<std::string> sweepTableCsv(const SweepTable& table, const LocaleSettings& loc);
