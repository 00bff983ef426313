#pragma once

#include "actors/Insect.h"
#include "world/LaneFrog.h"

#include <array>
#include <deque>
#include <string>
#include <utility>

class Level;
class PlayEvents;

// The player's frog: its states and their animations, the commands it takes from the keyboard
// and from the objects that kill it, its moves across the lanes and the rides at their ends.
//
// The frog owns none of what it rides, lands on or is killed by. Those references are plain
// pointers that the object clears as it is destroyed (TrackObject's destructor calls
// objectGone); the frog in turn tells the objects it points at when it goes first.
class Frog : public LaneFrog {
  public:
    // What the frog needs of the game around it; none of it is owned.
    struct World {
        Level* level = nullptr;
        // Hears of a deadly command at once, and of the scores the frog earns.
        PlayEvents* events = nullptr;
        // The insects a catch may reach; none catches nothing.
        const InsectList* insects = nullptr;
    };

    // A move takes its animation's time divided by this.
    static constexpr float kMoveTimeFactor = 1.25f;
    // How far a move must have come before a new direction key counts.
    static constexpr float kCommandAcceptFraction = 0.4f;
    // The look-aheads and the steering toward a fixed seat work on this share of the move.
    static constexpr float kLandingShare = 0.8f;

    Frog() : LaneFrog("Frog") {}
    Frog(const Frog&) = delete;
    Frog& operator=(const Frog&) = delete;
    ~Frog() override;

    void setWorld(const World& newWorld) { world = newWorld; }

    // The same state again changes nothing: its clock keeps running and no sound plays.
    void setState(int newState) override;
    void update(float dt) override;
    bool reset() override;
    std::string spriteLabel() const override;

    // How far the running move has come, on its axis; (0, 0) outside a move.
    std::pair<int, int> currentMoveOffset() const;
    std::pair<int, int> displayPosition() const override;
    // Keeps the move's progress for the knocked-over frog, which lies where it was hit.
    void freezeMoveOffset() { frozenMoveOffset = currentMoveOffset(); }

    void queueCommand(int command) override;
    void keyLeft() { acceptMoveKey(FS_MOVE_LEFT); }
    void keyRight() { acceptMoveKey(FS_MOVE_RIGHT); }
    void keyUp() { acceptMoveKey(FS_MOVE_UP); }
    void keyDown() { acceptMoveKey(FS_MOVE_DOWN); }
    void keySpace() { queueCommand(FS_CATCH_INSECT); }
    // Carries out a command; the idle step passes the pending one.
    void processCommand(int command);
    // Every insect closer than the catch distance to where the frog is seen is caught.
    void catchInsects();

    // Boards `object` (none to get off): the new ride learns of it, the old one that it was left.
    void attachTo(TrackObject* object);
    void objectGone(const TrackObject* object) override;

    void setKillerBox(Box* box) override { killerBox = box; }
    // A dying state has played out; the game takes the life.
    bool isFinished() const { return finished; }
    void rememberRoundedPosition() { roundedPosition = rounded(); }

    const std::deque<int>& getCommandQueue() const { return commandQueue; }
    TrackObject* getRide() const override { return ride; }
    TrackObject* getLandingTarget() const { return landingTarget; }
    Box* getKillerBox() const override { return killerBox; }
    std::pair<int, int> getRoundedPosition() const override { return roundedPosition; }

    // The whole displacement of a move state; (0, 0) for any other.
    static constexpr std::pair<int, int> MoveDistance(int state) {
        switch (state) {
        case FS_MOVE_LEFT:
            return {-40, 0};
        case FS_MOVE_RIGHT:
            return {40, 0};
        case FS_MOVE_UP:
            return {0, 75};
        case FS_MOVE_DOWN:
            return {0, -75};
        case FS_MOVE_DOWN_TRUCK_DOWN:
            return {0, -85};
        case FS_MOVE_UP_TRUCK_UP:
            return {0, 85};
        case FS_MOVE_UP_TRUCK_DOWN:
            return {0, 65};
        case FS_ROCKET_JUMP:
            return {0, 140};
        case FS_ROCKET_JUMP_BOARDING:
            return {0, 150};
        default:
            return {0, 0};
        }
    }
    static bool IsMoveState(int state) {
        return state >= FS_MOVE_LEFT && state <= FS_ROCKET_JUMP_BOARDING;
    }
    // The settings key of a state's drawing offset, e.g. "frogmoveupOffsetX"; empty for the
    // states that keep the default offset.
    static std::string OffsetKey(int state, char axis);
    // The start cell's index for a level counter.
    static int StartIndex(int levelCounter);

  private:
    void enterState();
    void acceptMoveKey(int command);
    // How far the current animation has come: state time over its length, 1 when it has none.
    float progress() const;
    float duration() const;
    std::pair<int, int> rounded() const;

    void readStartCell();
    void readSettings();
    void loadStateOffsets();

    void idleStep(float dt);
    void moveStep(float dt);
    void steerToSeat(float dt, float f);
    void endMove();
    // The object a running move will land on; it hears of it, so that it can tell the frog
    // when it goes first.
    void setLandingTarget(TrackObject* object);
    void rideAlong(float dt);
    void stateStep(float dt);
    void drawSprites();
    void drawKillerEffect(int screenX, int screenY) const;

    void processOnFoot(int command);
    void processOnTruck(int command);
    // The commands that mean the same on foot and on a truck; false for any other.
    bool processCommon(int command);
    void blockedMove();
    bool moveChecksPass(int command, int tx, int ty, TrackObject*& landing) const;
    bool hopsTruckToTruck(const TrackObject* landing) const;
    void reportDying() const;

    World world;
    std::deque<int> commandQueue;
    float catchInsectsDistance = 0.0f;
    float rocketLookAhead = 0.0f;
    std::array<std::pair<int, int>, kFrogStateCount> stateOffsets{};
    std::pair<int, int> frozenMoveOffset{0, 0};
    bool finished = false;
    TrackObject* ride = nullptr;
    TrackObject* landingTarget = nullptr;
    std::pair<int, int> roundedPosition{0, 0};
    Box* killerBox = nullptr;
    std::pair<int, int> hammerDownOffset{0, 0};
    std::pair<int, int> explosionOffset{0, 0};
};
