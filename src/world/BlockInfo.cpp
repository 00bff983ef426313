#include "world/BlockInfo.h"

#include "world/BlockingObject.h"

#include <algorithm>

void BlockInfo::add(BlockingObject* object) {
    objects.insert(object);
}

void BlockInfo::remove(BlockingObject* object) {
    objects.erase(object);
}

bool BlockInfo::isBlocked(int x, int y) const {
    return std::any_of(objects.begin(), objects.end(),
                       [x, y](const BlockingObject* object) { return object->blocksPoint(x, y); });
}

bool BlockInfo::isBlockedAfter(int x, int y, float t) const {
    return std::any_of(objects.begin(), objects.end(), [x, y, t](const BlockingObject* object) {
        return object->blocksPointAfter(x, y, t);
    });
}

void BlockInfo::clear() {
    objects.clear();
}
