#pragma once

#include "world/GameObject.h"
#include "world/ObjectTrack.h"

#include <vector>

class LevelSettings;

// A band of lanes of one kind, road or river.
class Area : public GameObject {
  public:
    static constexpr int kRiver = 2;
    static constexpr float kRiverIntervalFactor = 0.85f;

    Area() : GameObject("Area") {}
    // The tracks point back at their area.
    Area(const Area&) = delete;
    Area& operator=(const Area&) = delete;

    bool init(int areaIndex, const LevelSettings& level, const ObjectTrack::World& world);
    using GameObject::update;
    void update(float dt, bool lanesRun);
    void update(float dt, bool lanesRun, const ObjectTrack::FrogRows& frog);

    TrackObject* objectAt(int px, int py) const;
    TrackObject* objectAtAfter(int px, int py, float t) const;
    float nearestObjectDistance(float px, float py) const;

    bool isRiver() const { return type == kRiver; }
    int getType() const { return type; }
    int getIndex() const { return index; }
    int getFirstRow() const { return firstRow; }
    int getLastRow() const { return lastRow; }
    std::vector<ObjectTrack>& getTracks() { return tracks; }
    const std::vector<ObjectTrack>& getTracks() const { return tracks; }

  private:
    bool initTrack(int t, int maxObjects, const ObjectTrack::World& world);
    const ObjectTrack* trackOfY(int py) const;

    std::vector<ObjectTrack> tracks;
    int type = 0;
    int index = 0;
    int firstRow = 0;
    int lastRow = -1;
};
