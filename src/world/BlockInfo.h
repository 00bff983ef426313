#pragma once

#include "core/Singleton.h"

#include <cstddef>
#include <set>

class BlockingObject;

// The registry of the living blocking objects; it does not own them.
class BlockInfo {
  public:
    void add(BlockingObject* object);
    void remove(BlockingObject* object);
    bool isBlocked(int x, int y) const;
    bool isBlockedAfter(int x, int y, float t) const;
    // Forgets every object without destroying any.
    void clear();
    std::size_t size() const { return objects.size(); }

  private:
    friend class Singleton<BlockInfo>;
    BlockInfo() = default;

    std::set<BlockingObject*> objects;
};
