#pragma once

#include "gfx/BaseAnimatedSprite.h"
#include "gfx/Image.h"

#include <memory>
#include <vector>

// Frames stacked from top to bottom in one picture, each its own SurfaceSprite, or AlphaSprite
// when there is an alpha map.
class AnimatedSprite : public BaseAnimatedSprite {
  public:
    // `alpha` may be null; both pictures stay the caller's.
    bool Create(const Image& image, const Image* alpha, int numFrames, float duration, bool crop,
                bool loop);

    int GetNumFrames() const override { return static_cast<int>(frames.size()); }
    void Render(const RenderParams& params) override;
    int GetWidth() const override;
    int GetHeight() const override;
    void Restore() override;

  private:
    // Null before Create.
    Sprite* Shown() const;

    std::vector<std::unique_ptr<Sprite>> frames;
};
