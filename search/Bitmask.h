#pragma once

#include <cstdint>

// Sets of vertices, labels or edge values (1..20) as the bits of one word.
inline std::uint32_t Bit(int i) { return std::uint32_t{1} << i; }
