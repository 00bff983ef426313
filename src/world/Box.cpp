#include "world/Box.h"

#include "core/Log.h"
#include "core/Rounding.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "core/Truncation.h"
#include "world/LaneFrog.h"
#include "world/ObjectMedia.h"
#include "world/ObjectType.h"
#include "world/WorldCellGrid.h"

#include <algorithm>

namespace {

int SaneType(int objectType) {
    return std::clamp(objectType, ObjectType::kBoxHammer, ObjectType::kBoxBomb);
}

bool Between(int v, int low, int high) {
    return low <= v && v <= high;
}

} // namespace

Box::Box(int objectType)
    : RiverObject(
          std::string(ObjectType::kObjectNames[static_cast<std::size_t>(SaneType(objectType))]),
          SaneType(objectType)) {}

Box::~Box() {
    if (state == kStateCatching && lane.frog)
        lane.frog->objectGone(this);
}

bool Box::attach(const Lane& newLane, bool randomX) {
    RiverObject::attach(newLane, randomX);
    SettingsManager& settings = Singleton<SettingsManager>::Instance();
    waitBeforeKill = settings.GetFloat("boxWaitBeforeKillInterval");
    loadLooks("box");
    rememberPosition();
    fixedSeat = 1;
    swimOffsetX = static_cast<int>(settings.GetFloat("boxOffsetX"));
    swimOffsetY = static_cast<int>(settings.GetFloat("boxOffsetY"));
    drownOffsetX = static_cast<int>(settings.GetFloat("boxKillDrownOffsetX"));
    drownOffsetY = static_cast<int>(settings.GetFloat("boxKillDrownOffsetY"));
    return true;
}

void Box::rememberPosition() {
    previousX = RoundToInt(x);
    previousY = RoundToInt(y);
}

void Box::setPosition(float newX, float newY) {
    rememberPosition();
    RiverObject::setPosition(newX, newY);
}

void Box::moveBy(float dx, float dy) {
    rememberPosition();
    RiverObject::moveBy(dx, dy);
}

void Box::moveX(float dx) {
    rememberPosition();
    RiverObject::moveX(dx);
}

void Box::moveY(float dy) {
    rememberPosition();
    RiverObject::moveY(dy);
}

void Box::frogBoards() {
    RiverObject::frogBoards();
    aboardTime = 0.0f;
}

void Box::draw(const Camera& camera, float time, bool) {
    const bool drowning = state == kStateDrowning;
    offsetX = drowning ? drownOffsetX : swimOffsetX;
    offsetY = drowning ? drownOffsetY : swimOffsetY;
    RiverObject::draw(camera, time, false);
}

int Box::catchCommand() const {
    switch (objectType) {
    case ObjectType::kBoxHammer:
        return FS_KILL_BOX_HAMMER;
    case ObjectType::kBoxRedButton:
        return FS_KILL_BOX_RED_BUTTON;
    default:
        return FS_KILL_BOX_BOMB;
    }
}

void Box::update(float dt) {
    RiverObject::update(dt);
    endAnimations();
    if (catches()) {
        lane.frog->queueCommand(catchCommand());
        lane.frog->setKillerBox(this);
        setState(kStateCatching);
    }
    countTimeAboard(dt);
}

void Box::endAnimations() {
    if (state == kStateDrowning && stateTime >= ObjectMedia::AnimationDuration(spriteLabel())) {
        setState(kStateSwimming);
    } else if (state == kStateCatching &&
               stateTime >= ObjectMedia::AnimationDuration(spriteLabel())) {
        if (lane.frog && lane.frog->getKillerBox() == this)
            lane.frog->setKillerBox(nullptr);
        setState(kStateFinished);
    }
}

bool Box::catches() const {
    const LaneFrog* frog = lane.frog;
    if (frog == nullptr)
        return false;
    if (frog->getState() != FS_IDLE && frog->getState() != FS_CATCH_INSECT)
        return false;
    const int e = previousX;
    const int f = TruncateToInt(x);
    const int low = std::min(e, f);
    const int high = std::max(e, f);
    const int frogX = frog->getRoundedPosition().first;
    const int frogNow = TruncateToInt(frog->getX());
    if (!Between(frogX, low, high) && !Between(frogNow, low, high))
        return false;
    const int boxRow = RoundToInt(y) / WorldCellGrid::kCellHeight;
    const int frogRow = RoundToInt(frog->getY()) / WorldCellGrid::kCellHeight;
    return boxRow == frogRow + 1;
}

void Box::countTimeAboard(float dt) {
    if (!frogAboard || state != kStateSwimming)
        return;
    aboardTime += dt;
    if (aboardTime >= waitBeforeKill) {
        if (lane.frog)
            lane.frog->queueCommand(FS_KILL_BOX_DROWN);
        aboardTime = 0.0f;
    }
}

std::string Box::spriteLabel() const {
    switch (state) {
    case kStateSwimming:
        return "BOX_SWIMMING";
    case kStateDrowning:
        return "BOX_DROWN_KILL";
    case kStateCatching:
        return objectType == ObjectType::kBoxHammer      ? "BOX_HAMMER_KILL"
               : objectType == ObjectType::kBoxRedButton ? "BOX_RED_BUTTON_KILL"
                                                         : "BOX_BOMB_KILL";
    case kStateFinished:
        return "INVISIBLE_OBJECT";
    default:
        Log("Invalid state for Box detected.\n");
        return "INVISIBLE_OBJECT";
    }
}
