#include "RoutePlanner.h"

#include "Forecast.h"
#include "actors/Frog.h"
#include "core/Rounding.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "core/Truncation.h"
#include "world/BlockInfo.h"
#include "world/Level.h"
#include "world/ObjectMedia.h"
#include "world/ObjectTrack.h"
#include "world/ObjectType.h"
#include "world/TrackObject.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// A step left or down is the mirror of one right or up.
constexpr int kSideHop = Frog::MoveDistance(FS_MOVE_RIGHT).first;
constexpr int kHopUp = Frog::MoveDistance(FS_MOVE_UP).second;
constexpr int kTruckBoarding = Frog::MoveDistance(FS_MOVE_UP_TRUCK_UP).second;
constexpr int kRocket = Frog::MoveDistance(FS_ROCKET_JUMP).second;
constexpr int kRocketBoarding = Frog::MoveDistance(FS_ROCKET_JUMP_BOARDING).second;
constexpr int kTruckShortHop = Frog::MoveDistance(FS_MOVE_UP_TRUCK_DOWN).second;
constexpr int kTruckDown = Frog::MoveDistance(FS_MOVE_DOWN_TRUCK_DOWN).second;
// The key is taken in the next frame, and the move ends in the frame after its last.
constexpr float kFrame = 0.02f;
// Display points looked at along a hop: a little more often than the frames see them.
constexpr int kHopSamples = 8;
constexpr float kIdleSample = 0.05f;
// A landing on something afloat must hold a little to either side, in case the frame the
// game takes the key differs from ours.
constexpr int kLandingMargin = 8;
// Too short a ride leaves no time to hop on.
constexpr float kShortestRide = 0.5f;
// A riding frog is carried out of the world at the edge; it leaves before.
constexpr float kEdgeMargin = 25.0f;
// The end of a plan must be a place the frog can stand on a while longer.
constexpr float kHold = 0.5f;
// The clock is left with a little to spare.
constexpr float kClockSlack = 0.3f;
// Enough for a plan in the densest level; a search cut short keeps what it found.
constexpr int kMaxExpanded = 8000;
constexpr float kGoalValue = 1.0e6f;
constexpr float kDead = -1.0e6f;
// On the goal's row every unit away from it costs this much of a unit climbed.
constexpr float kGoalRowAim = 0.5f;

float HopSeconds(const char* label) {
    return ObjectMedia::AnimationDuration(label) / Frog::kMoveTimeFactor;
}

bool IsTruck(const TrackObject* object) {
    return object && ObjectType::IsTruck(object->getObjectType());
}

} // namespace

RoutePlanner::Timing RoutePlanner::Timing::FromGame() {
    Timing timing;
    timing.up = HopSeconds("FROG_MOVE_UP");
    timing.down = HopSeconds("FROG_MOVE_DOWN");
    timing.side = std::max(HopSeconds("FROG_MOVE_LEFT"), HopSeconds("FROG_MOVE_RIGHT"));
    timing.truckUp = HopSeconds("FROG_MOVE_UP_TRUCK_UP");
    timing.truckShortHop = HopSeconds("FROG_MOVE_UP_TRUCK_DOWN");
    timing.truckDown = HopSeconds("FROG_MOVE_DOWN_TRUCK_DOWN");
    timing.rocket = HopSeconds("FROG_ROCKET_JUMP");
    timing.rocketBoarding = HopSeconds("FROG_ROCKET_JUMP_BOARDING");
    timing.upLook = Frog::kLandingShare * ObjectMedia::AnimationDuration("FROG_MOVE_UP");
    timing.rocketLook = Frog::kLandingShare *
                        Singleton<SettingsManager>::Instance().GetFloat("frogRocketJumpInterval");
    timing.tongue = ObjectMedia::AnimationDuration("FROG_CATCH_INSECT") + kFrame;
    return timing;
}

std::size_t RoutePlanner::KeyHash::operator()(const Key& key) const {
    const std::size_t place =
        (static_cast<std::size_t>(key.tick) * 1031u + static_cast<std::size_t>(key.column)) *
            8191u +
        static_cast<std::size_t>(key.y);
    return place ^ (std::hash<const TrackObject*>()(key.ride) << 1);
}

RoutePlanner::RoutePlanner(const Level& level, const Timing& timing, float secondsLeft)
    : level(level), lanes(Forecast::LanesByRow(level)), timing(timing), secondsLeft(secondsLeft),
      worldWidth(level.grid.widthUnits()) {
    if (const WaterLilyGoal* goal = level.getLevelObjects().getGoal()) {
        hasGoal = true;
        goalX = goal->getX();
        goalY = goal->getY();
        // A little inside the game's own distance, for the frame of drift on a ride.
        goalReach = Singleton<SettingsManager>::Instance().GetFloat("inGoalDistance") - 3.0f;
    }
}

RoutePlanner::Choice RoutePlanner::Choose(const Pose& start) {
    Choice best{Step::Wait, kDead * 2.0f};
    // On ties the earlier entry wins: climbing before waiting, waiting before wandering.
    const bool goalLeft = hasGoal && goalX < start.x;
    const Step order[] = {Step::Up, Step::Wait, goalLeft ? Step::Left : Step::Right,
                          goalLeft ? Step::Right : Step::Left, Step::Down};
    for (const Step step : order) {
        std::optional<Pose> next;
        if (step == Step::Wait) {
            if (Idles(start, start.t + kWaitStep))
                next = Pose{start.t + kWaitStep,
                            start.x + (start.ride ? start.ride->getSpeed() * kWaitStep : 0.0f),
                            start.y, start.ride, start.rideEnds};
        } else {
            next = Hop(start, step);
        }
        const float value = next ? Search(*next) : kDead * 1.5f;
        if (value > best.value + 0.01f)
            best = {step, value};
    }
    return best;
}

bool RoutePlanner::Survives(const Pose& start, float seconds) {
    const float until = start.t + seconds;
    if (!Idles(start, until))
        return false;
    const float drift = start.ride ? start.ride->getSpeed() * seconds : 0.0f;
    return Choose({until, start.x + drift, start.y, start.ride, start.rideEnds}).value >
           kDead * 0.5f;
}

float RoutePlanner::Search(const Pose& pose) {
    if (AtGoal(pose))
        return kGoalValue - pose.t;
    if (pose.t >= kHorizon || expanded >= kMaxExpanded)
        return Idles(pose, pose.t + kHold) ? Value(pose) : kDead + pose.t;
    const Key key = KeyOf(pose);
    if (const auto found = known.find(key); found != known.end())
        return found->second;
    ++expanded;
    // A frog that can neither stay nor go dies here; the later, the more time to be lucky.
    float best = kDead + pose.t;
    for (const Step step : {Step::Up, Step::Left, Step::Right, Step::Down})
        if (const std::optional<Pose> next = Hop(pose, step))
            best = std::max(best, Search(*next));
    if (Idles(pose, pose.t + kWaitStep)) {
        const float drift = pose.ride ? pose.ride->getSpeed() * kWaitStep : 0.0f;
        best = std::max(
            best, Search({pose.t + kWaitStep, pose.x + drift, pose.y, pose.ride, pose.rideEnds}));
    }
    known.emplace(key, best);
    return best;
}

RoutePlanner::Key RoutePlanner::KeyOf(const Pose& pose) {
    return {RoundToInt(pose.t / 0.05f), RoundToInt(pose.x / 4.0f), pose.y, pose.ride};
}

float RoutePlanner::Value(const Pose& pose) const {
    float value = static_cast<float>(pose.y);
    if (hasGoal && std::abs(static_cast<float>(pose.y) - goalY) < 1.0f)
        value -= kGoalRowAim * std::fabs(pose.x - goalX);
    return value;
}

bool RoutePlanner::AtGoal(const Pose& pose) const {
    return hasGoal && !pose.ride &&
           std::hypot(pose.x - goalX, static_cast<float>(pose.y) - goalY) <= goalReach;
}

bool RoutePlanner::Idles(const Pose& pose, float until) const {
    if (until > secondsLeft - kClockSlack)
        return false;
    const float speed = pose.ride ? pose.ride->getSpeed() : 0.0f;
    const float x0 = pose.x - speed * pose.t;
    if (pose.ride) {
        const float end = x0 + speed * until;
        if (until > pose.rideEnds || end < kEdgeMargin ||
            end > static_cast<float>(worldWidth) - kEdgeMargin)
            return false;
    } else if (Forecast::IsWater(level, RoundToInt(pose.x), pose.y)) {
        return false;
    }
    const ObjectTrack* lane = LaneAt(pose.y);
    if (Forecast::BoxCatches(LaneAt(pose.y + WorldCellGrid::kCellHeight), x0, speed, pose.t,
                             until) ||
        Forecast::PiranhaBites(lane, x0, speed, pose.t, until))
        return false;
    // Nothing runs over a riding frog.
    if (pose.ride)
        return true;
    for (float t = pose.t; t < until + kIdleSample * 0.5f; t += kIdleSample)
        if (Forecast::RunOver(lane, RoundToInt(pose.x), pose.y, std::min(t, until)))
            return false;
    return true;
}

const ObjectTrack* RoutePlanner::LaneAt(int y) const {
    const int row = y / WorldCellGrid::kCellHeight;
    return y >= 0 && row < static_cast<int>(lanes.size()) ? lanes[static_cast<std::size_t>(row)]
                                                          : nullptr;
}

// The game refuses a hop into a place that is blocked now or when the hop ends; off the lanes
// only the stones and bushes block, and they stay where they are.
bool RoutePlanner::Refused(int x, int y, float t) const {
    if (level.grid.isOutside(x, y))
        return true;
    const ObjectTrack* lane = LaneAt(y);
    return lane ? Forecast::RunOver(lane, x, y, t)
                : Singleton<BlockInfo>::Instance().isBlocked(x, y);
}

bool RoutePlanner::SteadyUnder(const TrackObject* object, int x, int y, float t) const {
    return level.objectAtAfter(x - kLandingMargin, y, t) == object &&
           level.objectAtAfter(x + kLandingMargin, y, t) == object;
}

std::optional<Pose> RoutePlanner::Hop(const Pose& from, Step step) const {
    if (step == Step::Wait)
        return std::nullopt;
    if (IsTruck(from.ride))
        return HopOffTruck(from, step);
    const bool sideways = step == Step::Left || step == Step::Right;
    if (sideways && from.ride && from.ride->hasFixedSeat())
        return std::nullopt;
    const int dx = step == Step::Left ? -kSideHop : step == Step::Right ? kSideHop : 0;
    const int dy = step == Step::Up ? kHopUp : step == Step::Down ? -kHopUp : 0;
    const int tx = sideways ? TruncateToInt(from.x + static_cast<float>(dx)) : RoundToInt(from.x);
    const int ty = from.y + dy;
    const float look = sideways ? 0.0f : timing.upLook;
    if (Refused(tx, ty, from.t) || Refused(tx, ty, from.t + look))
        return std::nullopt;
    const TrackObject* target = level.objectAtAfter(tx, ty, from.t + look);
    Landing landing{target,
                    sideways           ? timing.side
                    : step == Step::Up ? timing.up
                                       : timing.down,
                    dy};
    if (IsTruck(target)) {
        if (step != Step::Up)
            return std::nullopt;
        landing.seconds = timing.truckUp;
        landing.dy = kTruckBoarding;
    } else if (target && !SteadyUnder(target, tx, ty, from.t + look)) {
        return std::nullopt;
    }
    return Land(from, dx, landing, sideways);
}

std::optional<Pose> RoutePlanner::HopOffTruck(const Pose& from, Step step) const {
    const int rx = RoundToInt(from.x);
    const int ry = RoundToInt(static_cast<float>(from.y));
    if (step == Step::Up) {
        const int farY = TruncateToInt(static_cast<float>(ry + kRocket));
        // Near the top of the world the game refuses the jump outright, short hop or not.
        if (level.grid.isOutside(rx, farY))
            return std::nullopt;
        const bool farFails =
            Refused(rx, farY, from.t + timing.rocketLook) || Forecast::IsWater(level, rx, farY);
        if (!farFails) {
            const TrackObject* target = level.objectAtAfter(rx, farY, from.t + timing.rocketLook);
            if (IsTruck(target))
                return Land(from, 0, {target, timing.rocketBoarding, kRocketBoarding}, false);
            return Land(from, 0, {nullptr, timing.rocket, kRocket}, false);
        }
        const int nearY = ry + kTruckShortHop;
        if (Refused(rx, nearY, from.t))
            return std::nullopt;
        const TrackObject* target = level.objectAtAfter(rx, nearY, from.t);
        if (IsTruck(target))
            return Land(from, 0, {target, timing.up, kHopUp}, false);
        return Land(from, 0, {nullptr, timing.truckShortHop, kTruckShortHop}, false);
    }
    if (step != Step::Down)
        return std::nullopt;
    const int downY = ry + kTruckDown;
    if (Refused(rx, downY, from.t))
        return std::nullopt;
    const TrackObject* target = level.objectAtAfter(rx, downY, from.t);
    if (IsTruck(target))
        return Land(from, 0, {target, timing.down, -kHopUp}, false);
    return Land(from, 0, {nullptr, timing.truckDown, kTruckDown}, false);
}

// Where the frog comes down, if it comes down alive: not in the water without a ride, not on
// a ride about to go, and not under a car on the way.
std::optional<Pose> RoutePlanner::Land(const Pose& from, int dx, const Landing& landing,
                                       bool keepsRide) const {
    const float end = from.t + landing.seconds + kFrame;
    const float drift = keepsRide && from.ride ? from.ride->getSpeed() : 0.0f;
    Pose to{end, from.x + drift * (end - from.t) + static_cast<float>(dx), from.y + landing.dy,
            landing.ride, 0.0f};
    const int x = RoundToInt(to.x);
    if (level.grid.isOutside(x, to.y) || to.x < kEdgeMargin - kSideHop ||
        to.x > static_cast<float>(worldWidth) - kEdgeMargin + kSideHop)
        return std::nullopt;
    if (landing.ride) {
        if (landing.ride->hasFixedSeat())
            to.x = static_cast<float>(TruncateToInt(landing.ride->getX() +
                                                    landing.ride->getSpeed() * end +
                                                    landing.ride->getSeatOffsetX()));
        to.rideEnds = landing.ride == from.ride
                          ? from.rideEnds
                          : end + Forecast::SecondsAboardAfterBoarding(*landing.ride);
        if (to.rideEnds < end + kShortestRide)
            return std::nullopt;
    } else if (Forecast::IsWater(level, x, to.y)) {
        return std::nullopt;
    }
    if (!SafeOnTheWay(from, dx, landing, drift))
        return std::nullopt;
    return to;
}

// Cars hit a frog that neither rides nor has a ride to land on, wherever it is seen on the way;
// a rocket jump flies over them.
bool RoutePlanner::SafeOnTheWay(const Pose& from, int dx, const Landing& landing,
                                float drift) const {
    const bool flying = landing.dy == kRocket || landing.dy == kRocketBoarding;
    const bool carried = drift != 0.0f;
    if (flying || carried || landing.ride)
        return true;
    const int x0 = RoundToInt(from.x);
    for (int i = 1; i <= kHopSamples; ++i) {
        const float f = static_cast<float>(i) / kHopSamples;
        const int x = x0 + TruncateToInt(static_cast<float>(dx) * f);
        const int y = from.y + TruncateToInt(static_cast<float>(landing.dy) * f);
        if (Forecast::RunOver(LaneAt(y), x, y, from.t + kFrame + f * landing.seconds))
            return false;
    }
    return true;
}
