#pragma once

#include "world/RiverObject.h"

#include <string>

// A box: it drowns a frog that rides it too long, and catches a frog waiting in the lane below
// as it passes, with a hammer, a red button or a bomb.
class Box : public RiverObject {
  public:
    static constexpr int kStateDrowning = 5;
    static constexpr int kStateCatching = 6;
    static constexpr int kStateFinished = 7;

    // `objectType` is 12, 13 or 14.
    explicit Box(int objectType);
    // A frog held by the box is released.
    ~Box() override;

    bool attach(const Lane& lane, bool randomX) override;
    // The moves remember where the box was; setX and setY do not.
    void setPosition(float newX, float newY) override;
    void moveBy(float dx, float dy) override;
    void moveX(float dx) override;
    void moveY(float dy) override;
    // The count towards drowning starts again at every boarding.
    void frogBoards() override;
    void draw(const Camera& camera, float time, bool mirrored) override;
    void update(float dt) override;
    std::string spriteLabel() const override;

    // The frog command of this kind's catch.
    int catchCommand() const;
    int getPreviousX() const { return previousX; }
    int getPreviousY() const { return previousY; }
    float getAboardTime() const { return aboardTime; }
    // How long the box carries a frog before it opens on it.
    float getWaitBeforeKill() const { return waitBeforeKill; }

  private:
    void rememberPosition();
    // The frog waits in the lane just below, and the box's centre passed it in this frame.
    bool catches() const;
    void endAnimations();
    void countTimeAboard(float dt);

    float waitBeforeKill = 0.0f;
    float aboardTime = 0.0f;
    int previousX = 0;
    int previousY = 0;
    int swimOffsetX = 0;
    int swimOffsetY = 0;
    int drownOffsetX = 0;
    int drownOffsetY = 0;
};
