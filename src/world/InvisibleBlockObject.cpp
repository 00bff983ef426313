#include "world/InvisibleBlockObject.h"

#include "core/Singleton.h"
#include "world/BlockInfo.h"

#include <cstdlib>

void InvisibleBlockObject::init(int centreX, int centreY, int boxWidth, int boxHeight) {
    x = centreX;
    y = centreY;
    width = boxWidth;
    height = boxHeight;
    Singleton<BlockInfo>::Instance().add(this);
}

// In 64 bits, so that sizes and points from a file cannot overflow the comparison.
bool InvisibleBlockObject::blocksPoint(int px, int py) const {
    return 2 * std::llabs(static_cast<long long>(px) - x) <= width &&
           2 * std::llabs(static_cast<long long>(py) - y) <= height;
}

bool InvisibleBlockObject::blocksPointAfter(int px, int py, float) const {
    return blocksPoint(px, py);
}
