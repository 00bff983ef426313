#pragma once

#include <algorithm>
#include <cmath>

// The game's one rounding rule: halves go up, also for negative values. Positions can come from
// absurd settings, so a NaN reads as 0 and values beyond int stop at its ends instead of being
// undefined.
inline int RoundToInt(float v) {
    const float rounded = std::floor(v + 0.5f);
    if (std::isnan(rounded))
        return 0;
    // The largest float below 2^31; -2^31 itself is exact.
    constexpr float kHighest = 2147483520.0f;
    constexpr float kLowest = -2147483648.0f;
    return static_cast<int>(std::clamp(rounded, kLowest, kHighest));
}
