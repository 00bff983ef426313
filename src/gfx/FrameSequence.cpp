#include "gfx/FrameSequence.h"

#include "core/Log.h"

#include <algorithm>
#include <cmath>

FrameSequence::FrameSequence(int numFrames, float duration, bool loop)
    : numFrames(std::max(numFrames, 0)), duration(duration), loop(loop) {}

void FrameSequence::SetFrameList(const std::vector<int>& list, const std::string& name) {
    frames.clear();
    for (const int frame : list) {
        if (frame >= 0 && frame < numFrames)
            frames.push_back(frame);
        else
            Log("FrameSequence: frame %d of %sFrames.txt is not one of the sprite's %d frames; "
                "skipped.\n",
                frame, name.c_str(), numFrames);
    }
}

int FrameSequence::StepCount() const {
    return frames.empty() ? numFrames : static_cast<int>(frames.size());
}

int FrameSequence::StepAt(float time) const {
    const int steps = StepCount();
    if (steps <= 1)
        return 0;
    // Truncating in float keeps times far past the int range, and a zero duration, well defined.
    float step = std::trunc(static_cast<float>(steps) * time / duration);
    if (loop)
        step = std::fmod(step, static_cast<float>(steps));
    if (std::isnan(step) || step < 0.0f)
        return 0;
    return step > static_cast<float>(steps - 1) ? steps - 1 : static_cast<int>(step);
}

int FrameSequence::FrameAt(float time) const {
    const int step = StepAt(time);
    return frames.empty() ? step : frames[step];
}
