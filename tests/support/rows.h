#pragma once
// Small helpers shared by the tables of cases of the engine's tests.

#include <ostream>

#include "common/tdate.h"

namespace {

inline TDate ymd(int y, int m, int d) {
    return *TDate::fromYMD(y, m, d);
}

// Rows of a table print as their name in test failures.
template <typename T>
requires requires(const T& t) {
    t.name;
}
void PrintTo(const T& row, std::ostream* os) {
    *os << row.name;
}

}  // namespace
