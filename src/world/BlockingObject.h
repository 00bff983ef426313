#pragma once

// Something that stops the frog. A derived class registers with BlockInfo when it is placed in
// the world; the registry forgets it here, so that it is never asked after its end.
class BlockingObject {
  public:
    BlockingObject() = default;
    BlockingObject(const BlockingObject&) = delete;
    BlockingObject& operator=(const BlockingObject&) = delete;
    virtual ~BlockingObject();

    virtual bool blocksPoint(int x, int y) const = 0;
    // Whether the object will cover (x, y) after t seconds.
    virtual bool blocksPointAfter(int x, int y, float t) const = 0;
};
