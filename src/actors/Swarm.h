#pragma once

#include "actors/Insect.h"
#include "world/Inhabitants.h"

// The insects of the level being played. The level calls them in and away; the game steps them
// once a frame.
class Swarm : public Inhabitants {
  public:
    // `world` must outlive the swarm's insects.
    void setWorld(const Insect::World& newWorld) { world = newWorld; }

    void arrive() override;
    void leave() override { insects.clear(); }
    // The insects fly, are eaten or leave, and new ones come.
    void step(float dt);

    const InsectList& all() const { return insects; }
    InsectList& all() { return insects; }

  private:
    Insect::World world;
    InsectList insects;
};
