#pragma once

#include <cstdint>

// One flag word per world cell.
using WorldCell = std::uint32_t;

inline constexpr WorldCell CELL_WATER = 1;
