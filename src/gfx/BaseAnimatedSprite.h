#pragma once

#include "gfx/FrameSequence.h"
#include "gfx/Image.h"
#include "gfx/Sprite.h"

#include <memory>
#include <string>
#include <vector>

// An animation whose frame at `time` comes from its frame sequence.
class BaseAnimatedSprite : public Sprite {
  public:
    // The frame list read for sprite `name` ("Frames.txt"); frames in order without one.
    void SetFrameList(const std::vector<int>& list, const std::string& name) {
        sequence.SetFrameList(list, name);
    }
    const FrameSequence& GetSequence() const { return sequence; }
    bool IsLooping() const { return sequence.IsLooping(); }
    int CurrentFrame() const { return sequence.FrameAt(time); }

  protected:
    // Rows per frame of `numFrames` frames stacked in `image`; 0, with a log line, when they do
    // not fit.
    static int FrameHeight(const Image& image, int numFrames);
    // Frame `frame` of those stacked in `image`, full width.
    static std::unique_ptr<Image> CutFrame(const Image& image, int frame, int frameHeight);
    void StartSequence(int numFrames, float cycle, bool loop) {
        duration = cycle;
        sequence = FrameSequence(numFrames, cycle, loop);
    }

    FrameSequence sequence;
};
