#include "actors/Frog.h"

#include "core/Log.h"
#include "core/Quit.h"
#include "core/Rounding.h"
#include "core/ScreenSize.h"
#include "core/SettingsManager.h"
#include "core/StringUtil.h"
#include "core/Truncation.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteLabel.h"
#include "gfx/SpriteManager.h"
#include "sound/SoundEngine.h"
#include "world/BlockInfo.h"
#include "world/Box.h"
#include "world/Level.h"
#include "world/ObjectMedia.h"
#include "world/ObjectType.h"
#include "world/PlayEvents.h"
#include "world/RoadObject.h"
#include "world/TrackObject.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string_view>

namespace {

constexpr float kSteerStart = 0.2f;
// The drowning box plays the frog's drown once more while it goes under.
constexpr float kBoxDrownSoundFrom = 0.75f;
constexpr float kBoxDrownSoundUntil = 1.0f;

constexpr std::string_view kInvisible = "INVISIBLE_OBJECT";
constexpr std::string_view kKillTruck = "";

struct StateLook {
    std::string_view name;
    std::string_view label;
    // Played on entry, in this order.
    std::string_view sound;
    std::string_view secondSound;
};

// By state number minus 1; the truck deaths that show the frog pick their side from the ride.
constexpr std::array<StateLook, kFrogStateCount> kStates = {{
    {"FS_IDLE", "FROG_IDLE", "", ""},
    {"FS_MOVE_LEFT", "FROG_MOVE_LEFT", "SOUND_FROG_MOVE", ""},
    {"FS_MOVE_RIGHT", "FROG_MOVE_RIGHT", "SOUND_FROG_MOVE", ""},
    {"FS_MOVE_UP", "FROG_MOVE_UP", "SOUND_FROG_MOVE", ""},
    {"FS_MOVE_DOWN", "FROG_MOVE_DOWN", "SOUND_FROG_MOVE", ""},
    {"FS_MOVE_DOWN_TRUCK_DOWN", "FROG_MOVE_DOWN_TRUCK_DOWN", "SOUND_FROG_MOVE", ""},
    {"FS_MOVE_UP_TRUCK_UP", "FROG_MOVE_UP_TRUCK_UP", "SOUND_FROG_MOVE", ""},
    {"FS_MOVE_UP_TRUCK_DOWN", "FROG_MOVE_UP_TRUCK_DOWN", "SOUND_FROG_MOVE", ""},
    {"FS_ROCKET_JUMP", "FROG_ROCKET_JUMP", "SOUND_FROG_JUMP", ""},
    {"FS_ROCKET_JUMP_BOARDING", "FROG_ROCKET_JUMP_BOARDING", "SOUND_FROG_JUMP", ""},
    {"FS_CATCH_INSECT", "FROG_CATCH_INSECT", "", ""},
    {"FS_PIERCED", "FROG_PIERCED", "SOUND_FROG_PIERCED", ""},
    {"FS_KNOCKED_OVER", "FROG_KNOCKED_OVER", "SOUND_FROG_KNOCKED_OVER", ""},
    {"FS_DROWN", "FROG_DROWN", "SOUND_FROG_DROWN", ""},
    // The finish's sound depends on the frogs still due; see enterState.
    {"FS_FINISH", "FROG_FINISH", "", ""},
    {"FS_IN_GOAL", "FROG_IN_GOAL", "", ""},
    {"FS_KILL_AQUARIUM", kInvisible, "SOUND_TRUCK_BREAK", "SOUND_FROG_KILL_AQUARIUM"},
    {"FS_KILL_CEMENT_MIXER", kKillTruck, "SOUND_TRUCK_BREAK", "SOUND_FROG_KILL_CEMENT_MIXER"},
    {"FS_KILL_CHEZ_FRED", kKillTruck, "SOUND_TRUCK_BREAK", "SOUND_FROG_KILL_CHEZ_FRED"},
    {"FS_KILL_ELECTRIC", kInvisible, "SOUND_TRUCK_BREAK", "SOUND_FROG_KILL_ELECTRIC"},
    {"FS_KILL_GARBAGE", kKillTruck, "SOUND_TRUCK_BREAK", "SOUND_FROG_KILL_GARBAGE"},
    {"FS_KILL_BOX_DROWN", "FROG_KILL_BOX_DROWN", "", ""},
    {"FS_KILL_BOX_BOMB", "FROG_KILL_BOX_BOMB", "SOUND_FROG_KILL_BOX_BOMB", ""},
    {"FS_KILL_BOX_HAMMER", "FROG_KILL_BOX_HAMMER", "SOUND_FROG_KILL_BOX_HAMMER", ""},
    {"FS_KILL_BOX_RED_BUTTON", "FROG_KILL_BOX_RED_BUTTON", "SOUND_FROG_KILL_BOX_RED_BUTTON", ""},
    {"FS_KILL_PIRANHA", "FROG_KILL_PIRANHA", "SOUND_FROG_KILL_PIRANHA", ""},
    {"FS_SHOW_DOWN_WAIT", "FROG_SHOW_DOWN_WAIT", "", ""},
    {"FS_SHOW_DOWN_DONE", "FROG_FINISH", "SOUND_LEVEL_FINISHED_FULL_LEVEL", ""},
}};

bool IsValidState(int state) {
    return state >= 1 && state <= kFrogStateCount;
}

const StateLook& LookOf(int state) {
    return kStates[static_cast<std::size_t>(state - 1)];
}

bool IsTruck(const TrackObject* object) {
    return object && ObjectType::IsTruck(object->getObjectType());
}

bool IsDeadlyBoxCommand(int command) {
    return command >= FS_KILL_BOX_BOMB && command <= FS_KILL_PIRANHA;
}

SoundEngine& Sound() {
    return Singleton<SoundEngine>::Instance();
}

const std::string& IdleSound() {
    static const std::string label = NormalizeLabel("SOUND_FROG_IDLE");
    return label;
}

void Play(std::string_view label) {
    if (!label.empty())
        ObjectMedia::PlaySound(std::string(label));
}

} // namespace

Frog::~Frog() {
    if (ride)
        ride->frogGone();
    if (landingTarget)
        landingTarget->frogGone();
    if (killerBox)
        killerBox->frogGone();
}

std::string Frog::OffsetKey(int state, char axis) {
    const bool ownOffset = (state >= FS_MOVE_LEFT && state <= FS_FINISH) ||
                           (state >= FS_KILL_BOX_DROWN && state <= FS_KILL_PIRANHA);
    if (!ownOffset)
        return "";
    std::string key;
    for (char c : LookOf(state).name)
        if (c != '_')
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return "frog" + key.substr(2) + "Offset" + axis;
}

int Frog::StartIndex(int levelCounter) {
    const int n = std::clamp(levelCounter, 0, 14);
    if (n == 6)
        return 6;
    if (n <= 4)
        return n;
    if (n <= 8)
        return n - 5;
    if (n <= 11)
        return n - 9;
    if (n <= 13)
        return n - 12;
    return 0;
}

void Frog::setState(int newState) {
    if (newState == state)
        return;
    state = newState;
    stateTime = 0.0f;
    enterState();
}

void Frog::enterState() {
    if (state >= FS_MOVE_UP && state <= FS_ROCKET_JUMP_BOARDING)
        attachTo(nullptr);
    if (state == FS_FINISH) {
        const bool levelDone = world.level && world.level->settings.frogsRemaining == 0;
        Play(levelDone ? "SOUND_LEVEL_FINISHED_FULL_LEVEL" : "SOUND_LEVEL_FINISHED");
    } else if (IsValidState(state)) {
        Play(LookOf(state).sound);
        Play(LookOf(state).secondSound);
    }
}

bool Frog::reset() {
    readStartCell();
    readSettings();
    setState(FS_IDLE);
    commandQueue.clear();
    loadStateOffsets();
    finished = false;
    attachTo(nullptr);
    setLandingTarget(nullptr);
    loadSize("frog");
    if (world.level) {
        // Each life gets the whole time of its level again.
        world.level->settings.updateLevelTime();
        world.level->camera.velocityX = world.level->camera.velocityY = 0.0f;
    }
    roundedPosition = rounded();
    killerBox = nullptr;
    return true;
}

void Frog::readStartCell() {
    if (world.level == nullptr)
        return;
    const LevelSettings& settings = world.level->settings;
    const std::string cell =
        StringUtil::Format("%d_%d", settings.world, StartIndex(settings.level));
    SettingsManager& config = Singleton<SettingsManager>::Instance();
    const int lateral = config.GetInt("frogStartCellLat_" + cell);
    const int longitudinal = config.GetInt("frogStartCellLong_" + cell);
    const WorldCellGrid& grid = world.level->grid;
    setPosition(static_cast<float>(lateral * grid.cellWidth() + grid.cellWidth() / 2),
                static_cast<float>(longitudinal * grid.cellHeight() + grid.cellHeight() / 2));
}

void Frog::readSettings() {
    SettingsManager& config = Singleton<SettingsManager>::Instance();
    catchInsectsDistance = config.GetFloat("catchInsectsDistance");
    rocketLookAhead = config.GetFloat("frogRocketJumpInterval") * kLandingShare;
    hammerDownOffset = {TruncateToInt(config.GetFloat("HammerDownOffsetX")),
                        TruncateToInt(config.GetFloat("HammerDownOffsetY"))};
    explosionOffset = {TruncateToInt(config.GetFloat("explosionOffsetX")),
                       TruncateToInt(config.GetFloat("explosionOffsetY"))};
}

void Frog::loadStateOffsets() {
    SettingsManager& config = Singleton<SettingsManager>::Instance();
    const std::pair<int, int> base{config.GetInt("frogDefaultOffsetX"),
                                   config.GetInt("frogDefaultOffsetY")};
    for (int s = 1; s <= kFrogStateCount; ++s) {
        std::pair<int, int>& offset = stateOffsets[static_cast<std::size_t>(s - 1)];
        offset = base;
        if (OffsetKey(s, 'X').empty())
            continue;
        offset.first += config.GetInt(OffsetKey(s, 'X'));
        offset.second += config.GetInt(OffsetKey(s, 'Y'));
    }
}

std::string Frog::spriteLabel() const {
    if (!IsValidState(state)) {
        Log("No sprite label available for frog state.\n");
        return std::string(kInvisible);
    }
    const std::string_view label = LookOf(state).label;
    if (label != kKillTruck)
        return std::string(label);
    if (!IsTruck(ride))
        return std::string(kInvisible);
    return ride->getSpeed() < 0.0f ? "FROG_KILL_TRUCK_LEFT" : "FROG_KILL_TRUCK_RIGHT";
}

float Frog::duration() const {
    return ObjectMedia::AnimationDuration(spriteLabel());
}

float Frog::progress() const {
    const float length = duration();
    return length > 0.0f ? stateTime / length : 1.0f;
}

std::pair<int, int> Frog::rounded() const {
    return {RoundToInt(x), RoundToInt(y)};
}

std::pair<int, int> Frog::currentMoveOffset() const {
    if (!IsMoveState(state))
        return {0, 0};
    const float f = std::clamp(progress(), 0.0f, 1.0f);
    const auto [dx, dy] = MoveDistance(state);
    return {TruncateToInt(static_cast<float>(dx) * f), TruncateToInt(static_cast<float>(dy) * f)};
}

std::pair<int, int> Frog::displayPosition() const {
    const auto [dx, dy] = currentMoveOffset();
    return {RoundToInt(x + static_cast<float>(dx)), RoundToInt(y + static_cast<float>(dy))};
}

void Frog::queueCommand(int command) {
    commandQueue.clear();
    commandQueue.push_back(command);
}

void Frog::acceptMoveKey(int command) {
    if (state == FS_IDLE || progress() > kCommandAcceptFraction)
        queueCommand(command);
}

void Frog::attachTo(TrackObject* object) {
    if (object && object != ride)
        object->frogBoards();
    if (ride && ride != object) {
        ride->frogLeaves();
        ride->setFrogAboard(false);
    }
    ride = object;
    if (ride)
        ride->setFrogAboard(true);
}

void Frog::setLandingTarget(TrackObject* object) {
    if (landingTarget)
        landingTarget->setFrogLanding(false);
    landingTarget = object;
    if (landingTarget)
        landingTarget->setFrogLanding(true);
}

void Frog::objectGone(const TrackObject* object) {
    if (ride == object)
        ride = nullptr;
    if (landingTarget == object)
        landingTarget = nullptr;
    if (killerBox == object)
        killerBox = nullptr;
}

void Frog::update(float dt) {
    roundedPosition = rounded();
    stateTime += IsMoveState(state) ? dt * kMoveTimeFactor : dt;
    stateStep(dt);
    drawSprites();
}

void Frog::stateStep(float dt) {
    switch (state) {
    case FS_IDLE:
        idleStep(dt);
        break;
    case FS_CATCH_INSECT:
    case FS_PIERCED:
        rideAlong(dt);
        if (stateTime >= duration())
            setState(FS_IDLE);
        break;
    case FS_KNOCKED_OVER:
    case FS_DROWN:
    case FS_KILL_PIRANHA:
        if (stateTime >= duration())
            finished = true;
        break;
    case FS_FINISH:
        if (stateTime >= duration())
            setState(FS_IN_GOAL);
        break;
    case FS_IN_GOAL:
    case FS_SHOW_DOWN_DONE:
        break;
    case FS_KILL_AQUARIUM:
    case FS_KILL_CEMENT_MIXER:
    case FS_KILL_CHEZ_FRED:
    case FS_KILL_ELECTRIC:
    case FS_KILL_GARBAGE:
        // The truck's own kill animation shows the death; it ends when the truck drives on.
        if (!IsTruck(ride) || ride->getState() != RoadObject::kStateKilling)
            finished = true;
        break;
    case FS_KILL_BOX_DROWN:
        if (stateTime > kBoxDrownSoundFrom && stateTime < kBoxDrownSoundUntil) {
            static const std::string drown = NormalizeLabel("SOUND_FROG_DROWN");
            if (!Sound().isSoundPlaying(drown, true))
                Sound().playSound(drown);
        }
        if (stateTime >= duration())
            finished = true;
        break;
    case FS_KILL_BOX_BOMB:
    case FS_KILL_BOX_HAMMER:
    case FS_KILL_BOX_RED_BUTTON:
        // The box holds the frog as long as its own animation runs, however long the frog's is.
        if (ride)
            ride->setState(RiverObject::kStateSwimming);
        if (killerBox == nullptr)
            finished = true;
        break;
    case FS_SHOW_DOWN_WAIT:
        if (stateTime >= duration())
            setState(FS_SHOW_DOWN_DONE);
        break;
    default:
        if (IsMoveState(state))
            moveStep(dt);
        else
            QuitFatally("Invalid frog state detected.\n");
        break;
    }
}

void Frog::rideAlong(float dt) {
    if (ride)
        moveX(ride->getSpeed() * dt);
}

void Frog::idleStep(float dt) {
    rideAlong(dt);
    if (!commandQueue.empty()) {
        const int command = commandQueue.front();
        commandQueue.pop_front();
        processCommand(command);
    }
    SoundEngine& sound = Sound();
    if (state != FS_IDLE) {
        sound.stopSound(IdleSound());
        return;
    }
    if (!sound.isSoundPlaying(IdleSound(), true))
        sound.playSound(IdleSound());
    if (progress() > 1.0f) {
        resetStateTime();
        sound.playSound(IdleSound());
    }
}

void Frog::moveStep(float dt) {
    const float f = progress();
    rideAlong(dt);
    if (landingTarget && landingTarget->hasFixedSeat())
        steerToSeat(dt, f);
    if (stateTime >= duration())
        endMove();
}

// A seat that travels is aimed at where it will be when the frog comes down.
void Frog::steerToSeat(float dt, float f) {
    const float remaining = kLandingShare * duration() - stateTime;
    const float seat =
        static_cast<float>(TruncateToInt(landingTarget->getX() + landingTarget->getSeatOffsetX()));
    if (f >= kLandingShare) {
        setX(seat);
    } else if (f > kSteerStart) {
        const float predicted = seat + landingTarget->getSpeed() * remaining;
        moveX((predicted - x) * std::min(1.0f, dt / remaining));
    }
}

// The position jumps by the whole distance only now; until here the animation showed the hop.
void Frog::endMove() {
    const auto [dx, dy] = MoveDistance(state);
    moveBy(static_cast<float>(dx), static_cast<float>(dy));
    setState(FS_IDLE);
    attachTo(landingTarget);
}

void Frog::drawSprites() {
    if (!IsValidState(state) || world.level == nullptr)
        return;
    std::pair<int, int> offset = stateOffsets[static_cast<std::size_t>(state - 1)];
    if (state == FS_KNOCKED_OVER) {
        offset.first += frozenMoveOffset.first;
        offset.second += frozenMoveOffset.second;
    }
    offsetX = offset.first;
    offsetY = offset.second;
    const Camera& camera = world.level->camera;
    draw(camera, stateTime, false);
    drawKillerEffect(RoundToInt(x - camera.x), RoundToInt(y - camera.y));
}

// The hammer or the explosion of the box killing the frog is drawn over it.
void Frog::drawKillerEffect(int screenX, int screenY) const {
    if (killerBox == nullptr)
        return;
    const int type = killerBox->getObjectType();
    if (type != ObjectType::kBoxHammer && type != ObjectType::kBoxBomb)
        return;
    const bool hammer = type == ObjectType::kBoxHammer;
    Sprite* sprite =
        Singleton<SpriteManager>::Instance().GetSprite(hammer ? "HAMMER_DOWN" : "EXPLOSION");
    if (sprite == nullptr)
        return;
    const std::pair<int, int> offset = hammer ? hammerDownOffset : explosionOffset;
    sprite->time = stateTime;
    sprite->Draw(screenX + offset.first, ScreenSize::kHeight - offset.second - screenY);
}

void Frog::processCommand(int command) {
    if (IsTruck(ride))
        processOnTruck(command);
    else
        processOnFoot(command);
}

bool Frog::processCommon(int command) {
    switch (command) {
    case FS_CATCH_INSECT:
        setState(FS_CATCH_INSECT);
        catchInsects();
        return true;
    case FS_KILL_BOX_DROWN:
        reportDying();
        if (ride && ObjectType::IsBox(ride->getObjectType())) {
            ObjectMedia::PlaySound("SOUND_FROG_KILL_BOX_DROWN");
            ride->setState(Box::kStateDrowning);
        }
        setState(FS_KILL_BOX_DROWN);
        return true;
    case FS_PIERCED:
    case FS_KNOCKED_OVER:
    case FS_FINISH:
        setState(command);
        return true;
    default:
        if (!IsDeadlyBoxCommand(command))
            return false;
        reportDying();
        setState(command);
        return true;
    }
}

void Frog::processOnFoot(int command) {
    const auto [rx, ry] = rounded();
    int tx = rx;
    int ty = ry;
    switch (command) {
    case FS_MOVE_LEFT:
    case FS_MOVE_RIGHT:
        if (ride && ride->hasFixedSeat()) {
            blockedMove();
            return;
        }
        tx = TruncateToInt(x + static_cast<float>(MoveDistance(command).first));
        break;
    case FS_MOVE_UP:
    case FS_MOVE_DOWN:
        ty = TruncateToInt(y + static_cast<float>(MoveDistance(command).second));
        break;
    default:
        if (!processCommon(command))
            QuitFatally("Invalid command detected.\n");
        return;
    }
    TrackObject* landing = nullptr;
    if (!moveChecksPass(command, tx, ty, landing)) {
        blockedMove();
        return;
    }
    if (!IsTruck(landing)) {
        setLandingTarget(landing);
        setState(command);
    } else if (command == FS_MOVE_UP) {
        // A truck is boarded only from below, onto its rear.
        setLandingTarget(landing);
        setState(FS_MOVE_UP_TRUCK_UP);
    } else {
        setLandingTarget(nullptr);
        blockedMove();
    }
}

bool Frog::moveChecksPass(int command, int tx, int ty, TrackObject*& landing) const {
    if (world.level == nullptr)
        return false;
    const Level& level = *world.level;
    const BlockInfo& blockers = Singleton<BlockInfo>::Instance();
    if (!level.camera.isFrogOnScreen(y) || level.grid.isOutside(tx, ty) ||
        blockers.isBlocked(tx, ty))
        return false;
    const bool vertical = command == FS_MOVE_UP || command == FS_MOVE_DOWN;
    const float lookAhead =
        vertical ? kLandingShare * ObjectMedia::AnimationDuration("FROG_MOVE_UP") : 0.0f;
    landing = level.objectAtAfter(tx, ty, lookAhead);
    return !blockers.isBlockedAfter(tx, ty, lookAhead);
}

void Frog::processOnTruck(int command) {
    const auto [rx, ry] = rounded();
    int planned = command;
    int ty = ry;
    switch (command) {
    case FS_MOVE_LEFT:
    case FS_MOVE_RIGHT:
        blockedMove();
        return;
    case FS_MOVE_UP:
        planned = FS_ROCKET_JUMP;
        ty = TruncateToInt(y + static_cast<float>(MoveDistance(FS_ROCKET_JUMP).second));
        break;
    case FS_MOVE_DOWN:
        planned = FS_MOVE_DOWN_TRUCK_DOWN;
        ty = TruncateToInt(y + static_cast<float>(MoveDistance(FS_MOVE_DOWN_TRUCK_DOWN).second));
        break;
    case FS_KILL_AQUARIUM:
    case FS_KILL_CEMENT_MIXER:
    case FS_KILL_CHEZ_FRED:
    case FS_KILL_ELECTRIC:
    case FS_KILL_GARBAGE:
        reportDying();
        ride->setState(RoadObject::kStateKilling);
        setState(command);
        return;
    default:
        if (!processCommon(command))
            QuitFatally("Invalid command detected.\n");
        return;
    }
    if (world.level == nullptr || world.level->grid.isOutside(rx, ty)) {
        blockedMove();
        return;
    }
    const Level& level = *world.level;
    const BlockInfo& blockers = Singleton<BlockInfo>::Instance();
    TrackObject* landing = nullptr;
    if (planned == FS_MOVE_DOWN_TRUCK_DOWN) {
        if (blockers.isBlocked(rx, ty)) {
            blockedMove();
            return;
        }
        landing = level.objectAt(rx, ty);
        if (hopsTruckToTruck(landing))
            planned = FS_MOVE_DOWN;
    } else if (blockers.isBlockedAfter(rx, ty, rocketLookAhead) ||
               (level.grid.cellAt(rx, ty) & CELL_WATER) != 0) {
        // The far landing is taken or wet: a short hop off the truck's front instead.
        const int hopY =
            TruncateToInt(y + static_cast<float>(MoveDistance(FS_MOVE_UP_TRUCK_DOWN).second));
        if (blockers.isBlocked(rx, hopY)) {
            blockedMove();
            return;
        }
        planned = FS_MOVE_UP_TRUCK_DOWN;
        landing = level.objectAt(rx, hopY);
        if (hopsTruckToTruck(landing))
            planned = FS_MOVE_UP;
    } else {
        landing = level.objectAtAfter(rx, ty, rocketLookAhead);
        if (hopsTruckToTruck(landing))
            planned = FS_ROCKET_JUMP_BOARDING;
    }
    setLandingTarget(IsTruck(landing) ? landing : nullptr);
    setState(planned);
}

void Frog::blockedMove() {
    setState(FS_IDLE);
    ObjectMedia::PlaySound("SOUND_FROG_BLOCKED_MOVE");
}

// A hop from one truck onto another scores and says so.
bool Frog::hopsTruckToTruck(const TrackObject* landing) const {
    if (!IsTruck(landing))
        return false;
    if (world.events)
        world.events->truckToTruck();
    return true;
}

void Frog::reportDying() const {
    if (world.events)
        world.events->frogDying();
}

void Frog::catchInsects() {
    if (world.insects == nullptr)
        return;
    const auto [fx, fy] = displayPosition();
    for (const std::unique_ptr<Insect>& insect : *world.insects) {
        const long long dx = RoundToInt(insect->getX()) - fx;
        const long long dy = RoundToInt(insect->getY()) - fy;
        if (std::sqrt(static_cast<double>(dx * dx + dy * dy)) < catchInsectsDistance)
            insect->caught();
    }
}
