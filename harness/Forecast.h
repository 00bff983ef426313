#pragma once

#include <vector>

class Level;
class ObjectTrack;
class TrackObject;

// What the lanes will do to a frog in the next seconds, read from the lanes as they are now:
// a lane never changes its speed while a frog crosses, so whatever it carries is at
// x + speed * t after t seconds. Times are seconds from now.
namespace Forecast {

// Ride times for an object that keeps the frog for good.
inline constexpr float kForever = 1.0e6f;

// The lane of each grid row of the level, none for the grass, the start strip and the goal's row.
std::vector<const ObjectTrack*> LanesByRow(const Level& level);

bool IsWater(const Level& level, int x, int y);

// A car, or the front of a truck, of `road` (the lane of row y, or none) covers (x, y) at t or
// a moment around it: the frame the key is taken in is not ours to know exactly.
bool RunOver(const ObjectTrack* road, int x, int y, float t);

// A box of `above`, the lane above the frog's row, grabs a frog that idles from t0 to t1 at
// x0 + speed * t when the box's centre passes it.
bool BoxCatches(const ObjectTrack* above, float x0, float speed, float t0, float t1);

// A piranha of the frog's own lane reaches a frog that idles there from t0 to t1.
bool PiranhaBites(const ObjectTrack* lane, float x0, float speed, float t0, float t1);

// Whether a frog landing on `ride` at t is carried, and for how long after landing: a hippo
// dives and a water lily sinks some seconds after boarding, a box drowns its passenger, a
// truck's driver deals with one; trunks and barrels keep it for good.
float SecondsAboardAfterBoarding(const TrackObject& ride);

// The same for the ride the frog stands on now, whose clocks have already run.
float SecondsAboardLeft(const TrackObject& ride);

} // namespace Forecast
