#pragma once

#include "world/GameObject.h"
#include "world/VisualObject.h"

#include <utility>

class Box;
class TrackObject;

// Frog states; commands sent to the frog use the same numbers.
inline constexpr int FS_IDLE = 1;
inline constexpr int FS_MOVE_LEFT = 2;
inline constexpr int FS_MOVE_RIGHT = 3;
inline constexpr int FS_MOVE_UP = 4;
inline constexpr int FS_MOVE_DOWN = 5;
inline constexpr int FS_MOVE_DOWN_TRUCK_DOWN = 6;
inline constexpr int FS_MOVE_UP_TRUCK_UP = 7;
inline constexpr int FS_MOVE_UP_TRUCK_DOWN = 8;
inline constexpr int FS_ROCKET_JUMP = 9;
inline constexpr int FS_ROCKET_JUMP_BOARDING = 10;
inline constexpr int FS_CATCH_INSECT = 11;
inline constexpr int FS_PIERCED = 12;
inline constexpr int FS_KNOCKED_OVER = 13;
inline constexpr int FS_DROWN = 14;
inline constexpr int FS_FINISH = 15;
inline constexpr int FS_IN_GOAL = 16;
inline constexpr int FS_KILL_AQUARIUM = 17;
inline constexpr int FS_KILL_CEMENT_MIXER = 18;
inline constexpr int FS_KILL_CHEZ_FRED = 19;
inline constexpr int FS_KILL_ELECTRIC = 20;
inline constexpr int FS_KILL_GARBAGE = 21;
inline constexpr int FS_KILL_BOX_DROWN = 22;
inline constexpr int FS_KILL_BOX_BOMB = 23;
inline constexpr int FS_KILL_BOX_HAMMER = 24;
inline constexpr int FS_KILL_BOX_RED_BUTTON = 25;
inline constexpr int FS_KILL_PIRANHA = 26;
inline constexpr int FS_SHOW_DOWN_WAIT = 27;
inline constexpr int FS_SHOW_DOWN_DONE = 28;
inline constexpr int kFrogStateCount = 28;

// The frog as the lanes and the level see it: a game object they carry, command and let go of.
// The frog itself lives in the layer above the world; these are the only calls that reach it
// from below.
class LaneFrog : public GameObject, public VisualObject {
  public:
    using GameObject::GameObject;

    // A pending command is replaced, never queued behind.
    virtual void queueCommand(int command) = 0;
    // Called by an object as it is destroyed, so that nothing in the frog points at it afterwards.
    virtual void objectGone(const TrackObject* object) = 0;
    // The start of a life: idle on the start cell of the level, nothing ridden or pending.
    virtual bool reset() = 0;

    virtual void setKillerBox(Box* box) = 0;
    virtual Box* getKillerBox() const = 0;
    virtual TrackObject* getRide() const = 0;
    virtual std::pair<int, int> getRoundedPosition() const = 0;
    // Where the frog is seen: its position plus the running move, rounded.
    virtual std::pair<int, int> displayPosition() const = 0;
};
