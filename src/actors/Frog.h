#pragma once

#include "world/GameObject.h"
#include "world/VisualObject.h"

#include <deque>
#include <string>
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

// The player's frog, as far as the lanes and their objects see it: where it is, its state, the
// commands the objects send it and what it rides. Its own moves, commands and deaths join later.
//
// The frog does not own what it rides or the box killing it. Those references are plain
// pointers that the object clears when it ends first (TrackObject's destructor calls
// objectGone); the frog in turn outlives every lane, which the game ensures by destroying the
// lanes before the frog.
class Frog : public GameObject, public VisualObject {
public:
    Frog() : GameObject("Frog") {}
    Frog(const Frog&) = delete;
    Frog& operator=(const Frog&) = delete;
    ~Frog() override;

    // A pending command is replaced, never queued behind.
    void queueCommand(int command);
    const std::deque<int>& getCommandQueue() const { return commandQueue; }

    // Boards `object` (none to get off): the new ride learns of it, the old one that it was left.
    void attachTo(TrackObject* object);
    TrackObject* getRide() const { return ride; }

    Box* getKillerBox() const { return killerBox; }
    void setKillerBox(Box* box) { killerBox = box; }

    // Called by an object as it is destroyed, so that nothing here points at it afterwards.
    void objectGone(const TrackObject* object);

    // The position rounded at the start of the frog's update.
    void rememberRoundedPosition();
    std::pair<int, int> getRoundedPosition() const { return roundedPosition; }

    std::string spriteLabel() const override;

private:
    std::deque<int> commandQueue;
    TrackObject* ride = nullptr;
    Box* killerBox = nullptr;
    std::pair<int, int> roundedPosition{0, 0};
};
