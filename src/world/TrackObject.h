#pragma once

#include "world/GameObject.h"
#include "world/VisualObject.h"

#include <string>

class Camera;
class LaneFrog;
class PlayEvents;
class ObjectTrack;

// Anything that travels along a lane at the lane's speed and may carry the frog.
class TrackObject : public GameObject, public VisualObject {
  public:
    // What an object learns of the lane it is put on; the lane owns the object, so none of it
    // outlives the object.
    struct Lane {
        ObjectTrack* track = nullptr;
        bool fromLeft = true;
        int centreY = 0;
        const Camera* camera = nullptr;
        // The frog the object carries and attacks; none while there is no frog.
        LaneFrog* frog = nullptr;
        // The game's shadow switch; none shows shadows, as the game starts with them on.
        const bool* shadowsOn = nullptr;
        // Hears of the stars the frog collects; none keeps no score.
        PlayEvents* events = nullptr;
    };

    TrackObject(std::string name, int objectType);
    TrackObject(const TrackObject&) = delete;
    TrackObject& operator=(const TrackObject&) = delete;
    // A frog still aboard or about to land is told, so that it never touches a destroyed object.
    ~TrackObject() override;

    // At a random x on the screen, or at the lane's upstream edge.
    virtual bool attach(const Lane& lane, bool randomX);
    virtual void frogBoards();
    virtual void frogLeaves();
    // Advances the clock, then draws, mirrored on leftward lanes unless the kind says otherwise.
    void update(float dt) override;

    void setFrogAboard(bool aboard) { frogAboard = aboard; }
    // The frog's running move will land here.
    void setFrogLanding(bool landing) { frogLanding = landing; }
    // The frog is going away first: it is neither carried nor attacked from now on.
    void frogGone();
    // The lane was moved; the object follows it.
    void relinkTrack(ObjectTrack* track) { lane.track = track; }

    ObjectTrack* getTrack() const { return lane.track; }
    // The lane's speed; 0 before the object is on a lane.
    float getSpeed() const;
    int getObjectType() const { return objectType; }
    bool hasFixedSeat() const { return fixedSeat != 0; }
    float getSeatOffsetX() const { return seatOffsetX; }
    bool isFrogAboard() const { return frogAboard; }

  protected:
    virtual bool drawnMirrored() const { return !lane.fromLeft; }

    Lane lane;
    int objectType;
    int fixedSeat = 0;
    float seatOffsetX = 0.0f;
    bool frogAboard = false;
    bool frogLanding = false;
};
