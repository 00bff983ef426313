#pragma once

namespace platform {

// A rectangle of surface pixels; right and bottom are exclusive, as the display calls take them.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool liesWithin(int areaWidth, int areaHeight) const {
        return !isEmpty() && left >= 0 && top >= 0 && right <= areaWidth && bottom <= areaHeight;
    }
    bool operator==(const Rect&) const = default;
};

} // namespace platform
