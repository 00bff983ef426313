#pragma once

#include "world/GameObject.h"
#include "world/LevelSettings.h"
#include "world/Piranha.h"
#include "world/TrackObject.h"

#include <list>
#include <memory>

class Area;
class Camera;
class LaneFrog;
class PlayEvents;
class WorldCellGrid;

// One lane: lets objects in at its upstream edge, carries them across and drops them at the far
// edge.
class ObjectTrack : public GameObject {
  public:
    // Where the frog is, so that the lane under it can stand still while a death is shown. The
    // anchor is the row of the object holding the frog, or the frog's own row.
    struct FrogRows {
        int row = -1;
        int anchorRow = -1;
    };

    // What a lane needs of the level around it; none of it is owned.
    struct World {
        WorldCellGrid* grid = nullptr;
        const Camera* camera = nullptr;
        // The frogs already home choose the mix of new objects; none counts as no frog home.
        const LevelSettings* level = nullptr;
        // Handed on to every object: the frog they carry and attack, the shadow switch and the
        // listener to play events.
        LaneFrog* frog = nullptr;
        const bool* shadowsOn = nullptr;
        PlayEvents* events = nullptr;

        int frogsHome() const { return level ? level->frogsHome() : 0; }
    };

    // Far more than a screen width holds; bounds what a wrong setting can make a lane keep.
    static constexpr int kMaxObjectsLimit = 100;
    static constexpr float kCheckInterval = 2.0f;
    // Piranhas come only to the rivers of the later areas, from this far beyond the edge, and
    // leave once this far out.
    static constexpr int kLastAreaWithoutPiranhas = 3;
    static constexpr float kPiranhaLead = 200.0f;
    static constexpr int kPiranhaMargin = 250;

    ObjectTrack() : GameObject("ObjectTrack") {}
    // The lane owns its objects; an area moves its lanes only before they are set up.
    ObjectTrack(const ObjectTrack&) = delete;
    ObjectTrack& operator=(const ObjectTrack&) = delete;
    // The objects are told where their lane went.
    ObjectTrack(ObjectTrack&& other) noexcept;
    ObjectTrack& operator=(ObjectTrack&& other) noexcept;

    bool init(int trackIndex, Area* area, int row, int fromLeft, float speed, int maxObjects,
              float sinceSpawn, float sinceCheck, float minInterval, float maxInterval,
              float checkInterval, const World& world);
    using GameObject::update;
    void update(float dt, bool lanesRun);
    void update(float dt, bool lanesRun, const FrogRows& frog);
    void scaleSpeed(float f);

    TrackObject* objectAt(int px, int py) const;
    TrackObject* objectAtAfter(int px, int py, float t) const;
    float nearestObjectDistance(float px, float py) const;

    int getFromLeft() const { return fromLeft; }
    float getSpeed() const { return speed; }
    float getPiranhaSpeed() const { return piranhaSpeed; }
    int getRow() const { return row; }
    int getCentreY() const { return centreY; }
    int getMaxObjects() const { return maxObjects; }
    int getTrackIndex() const { return trackIndex; }
    float getMinInterval() const { return minInterval; }
    float getMaxInterval() const { return maxInterval; }
    int getPiranhaChance() const { return piranhaChance; }
    const std::list<std::unique_ptr<TrackObject>>& getObjects() const { return objects; }
    const Piranha* getPiranha() const { return piranha.get(); }

  private:
    void spawn(float dt);
    bool newestWhollyOnScreen() const;
    bool spawnDrawSucceeds();
    void letObjectIn();
    TrackObject::Lane laneForObjects();
    void maybeLetPiranhaIn();
    void updatePiranha(float dt, bool moves);
    bool piranhaBites() const;
    void removePiranhaFarOut();
    void takeFrom(ObjectTrack& other);
    void relinkObjects();
    std::unique_ptr<TrackObject> createObject() const;
    bool movesThisFrame(bool lanesRun, const FrogRows& frog) const;
    void moveAndUpdateObjects(float dt, bool moves);
    void removeOldestAtFarEdge();
    void markWater() const;
    static int saneMaxObjects(int requested, int row);

    Area* area = nullptr;
    World world;
    int fromLeft = 1;
    float speed = 0.0f;
    float piranhaSpeed = 0.0f;
    int row = 0;
    int centreY = 0;
    int maxObjects = 0;
    int trackIndex = 0;
    std::list<std::unique_ptr<TrackObject>> objects;
    std::unique_ptr<Piranha> piranha;
    float sinceSpawn = 0.0f;
    float sinceCheck = 0.0f;
    float minInterval = 0.0f;
    float maxInterval = 0.0f;
    float checkInterval = kCheckInterval;
    int piranhaChance = 0;
};
