#include "AutoPlayer.h"

#include "app/Game.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "platform/VirtualKey.h"
#include "platform/headless/HeadlessWindow.h"
#include "world/BlockInfo.h"
#include "world/Level.h"
#include "world/ObjectType.h"
#include "world/Piranha.h"
#include "world/RiverObject.h"
#include "world/TrackObject.h"

#include <cmath>
#include <cstdlib>

namespace {

// A hop lasts its animation's cycle, played 1.25 times faster than catalogued.
float HopSeconds() {
    static const float seconds = Singleton<SettingsManager>::Instance().GetFloat("frogmoveupInterval") / 1.25f;
    return seconds > 0.0f ? seconds : 0.4f;
}

// How long a landing spot must stay good after the hop: time to look again and hop on.
constexpr float kStayAfterLanding = 0.7f;
// Room kept between the frog and the end of a car, or the end of what it rides.
constexpr float kRoadMargin = 14.0f;
constexpr float kRiverMargin = 10.0f;
// The world's side edges, which carry a riding frog to its death.
constexpr float kEdgeMargin = 30.0f;
constexpr float kStep = 0.05f;
// A piranha this near the landing spot may reach the frog before it hops on.
constexpr float kPiranhaDistance = 200.0f;
constexpr int kGoalTolerance = 20;

const ObjectTrack* LaneOfRow(const Level& level, int y) {
    for (const auto& area : level.getAreas())
        for (const ObjectTrack& track : area->getTracks())
            if (std::abs(track.getCentreY() - y) < 30)
                return &track;
    return nullptr;
}

bool IsWater(const Level& level, int x, int y) {
    return !level.grid.isOutside(x, y) && (level.grid.cellAt(x, y) & CELL_WATER) != 0;
}

// Whether the object's centre comes nearer than `reach` to x at some time from `from` to `until`.
bool ComesWithin(const TrackObject& object, const ObjectTrack& lane, int x, float reach, float from, float until) {
    for (float t = from; t <= until; t += kStep)
        if (std::fabs(object.getX() + lane.getSpeed() * t - static_cast<float>(x)) < reach)
            return true;
    return false;
}

bool SafeOnRoad(const Level& level, int x, int y, float from, float until) {
    const ObjectTrack* lane = LaneOfRow(level, y);
    if (!lane)
        return true;
    for (const auto& object : lane->getObjects())
        if (ComesWithin(*object, *lane, x, static_cast<float>(object->getWidth()) / 2.0f + kRoadMargin, from, until))
            return false;
    return true;
}

// Something afloat under the landing spot when the hop ends, as the game itself will find it,
// wide enough around the frog, which carries it long enough and not out of the world; and no
// piranha near.
bool SafeOnRiver(const Level& level, int x, int y, float at, float until) {
    const ObjectTrack* lane = LaneOfRow(level, y);
    if (!lane)
        return false;
    if (const Piranha* piranha = lane->getPiranha(); piranha && std::fabs(piranha->getX() - static_cast<float>(x)) < kPiranhaDistance)
        return false;
    const TrackObject* ride = level.objectAtAfter(x, y, at);
    const auto margin = static_cast<int>(kRiverMargin);
    if (!ride || ObjectType::IsBox(ride->getObjectType()) || ride->getState() != RiverObject::kStateSwimming ||
        level.objectAtAfter(x - margin, y, at) != ride || level.objectAtAfter(x + margin, y, at) != ride)
        return false;
    const float carriedTo = static_cast<float>(x) + lane->getSpeed() * (until - at);
    const WorldCellGrid& grid = level.grid;
    const float width = static_cast<float>(grid.centreX(0) + grid.centreX(grid.latCells() - 1));
    return carriedTo > kEdgeMargin && carriedTo < width - kEdgeMargin;
}

// A box grabs a frog that stands still in the row below it when it passes over.
bool BoxPassesOver(const Level& level, int x, int y, float from, float until) {
    const ObjectTrack* above = LaneOfRow(level, y + WorldCellGrid::kCellHeight);
    if (!above)
        return false;
    for (const auto& object : above->getObjects())
        if (ObjectType::IsBox(object->getObjectType()) && ComesWithin(*object, *above, x, kRoadMargin, from, until))
            return true;
    return false;
}

bool Safe(const Level& level, int x, int y, float from, float until) {
    if (level.grid.isOutside(x, y) || BoxPassesOver(level, x, y, from, until))
        return false;
    if (IsWater(level, x, y))
        return SafeOnRiver(level, x, y, from, until);
    // Off the lanes only the stones and bushes block, and they never move.
    if (!LaneOfRow(level, y))
        return !Singleton<BlockInfo>::Instance().isBlocked(x, y);
    return SafeOnRoad(level, x, y, from, until);
}

struct Move {
    int key;
    int dx;
    int dy;
};

// The key a careful player presses now, or 0 to wait.
int Choose(const Level& level, const Frog& frog) {
    const int x = static_cast<int>(frog.getX());
    const int y = static_cast<int>(frog.getY());
    const float hop = HopSeconds();
    const float until = hop + kStayAfterLanding;
    const Move up{platform::vk::Up, 0, 75};
    const Move left{platform::vk::Left, -40, 0};
    const Move right{platform::vk::Right, 40, 0};
    const Move down{platform::vk::Down, 0, -75};
    const auto landsSafely = [&](const Move& move) {
        return Safe(level, x + move.dx, y + move.dy, hop, until);
    };

    // On dry ground, line up under the goal first: the rows above may carry the frog aside.
    const WaterLilyGoal* goal = level.getLevelObjects().getGoal();
    const bool onDryGround = !IsWater(level, x, y) && !LaneOfRow(level, y);
    if (goal && onDryGround && std::abs(static_cast<int>(goal->getX()) - x) > kGoalTolerance) {
        const Move& toward = goal->getX() > static_cast<float>(x) ? right : left;
        if (landsSafely(toward))
            return toward.key;
    }
    if (landsSafely(up))
        return up.key;
    // Staying is fine while the spot holds; otherwise any way out.
    const bool riding = IsWater(level, x, y);
    const bool holds = riding ? SafeOnRiver(level, x, y, 0.0f, until) : SafeOnRoad(level, x, y, 0.0f, until);
    if (holds && !BoxPassesOver(level, x, y, 0.0f, until))
        return 0;
    for (const Move& move : {left, right, down})
        if (landsSafely(move))
            return move.key;
    return 0;
}

} // namespace

void AutoPlayer::Play() {
    const Game& game = Singleton<Game>::Instance();
    const Frog& frog = game.frog;
    if (game.state != GameState::Playing || frog.getState() != FS_IDLE || !frog.getCommandQueue().empty())
        return;
    if (const int key = Choose(game.level, frog))
        window.push({platform::Message::Type::KeyDown, key});
}
