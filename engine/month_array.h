#pragma once

#include <array>
#include <cstddef>

// A twelve-entry result indexed by calendar month, 1 (January) to 12 (December).
template <typename T>
struct MonthArray {
    std::array<T, 12> v{};
    T& operator[](int month) { return v[static_cast<std::size_t>(month - 1)]; }
    const T& operator[](int month) const { return v[static_cast<std::size_t>(month - 1)]; }
    void clear() { v.fill(T{}); }
    friend bool operator==(const MonthArray&, const MonthArray&) = default;
};
