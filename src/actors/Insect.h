#pragma once

#include "world/GameObject.h"

#include <memory>
#include <string>
#include <vector>

class Frog;
class Level;
class PlayEvents;

// An insect flying over the level in straight lines. The frog's tongue eats most kinds; the big
// bug and the taxi bug turn on the frog instead and pierce it.
class Insect : public GameObject {
  public:
    // What an insect needs of the game; none of it is owned. The level owns the insects, so
    // both outlive them.
    struct World {
        Frog* frog = nullptr;
        const Level* level = nullptr;
        // Hears of the insects eaten and of the frog pierced.
        PlayEvents* events = nullptr;
    };

    static constexpr int kBigBug = 1;
    static constexpr int kBusinessBug = 2;
    static constexpr int kButterfly = 3;
    static constexpr int kNewsBug = 4;
    static constexpr int kTaxiBug = 5;
    static constexpr int kToolBug = 6;
    static constexpr int kVoyagerBug = 7;
    static constexpr int kTypeCount = 7;

    static constexpr int kStateInitial = 0;
    static constexpr int kStateFlyLeft = 1;
    static constexpr int kStateFlyRight = 2;
    static constexpr int kStateFlyUp = 3;
    static constexpr int kStateFlyDown = 4;
    static constexpr int kStateApproach = 5;
    static constexpr int kStatePiercing = 6;

    // Seconds between two chances to turn.
    static constexpr float kDirectionInterval = 1.0f;
    // How much faster an attacker flies at the frog than it cruises.
    static constexpr float kApproachSpeedFactor = 1.5f;
    // The eaten insect shrinks toward this point above the frog's position.
    static constexpr int kMouthOffsetY = 10;

    // Without a world the insect counts as outside any level and is removed at its next step.
    explicit Insect(int type);
    Insect(int type, const World& world);

    // Reads the settings, picks a speed and finds the cell the insect is in.
    void init();
    void update(float dt) override;

    // The frog's tongue reached the insect. One that is already being eaten is left alone, so
    // that a second catch while it shrinks scores nothing twice.
    void caught();

    // The label of the sprite for the type and state, and whether it is drawn mirrored.
    const std::string& spriteLabel() const;
    bool isMirrored() const;

    void setPosition(float newX, float newY) {
        x = newX;
        y = newY;
    }
    int getType() const { return type; }
    // The kinds that turn on the frog when its tongue reaches them.
    bool isAttacker() const { return type == kBigBug || type == kTaxiBug; }
    float getX() const { return x; }
    float getY() const { return y; }
    float getSpeed() const { return speed; }
    int getCellIndex() const { return cellIndex; }
    bool isCaught() const { return caughtFlag; }
    bool isRemoved() const { return remove; }
    float getAnimationTime() const { return animationTime; }

  private:
    // The settings every insect reads as it starts.
    struct Tuning {
        float chanceToChangeDirection = 0.0f;
        float chanceToPierce = 0.0f;
        float maxPierceDistance = 0.0f;
        int drawOffsetX = 0;
        int drawOffsetY = 0;
        float shrinkInterval = 0.0f;
        float maxApproachTime = 0.0f;
    };

    // How far the shrinking has come, 0 to 1.
    float shrinkProgress() const;
    bool isFrogWithinPierceDistance() const;
    void updateCellIndex();
    void flyOffRandomly();

    void shrinkStep(float dt);
    void movementStep(float dt);
    void decideDirection();
    void approachStep(float dt);
    void piercingStep();
    void drawStep();

    int type;
    World world;
    Tuning tuning;
    float speed = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    int lastStepX = 0;
    int lastStepY = 0;
    float animationTime = 0.0f;
    float directionTimer = 0.0f;
    bool remove = false;
    bool caughtFlag = false;
    float shrinkTime = 0.0f;
    int cellIndex = -1;
    float approachTime = 0.0f;
};

using InsectList = std::vector<std::unique_ptr<Insect>>;
