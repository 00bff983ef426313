#pragma once

#include "world/PlayEvents.h"

#include <functional>
#include <utility>

// Turns what happens in play into points and screen messages. The frog's dying is the game's
// business, handed on to the function the game gives.
class ScoreKeeper : public PlayEvents {
  public:
    explicit ScoreKeeper(std::function<void()> onFrogDying) : onFrogDying(std::move(onFrogDying)) {}

    void starCollected(float x, float y) override;
    void truckToTruck() override;
    void insectEaten(int insectType, float x, float y) override;
    void frogPierced(float x, float y) override;
    void frogDying() override { onFrogDying(); }
    void timeRanOut() override;

  private:
    std::function<void()> onFrogDying;
};
