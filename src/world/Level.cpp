#include "world/Level.h"

#include "core/Log.h"
#include "core/Rounding.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "world/Box.h"
#include "world/Inhabitants.h"
#include "world/LaneFrog.h"
#include "world/ObjectTrack.h"
#include "world/TrackObject.h"

Level::Level() = default;
Level::~Level() = default;

void Level::setUpLevel() {
    settings.updateVisibleAreas();
    buildScene();
    createAreas();
    levelObjects.create(settings, grid, camera);
    if (frog)
        frog->reset();
    if (inhabitants)
        inhabitants->arrive();
    camera.targetX = 0;
    camera.targetY = 0;
    preRun();
}

void Level::setUpShowdown() {
    buildScene();
    camera.x = camera.y = 0.0f;
    if (frog)
        frog->reset();
    levelObjects.clear();
    if (inhabitants)
        inhabitants->leave();
    destroyAreas();
    camera.targetX = 0;
    camera.targetY = 0;
}

void Level::buildScene() {
    grid.build(settings.worldRows());
    camera.setBackgroundHeight(settings.backgroundHeight());
    background.init(settings);
    topLayer.load(settings.levelInWorld);
    roadTopLayer.load(settings.levelInWorld);
}

void Level::createAreas() {
    destroyAreas();
    const ObjectTrack::World world{&grid, &camera, &settings, frog, &shadowsOn, events};
    for (int j = 0; j < settings.visibleAreas; ++j) {
        auto area = std::make_unique<Area>();
        // An area without a type in the configuration is left out, not guessed.
        if (area->init(settings.levelInWorld + j, settings, world))
            areas.push_back(std::move(area));
    }
}

// Lets the lanes fill before the level is first shown.
void Level::preRun() {
    float remaining = Singleton<SettingsManager>::Instance().GetFloat("initInterval");
    if (!(remaining > 0.0f))
        return;
    if (remaining > kMaxPreRunSeconds) {
        Log("Level: initInterval %f is too long, using %f\n", static_cast<double>(remaining),
            static_cast<double>(kMaxPreRunSeconds));
        remaining = kMaxPreRunSeconds;
    }
    do {
        update(kPreRunStep, true);
        remaining -= kPreRunStep;
    } while (remaining > 0.0f);
}

void Level::applySpeedFactor() {
    const float factor = settings.currentSpeedFactor();
    for (const auto& area : areas)
        for (ObjectTrack& track : area->getTracks())
            track.scaleSpeed(factor);
}

void Level::updateCamera(float dt) {
    camera.updateCamera(dt);
    background.scrollTo(camera.roundedX(), camera.roundedY());
}

void Level::update(float dt, bool lanesRun) {
    const ObjectTrack::FrogRows rows = frogRows();
    for (const auto& area : areas)
        area->update(dt, lanesRun, rows);
    roadTopLayer.draw(camera);
    levelObjects.update(dt);
}

// The anchor is the box holding a frog it kills, so that its lane stands still with the frog's.
ObjectTrack::FrogRows Level::frogRows() const {
    if (frog == nullptr)
        return {};
    const int row = RoundToInt(frog->getY()) / LevelSettings::kCellHeight;
    const int state = frog->getState();
    const TrackObject* holder = frog->getKillerBox();
    if (holder == nullptr)
        holder = frog->getRide();
    const bool held = state >= FS_KILL_BOX_BOMB && state <= FS_KILL_BOX_RED_BUTTON && holder;
    return {row, held ? RoundToInt(holder->getY()) / LevelSettings::kCellHeight : row};
}

bool Level::frogBelow() const {
    if (frog == nullptr || frog->getRide() || frog->getKillerBox())
        return false;
    switch (frog->getState()) {
    case FS_MOVE_DOWN_TRUCK_DOWN:
    case FS_MOVE_UP_TRUCK_DOWN:
    case FS_ROCKET_JUMP:
    case FS_ROCKET_JUMP_BOARDING:
        return false;
    default:
        break;
    }
    const Area* area = areaOfY(frog->displayPosition().second);
    return area && !area->isRiver();
}

void Level::drawTopLayer() const {
    topLayer.draw(camera);
}

void Level::drawBothTopLayers() const {
    roadTopLayer.draw(camera);
    topLayer.draw(camera);
}

void Level::destroyAreas() {
    areas.clear();
}

void Level::destroyLevelObjects() {
    levelObjects.clear();
}

const Area* Level::areaOfY(int py) const {
    if (py < 0)
        return nullptr;
    const int row = py / LevelSettings::kCellHeight;
    for (const auto& area : areas)
        if (row >= area->getFirstRow() && row < area->getFirstRow() + settings.cellsPerArea)
            return area.get();
    return nullptr;
}

TrackObject* Level::objectAt(int px, int py) const {
    const Area* area = areaOfY(py);
    return area ? area->objectAt(px, py) : nullptr;
}

TrackObject* Level::objectAtAfter(int px, int py, float t) const {
    const Area* area = areaOfY(py);
    return area ? area->objectAtAfter(px, py, t) : nullptr;
}

int Level::objectCount() const {
    int count = 0;
    for (const auto& area : areas)
        for (const ObjectTrack& track : area->getTracks())
            count += static_cast<int>(track.getObjects().size());
    return count;
}
