#pragma once

#include "platform/Rect.h"

// A rectangle of pixels whose right and bottom are its last column and row, as sprites, fonts
// and the picture tools count their parts. The display calls take platform::Rect, which ends
// one past; the two conversions here are the only crossing, so that no "+ 1" goes astray.
struct InclusiveRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
    bool operator==(const InclusiveRect&) const = default;

    platform::Rect ToExclusive() const { return {left, top, right + 1, bottom + 1}; }
    static InclusiveRect FromExclusive(const platform::Rect& rect) {
        return {rect.left, rect.top, rect.right - 1, rect.bottom - 1};
    }
};
