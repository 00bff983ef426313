#pragma once

#include <algorithm>
#include <cmath>

// Truncation toward zero for positions that may come from absurd settings or long look-aheads:
// a NaN reads as 0 and values beyond int stop at its ends instead of being undefined.
inline int TruncateToInt(float v) {
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(v, -2147483648.0f, 2147483520.0f));
}
