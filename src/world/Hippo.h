#pragma once

#include "world/RiverObject.h"

#include <string>

// A hippo: boarding makes it angry, and after a while it dives, whether the frog stayed or not.
class Hippo : public RiverObject {
  public:
    static constexpr int kStateAngry = 5;

    Hippo();

    bool attach(const Lane& lane, bool randomX) override;
    void frogBoards() override;
    void update(float dt) override;
    std::string spriteLabel() const override;

    float getAngryTime() const { return angryTime; }
    // How long an angered hippo stays up before it dives.
    float getWaitBeforeDive() const { return waitBeforeDive; }

  protected:
    // It faces the way it swims.
    bool drawnMirrored() const override { return TrackObject::drawnMirrored(); }

  private:
    float angryTime = 0.0f;
    float waitBeforeDive = 0.0f;
};
