#pragma once

#include <string>
#include <vector>

// Which frame an animation shows at a time: without a frame list its frames in order, with one
// (the sprite's "Frames.txt") the listed frame at each step; every step lasts an equal share
// of the cycle's duration.
class FrameSequence {
  public:
    FrameSequence() = default;
    FrameSequence(int numFrames, float duration, bool loop);

    // Takes the frame list of sprite `name`; entries naming no frame are dropped with a log
    // line, and a list left empty keeps the frames in order.
    void SetFrameList(const std::vector<int>& list, const std::string& name);

    int StepCount() const;
    int StepAt(float time) const;
    // Always within 0 .. numFrames - 1 when there is a frame at all.
    int FrameAt(float time) const;

    int GetNumFrames() const { return numFrames; }
    float GetDuration() const { return duration; }
    bool IsLooping() const { return loop; }
    const std::vector<int>& GetFrameList() const { return frames; }

  private:
    int numFrames = 1;
    float duration = 0.0f;
    bool loop = true;
    std::vector<int> frames; // empty: frame = step
};
