#pragma once
// Growable arrays of the program. They are plain values: copying one copies its contents,
// so changing a copy never changes the original.

#include <cstdint>
#include <vector>

using intArray = std::vector<std::int32_t>;
using doubleArray = std::vector<double>;
using intArrayArray = std::vector<intArray>;
using doubleArrayArray = std::vector<doubleArray>;
