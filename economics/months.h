#pragma once
// Calendar months of the economic analysis. The analysis counts calendar months 0 (January)
// to 11 (December) and analysis months from 0 (the month of installation); the engine's
// monthly results are indexed 1 (January) to 12, so every look-up goes through here.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/month_array.h"
#include "engine/reference_year.h"

// Calendar month (0 = January) of analysis month i for a system installed in month mesIn.
inline int mesCalendario(int i, int mesIn) {
    return (i + mesIn) % 12;
}

// The engine's figure for calendar month m (0 = January).
template <typename T>
T valorDoMes(const MonthArray<T>& a, int m) {
    return a[m + 1];
}

// Days of calendar month m (0 = January) in a common year.
inline int diasDoMes(int m) {
    return kReferenceMonthDays[m + 1];
}

inline constexpr std::array<std::string_view, 12> kMesesAbrev = {"Jan", "Fev", "Mar", "Abr", "Mai", "Jun",
                                                                 "Jul", "Ago", "Set", "Out", "Nov", "Dez"};
inline constexpr std::array<std::string_view, 12> kMesesNome = {
    "Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",     "Junho",
    "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro", "Dezembro"};
