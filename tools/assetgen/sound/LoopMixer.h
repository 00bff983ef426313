#pragma once

#include "sound/SoundClip.h"
#include "sound/Track.h"

#include <cstddef>
#include <vector>

// A stereo loop being mixed: whatever rings past the end comes back in at the start, as it
// would when the loop plays round, so the loop has no seam by construction.
class LoopMixer {
  public:
    LoopMixer(int sampleRate, std::size_t frames);

    int rate() const { return sampleRate; }
    std::size_t frames() const { return left.size(); }
    float seconds() const {
        return static_cast<float>(left.size()) / static_cast<float>(sampleRate);
    }

    // `pan` from -1 (left) to 1 (right), equal power.
    void add(const Track& track, float atSeconds, float gain, float pan = 0.0f);
    // As `add`, the sound moving from `fromPan` to `toPan` as it plays: a car passing by.
    void addMoving(const Track& track, float atSeconds, float gain, float fromPan, float toPan);
    // A steady sound rendered longer than the loop: what lies past the end is faded into the
    // start with equal power, so a noise bed keeps its level across the join.
    void addBed(const Track& track, float gain, float pan = 0.0f);
    // A room over the whole mix; the end's tail rings on into the start.
    void addRoom(float roomSize, float damping, float wet);
    SoundClip clip(bool stereo) const;

  private:
    int sampleRate;
    std::vector<float> left;
    std::vector<float> right;
};
