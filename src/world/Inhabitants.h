#pragma once

// What lives in a level beside its lanes and is owned above the world: the insects. The level
// brings them in and sends them away at its own moments, so that their random draws keep their
// place among the lanes'.
class Inhabitants {
  public:
    // The start of a level: none of the last one is left, the first ones arrive.
    virtual void arrive() = 0;
    virtual void leave() = 0;

  protected:
    ~Inhabitants() = default;
};
