#pragma once

#include "world/GameObject.h"
#include "world/VisualObject.h"

#include <string>

class Camera;
class ObjectTrack;

// Anything that travels along a lane at the lane's speed and may carry the frog.
class TrackObject : public GameObject, public VisualObject {
public:
    // What an object learns of the lane it is put on; the lane owns the object.
    struct Lane {
        ObjectTrack* track = nullptr;
        bool fromLeft = true;
        int centreY = 0;
        const Camera* camera = nullptr;
    };

    static constexpr int kScreenWidth = 800;

    TrackObject(std::string name, int objectType);

    // At a random x on the screen, or at the lane's upstream edge.
    virtual bool attach(const Lane& lane, bool randomX);
    virtual void frogBoards();
    virtual void frogLeaves();
    // Advances the clock, then draws, mirrored on leftward lanes.
    void update(float dt) override;

    ObjectTrack* getTrack() const { return lane.track; }
    int getObjectType() const { return objectType; }
    bool hasFixedSeat() const { return fixedSeat != 0; }
    float getSeatOffsetX() const { return seatOffsetX; }
    bool isFrogAboard() const { return frogAboard; }

protected:
    Lane lane;
    int objectType;
    int fixedSeat = 0;
    float seatOffsetX = 0.0f;
    bool frogAboard = false;
};
