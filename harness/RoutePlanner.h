#pragma once

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

class Level;
class ObjectTrack;
class TrackObject;

// The frog at a moment of a plan, t seconds from now.
struct Pose {
    float t = 0.0f;
    float x = 0.0f;
    int y = 0;
    // What carries it, and until when (seconds from now).
    const TrackObject* ride = nullptr;
    float rideEnds = 0.0f;
};

// Tries every way of hopping and waiting over the next seconds against the lanes' forecast
// and picks the first step of the way that ends highest, or at the goal, with the frog alive.
// One planner serves one look at the world: what it learns holds only for that moment.
class RoutePlanner {
  public:
    enum class Step { Wait, Up, Left, Right, Down };

    struct Choice {
        Step step = Step::Wait;
        float value = 0.0f;
    };

    // How long the frog's moves take, from the animations the game times them by.
    struct Timing {
        float up = 0.32f;
        float down = 0.32f;
        float side = 0.27f;
        float truckUp = 0.34f;
        float truckShortHop = 0.34f;
        float truckDown = 0.34f;
        float rocket = 0.5f;
        float rocketBoarding = 0.5f;
        // The game's own look-ahead for the landing of an up or down hop, and of a rocket jump.
        float upLook = 0.32f;
        float rocketLook = 0.5f;
        // The flick of the tongue, which holds the frog where it stands.
        float tongue = 0.4f;
        static Timing FromGame();
    };

    // A plan looks this far ahead, in steps of waiting this long.
    static constexpr float kHorizon = 2.4f;
    static constexpr float kWaitStep = 0.1f;

    RoutePlanner(const Level& level, const Timing& timing, float secondsLeft);

    Choice Choose(const Pose& start);

    // The frog idles from `pose` until `until` and nothing gets it.
    bool Idles(const Pose& pose, float until) const;
    // The frog can stand still for `seconds` and still find a way on alive afterwards; asked of
    // a fresh planner, before Choose, so that the search is not cut short.
    bool Survives(const Pose& start, float seconds);
    // Where a step from `from` lands, or none if the game would refuse it or it kills the frog.
    std::optional<Pose> Hop(const Pose& from, Step step) const;

  private:
    // A pose as the search tells poses apart: a few hundredths of a second and a few units
    // make no difference to what happens next.
    struct Key {
        int tick = 0;
        int column = 0;
        int y = 0;
        const TrackObject* ride = nullptr;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };

    struct Landing {
        const TrackObject* ride = nullptr;
        float seconds = 0.0f;
        int dy = 0;
    };

    float Search(const Pose& pose);
    float Value(const Pose& pose) const;
    bool AtGoal(const Pose& pose) const;
    std::optional<Pose> HopOffTruck(const Pose& from, Step step) const;
    std::optional<Pose> Land(const Pose& from, int dx, const Landing& landing,
                             bool keepsRide) const;
    bool SafeOnTheWay(const Pose& from, int dx, const Landing& landing, float drift) const;
    bool Refused(int x, int y, float t) const;
    const ObjectTrack* LaneAt(int y) const;
    bool SteadyUnder(const TrackObject* object, int x, int y, float t) const;
    static Key KeyOf(const Pose& pose);

    const Level& level;
    std::vector<const ObjectTrack*> lanes;
    Timing timing;
    float secondsLeft;
    float goalX = 0.0f;
    float goalY = 0.0f;
    bool hasGoal = false;
    float goalReach = 0.0f;
    int worldWidth = 0;
    int expanded = 0;
    std::unordered_map<Key, float, KeyHash> known;
};
