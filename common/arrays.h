#pragma once
// Growable arrays of the program. They are plain values: copying one copies its contents,
// so changing a copy never changes the original.

#include <cstdint>
#include <numeric>
#include <vector>

using intArray = std::vector<std::int32_t>;
using doubleArray = std::vector<double>;
using intArrayArray = std::vector<intArray>;
using doubleArrayArray = std::vector<doubleArray>;

// The plain mean of the entries; 0 for an empty array.
inline double arrayMean(const doubleArray& v) {
    if (v.empty()) return 0;
    return std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
}
