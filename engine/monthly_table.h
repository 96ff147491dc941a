#pragma once

#include <array>
#include <string>

#include "engine/capt_agua.h"

// The month-by-month table of a simulation after simula: 14 rows (January … December,
// "Média", "Total ano") of 9 texts.
using MonthlyTable = std::array<std::array<std::string, 9>, 14>;
MonthlyTable buildMonthlyTable(const TCaptAgua& sim, const LocaleSettings& loc);
