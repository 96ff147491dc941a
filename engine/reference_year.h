#pragma once
// The non-leap reference year of the 365-day demand and occupant tables.

#include "common/arrays.h"
#include "common/tdate.h"

// Days of the months of the non-leap reference year, indexed 1..12: the 365-day tables and the
// nominal month lengths of the monthly results (February always 28).
inline constexpr int kReferenceMonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Shifts a 365-day table so that entry 0 is the calendar day of `start` (29 February takes
// the offset of 1 March).
void rotateToDate(doubleArray& table, TDate start);
// Day of the non-leap reference year of a date's month and day: 1 January is 0, 31 December 364.
int referenceDayOfYear(TDate date);
