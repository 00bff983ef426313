#pragma once

#include "gfx/BaseAnimatedSprite.h"
#include "gfx/Image.h"
#include "gfx/Surface.h"

#include <memory>
#include <vector>

// Frames stacked from top to bottom in one picture, kept run-length encoded; only the frame on
// show is decoded, into a single display surface.
class AnimatedRLESprite : public BaseAnimatedSprite {
  public:
    // The picture stays the caller's.
    bool Create(const Image& image, int numFrames, float duration, bool crop, bool loop);

    int GetNumFrames() const override { return numFrames; }
    void Render(const RenderParams& params) override;
    int GetWidth() const override;
    int GetHeight() const override;
    void Restore() override;

    // The frame decoded into the surface, -1 for none.
    int GetShownFrame() const { return shownFrame; }
    const Surface& GetSurface() const { return surface; }

  private:
    bool ShowFrame(int frame);

    std::vector<std::unique_ptr<Image>> frames;
    // Where each frame lies within its band; left and top are its draw offset.
    std::vector<InclusiveRect> frameRects;
    int numFrames = 0;
    Surface surface;
    int shownFrame = -1;
};
