#pragma once

#include "world/Area.h"
#include "world/Background.h"
#include "world/Camera.h"
#include "world/LevelObjects.h"
#include "world/LevelSettings.h"
#include "world/TopLayer.h"
#include "world/WorldCellGrid.h"

#include <memory>
#include <vector>

class Inhabitants;
class LaneFrog;
class PlayEvents;
class TrackObject;

// The level being played: its record, grid, camera, background, lanes and decorations, and the
// order in which they are built when a level begins.
class Level {
  public:
    // The pre-run that fills the lanes before a level is shown; longer would only be a broken
    // configuration holding up the start.
    static constexpr float kPreRunStep = 0.1f;
    static constexpr float kMaxPreRunSeconds = 600.0f;

    Level();
    ~Level();
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    // Builds the level of `settings` afresh. A grid that cannot be built keeps the previous
    // one and a missing picture leaves the level without background: play goes on either way.
    void setUpLevel();
    // The stage after a group of levels, for the level record as it stands: no lanes, no goal,
    // no obstacles, no insects, the frog back on its start.
    void setUpShowdown();
    // Speeds every lane up by the factor for the frogs already home.
    void applySpeedFactor();
    // Moves the camera toward its target and scrolls the background along.
    void updateCamera(float dt);
    // One step of the lanes and the level objects; lanesRun is false while a death is shown,
    // and then the lane under the frog stands still.
    void update(float dt, bool lanesRun);
    // Whether the frog is drawn before the lanes, so that the traffic passes over it, rather
    // than after them, standing on what swims.
    bool frogBelow() const;
    void drawTopLayer() const;
    // The bridges and roofs over the roads, then the tree tops: for the scenes that run no
    // lanes, whose update would draw the first.
    void drawBothTopLayers() const;
    // The showdown and the end of the program leave no lanes behind.
    void destroyAreas();
    // The end of the program leaves no obstacles registered and no goal.
    void destroyLevelObjects();

    TrackObject* objectAt(int px, int py) const;
    TrackObject* objectAtAfter(int px, int py, float t) const;
    // The area whose rows hold the world y, or none.
    const Area* areaOfY(int py) const;
    int objectCount() const;

    const std::vector<std::unique_ptr<Area>>& getAreas() const { return areas; }
    const LevelObjects& getLevelObjects() const { return levelObjects; }

    LevelSettings settings;
    Camera camera;
    WorldCellGrid grid;
    Background background;
    // The game's shadow switch as the road objects read it when they draw; the game keeps it
    // up to date.
    bool shadowsOn = true;
    // What the game above the world lends the level; none of it is owned, and each must outlive
    // the lanes. The frog the lanes' objects carry and attack, reset by a new level; the insects,
    // brought in by a new level and sent away by the showdown; the listener to play events.
    // Each may be none.
    LaneFrog* frog = nullptr;
    Inhabitants* inhabitants = nullptr;
    PlayEvents* events = nullptr;

  private:
    // The grid, the camera's limits, the background and the top layers over it for the level
    // record as it stands.
    void buildScene();
    void createAreas();
    void preRun();
    ObjectTrack::FrogRows frogRows() const;

    std::vector<std::unique_ptr<Area>> areas;
    LevelObjects levelObjects;
    TopLayer topLayer = TopLayer::Top();
    TopLayer roadTopLayer = TopLayer::Road();
};
