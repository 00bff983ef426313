#include "sound/LoopMixer.h"

#include "sound/Reverb.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The other ear's room is a few samples larger, which makes it sound wide.
constexpr int kRightRoomSpread = 23;
// Longer than any of our rooms takes to die away.
constexpr std::size_t kRoomWarmUpSeconds = 4;

} // namespace

LoopMixer::LoopMixer(int sampleRate, std::size_t frames)
    : sampleRate(sampleRate), left(frames, 0.0f), right(frames, 0.0f) {}

void LoopMixer::add(const Track& track, float atSeconds, float gain, float pan) {
    addMoving(track, atSeconds, gain, pan, pan);
}

void LoopMixer::addMoving(const Track& track, float atSeconds, float gain, float fromPan,
                          float toPan) {
    if (left.empty() || track.size() == 0)
        return;
    std::size_t position = track.indexAt(std::fmod(atSeconds, seconds())) % left.size();
    const float step = (toPan - fromPan) / static_cast<float>(track.size());
    for (std::size_t i = 0; i < track.size(); ++i) {
        const float pan = fromPan + step * static_cast<float>(i);
        const float angle = (pan + 1.0f) * 0.25f * std::numbers::pi_v<float>;
        left[position] += track[i] * gain * std::cos(angle) * std::numbers::sqrt2_v<float>;
        right[position] += track[i] * gain * std::sin(angle) * std::numbers::sqrt2_v<float>;
        if (++position == left.size())
            position = 0;
    }
}

void LoopMixer::addBed(const Track& track, float gain, float pan) {
    const std::size_t count = left.size();
    const std::size_t tail = std::min(track.size() - std::min(track.size(), count), count);
    Track folded = Track::OfFrames(sampleRate, count);
    for (std::size_t i = 0; i < std::min(count, track.size()); ++i)
        folded[i] = track[i];
    for (std::size_t i = 0; i < tail; ++i) {
        const float progress =
            0.5f * std::numbers::pi_v<float> * static_cast<float>(i) / static_cast<float>(tail);
        folded[i] = folded[i] * std::sin(progress) + track[count + i] * std::cos(progress);
    }
    add(folded, 0.0f, gain, pan);
}

void LoopMixer::addRoom(float roomSize, float damping, float wet) {
    Reverb leftRoom(sampleRate, roomSize, damping);
    Reverb rightRoom(sampleRate, roomSize, damping, kRightRoomSpread);
    const std::size_t count = left.size();
    std::vector<float> wetLeft(count);
    std::vector<float> wetRight(count);
    // The room first hears the loop's last seconds, so it rings with them when the loop starts.
    const std::size_t warmUp =
        std::min(count, static_cast<std::size_t>(sampleRate) * kRoomWarmUpSeconds);
    for (std::size_t i = count - warmUp; i < count; ++i) {
        const float input = 0.5f * (left[i] + right[i]);
        leftRoom.process(input);
        rightRoom.process(input);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const float input = 0.5f * (left[i] + right[i]);
        wetLeft[i] = leftRoom.process(input);
        wetRight[i] = rightRoom.process(input);
    }
    for (std::size_t i = 0; i < count; ++i) {
        left[i] += wet * wetLeft[i];
        right[i] += wet * wetRight[i];
    }
}

SoundClip LoopMixer::clip(bool stereo) const {
    SoundClip out{sampleRate, left, stereo ? right : std::vector<float>{}};
    if (!stereo)
        for (std::size_t i = 0; i < out.left.size(); ++i)
            out.left[i] = 0.5f * (left[i] + right[i]);
    return out;
}
