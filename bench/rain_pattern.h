#pragma once
// The benchmarks' rain: a fixed pattern of dry spells, drizzle and storms, in mm per day, the
// same on every run and machine.

#include <cstddef>
#include <cstdint>

#include "common/arrays.h"

inline doubleArray rainPattern(std::size_t days) {
    doubleArray v(days);
    std::uint32_t x = 2024;
    for (auto& d : v) {
        x = x * 1664525u + 1013904223u;
        const std::uint32_t r = (x >> 8) % 100;
        d = r < 55 ? 0.0 : r < 80 ? (r - 54) * 3 / 10.0 : (r - 79) * 25 / 10.0;
    }
    return v;
}
