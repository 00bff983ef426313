#include "world/ObjectTrack.h"

#include "core/Log.h"
#include "core/Rounding.h"
#include "core/ScreenSize.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "core/Truncation.h"
#include "world/Area.h"
#include "world/LaneFrog.h"
#include "world/ObjectType.h"
#include "world/Randomizer.h"
#include "world/TrackObjectFactory.h"
#include "world/WorldCellGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kBoxFinished = 7;
// One more than any draw of random % 101, so that the spawn cannot fail.
constexpr float kCertainChance = 101.0f;

} // namespace

ObjectTrack::ObjectTrack(ObjectTrack&& other) noexcept : GameObject(std::move(other)) {
    takeFrom(other);
}

ObjectTrack& ObjectTrack::operator=(ObjectTrack&& other) noexcept {
    GameObject::operator=(std::move(other));
    takeFrom(other);
    return *this;
}

void ObjectTrack::takeFrom(ObjectTrack& other) {
    area = other.area;
    world = other.world;
    fromLeft = other.fromLeft;
    speed = other.speed;
    piranhaSpeed = other.piranhaSpeed;
    row = other.row;
    centreY = other.centreY;
    maxObjects = other.maxObjects;
    trackIndex = other.trackIndex;
    objects = std::move(other.objects);
    piranha = std::move(other.piranha);
    sinceSpawn = other.sinceSpawn;
    sinceCheck = other.sinceCheck;
    minInterval = other.minInterval;
    maxInterval = other.maxInterval;
    checkInterval = other.checkInterval;
    piranhaChance = other.piranhaChance;
    relinkObjects();
}

void ObjectTrack::relinkObjects() {
    for (const auto& object : objects)
        object->relinkTrack(this);
    if (piranha)
        piranha->relinkTrack(this);
}

bool ObjectTrack::init(int newTrackIndex, Area* newArea, int newRow, int newFromLeft,
                       float baseSpeed, int newMaxObjects, float newSinceSpawn, float newSinceCheck,
                       float newMinInterval, float newMaxInterval, float newCheckInterval,
                       const World& newWorld) {
    if (newArea == nullptr || newWorld.grid == nullptr) {
        Log("ObjectTrack::init needs an area and a world grid\n");
        return false;
    }
    SettingsManager& settings = Singleton<SettingsManager>::Instance();
    trackIndex = newTrackIndex;
    area = newArea;
    world = newWorld;
    fromLeft = newFromLeft;
    speed = fromLeft == 1 ? baseSpeed : -baseSpeed;
    const float p = settings.GetFloat("piranhaSpeed");
    piranhaSpeed = fromLeft == 1 ? -p : p;
    row = newRow;
    centreY = row * WorldCellGrid::kCellHeight + WorldCellGrid::kCellHeight / 2;
    sinceSpawn = newSinceSpawn;
    sinceCheck = newSinceCheck;
    minInterval = newMinInterval;
    maxInterval = newMaxInterval;
    checkInterval = newCheckInterval;
    maxObjects = saneMaxObjects(newMaxObjects, row);
    if (speed == 0.0f)
        Log("ObjectTrack: lane of row %d has speed 0; its objects will stay at the edge\n", row);
    if (!(minInterval < maxInterval))
        Log("ObjectTrack: lane of row %d has spawn interval %f ... %f; it spawns as soon as the "
            "least interval has passed\n",
            row, static_cast<double>(minInterval), static_cast<double>(maxInterval));
    if (area->isRiver())
        markWater();
    piranhaChance = settings.GetInt("spawnPiranhaChancePerMill");
    return true;
}

int ObjectTrack::saneMaxObjects(int requested, int laneRow) {
    const int sane = std::clamp(requested, 0, kMaxObjectsLimit);
    if (sane != requested || sane == 0)
        Log("ObjectTrack: lane of row %d may hold %d objects; using %d\n", laneRow, requested,
            sane);
    return sane;
}

void ObjectTrack::markWater() const {
    WorldCellGrid& grid = *world.grid;
    if (row < 0 || row >= grid.longCells()) {
        Log("ObjectTrack: river row %d lies outside the world grid\n", row);
        return;
    }
    const int y = grid.centreY(row);
    for (int col = 0; col < grid.latCells(); ++col)
        grid.cellAt(grid.centreX(col), y) |= CELL_WATER;
}

void ObjectTrack::update(float dt, bool lanesRun) {
    update(dt, lanesRun, FrogRows{});
}

void ObjectTrack::update(float dt, bool lanesRun, const FrogRows& frog) {
    GameObject::update(dt);
    spawn(dt);
    const bool moves = movesThisFrame(lanesRun, frog);
    updatePiranha(dt, moves);
    moveAndUpdateObjects(dt, moves);
    removeOldestAtFarEdge();
    removePiranhaFarOut();
}

void ObjectTrack::spawn(float dt) {
    sinceSpawn += dt;
    sinceCheck += dt;
    maybeLetPiranhaIn();
    if (static_cast<int>(objects.size()) >= maxObjects)
        return;
    if (!objects.empty() && !newestWhollyOnScreen())
        return;
    if (!(sinceSpawn > minInterval && sinceCheck > checkInterval))
        return;
    sinceCheck = 0.0f;
    if (!spawnDrawSucceeds())
        return;
    letObjectIn();
}

bool ObjectTrack::newestWhollyOnScreen() const {
    const TrackObject& newest = *objects.back();
    const float half = static_cast<float>(newest.getWidth() / 2);
    const float x = newest.getX();
    return half < x && x < static_cast<float>(ScreenSize::kWidth) - half;
}

bool ObjectTrack::spawnDrawSucceeds() {
    const float span = maxInterval - minInterval;
    const float chance = span > 0.0f ? (sinceSpawn - minInterval) * 100.0f / span : kCertainChance;
    // Clamped before truncation: a long wait or a tiny span must not overflow the int.
    const int truncated = static_cast<int>(std::clamp(chance, 0.0f, kCertainChance));
    return Singleton<Randomizer>::Instance().next() % 101 < truncated;
}

void ObjectTrack::letObjectIn() {
    std::unique_ptr<TrackObject> object = createObject();
    if (!object)
        return;
    object->attach(laneForObjects(), false);
    const float width = static_cast<float>(object->getWidth());
    object->moveX(speed >= 0.0f ? -width : width);
    objects.push_back(std::move(object));
    sinceSpawn = 0.0f;
}

TrackObject::Lane ObjectTrack::laneForObjects() {
    return {this, fromLeft == 1, centreY, world.camera, world.frog, world.shadowsOn, world.events};
}

// The draw repeats every frame past the check interval, until the next object draw resets it.
void ObjectTrack::maybeLetPiranhaIn() {
    if (!area->isRiver() || piranha || area->getIndex() <= kLastAreaWithoutPiranhas ||
        !(sinceCheck > checkInterval))
        return;
    if (Singleton<Randomizer>::Instance().next() % 1000 >= piranhaChance)
        return;
    piranha = std::make_unique<Piranha>();
    piranha->attach(laneForObjects(), false);
    piranha->moveX(speed >= 0.0f ? kPiranhaLead : -kPiranhaLead);
}

void ObjectTrack::updatePiranha(float dt, bool moves) {
    if (!piranha)
        return;
    if (moves) {
        piranha->moveX(dt * piranhaSpeed);
        if (piranhaBites()) {
            piranha->setState(Piranha::kStateBitten);
            world.frog->queueCommand(FS_KILL_PIRANHA);
        }
    }
    piranha->update(dt);
}

bool ObjectTrack::piranhaBites() const {
    const LaneFrog* frog = world.frog;
    if (frog == nullptr || frog->getState() != FS_IDLE)
        return false;
    const int fx = RoundToInt(frog->getX());
    const int fy = RoundToInt(frog->getY());
    return fy / WorldCellGrid::kCellHeight == row && piranha->containsPoint(fx, fy);
}

void ObjectTrack::removePiranhaFarOut() {
    if (!piranha)
        return;
    const int x = RoundToInt(piranha->getX());
    if (x < -kPiranhaMargin || x >= world.grid->widthUnits() + kPiranhaMargin)
        piranha.reset();
}

std::unique_ptr<TrackObject> ObjectTrack::createObject() const {
    const TrackObjectFactory& factory = Singleton<TrackObjectFactory>::Instance();
    switch (area->getType()) {
    case 0:
    case 1:
        return factory.createRoadObject(area->getIndex(), world.frogsHome());
    case Area::kRiver:
        return factory.createRiverObject(area->getIndex(), trackIndex, world.frogsHome());
    default:
        Log("Invalid area type specified for trackobject creation.\n");
        return nullptr;
    }
}

bool ObjectTrack::movesThisFrame(bool lanesRun, const FrogRows& frog) const {
    return lanesRun || (frog.row != row && frog.anchorRow != row);
}

void ObjectTrack::moveAndUpdateObjects(float dt, bool moves) {
    for (auto it = objects.begin(); it != objects.end();) {
        TrackObject& object = **it;
        if (moves)
            object.moveX(dt * speed);
        object.update(dt);
        if (ObjectType::IsBox(object.getObjectType()) && object.getState() == kBoxFinished)
            it = objects.erase(it);
        else
            ++it;
    }
}

void ObjectTrack::removeOldestAtFarEdge() {
    if (objects.empty())
        return;
    const TrackObject& oldest = *objects.front();
    const int x = RoundToInt(oldest.getX());
    const int w = oldest.getWidth();
    if (x < -w || x >= w + world.grid->widthUnits())
        objects.pop_front();
}

void ObjectTrack::scaleSpeed(float f) {
    if (!(f > 0.0f) || !std::isfinite(f)) {
        Log("ObjectTrack: speed factor %f ignored\n", static_cast<double>(f));
        return;
    }
    speed *= f;
    minInterval *= 1.0f / f;
    maxInterval *= 1.0f / f;
}

TrackObject* ObjectTrack::objectAt(int px, int py) const {
    for (const auto& object : objects)
        if (object->containsPoint(px, py))
            return object.get();
    return nullptr;
}

TrackObject* ObjectTrack::objectAtAfter(int px, int py, float t) const {
    return objectAt(TruncateToInt(static_cast<float>(px) - t * speed), py);
}

float ObjectTrack::nearestObjectDistance(float px, float py) const {
    float nearest = std::sqrt(std::numeric_limits<float>::max());
    for (const auto& object : objects)
        nearest = std::min(nearest, std::hypot(object->getX() - px, object->getY() - py));
    return nearest;
}
