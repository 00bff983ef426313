#pragma once

#include "gfx/Sprite.h"

#include <memory>

class BackgroundBand;

// What the sprite manager holds under "BACKGROUND": it restores and draws the band for as long
// as the background keeps it, so neither can be left pointing at the other after it is gone.
class BackgroundBandLink : public Sprite {
  public:
    explicit BackgroundBandLink(std::weak_ptr<BackgroundBand> band) : band(std::move(band)) {}

    int GetNumFrames() const override { return 1; }
    void Render(const RenderParams& params) override;
    int GetWidth() const override;
    int GetHeight() const override;
    void Restore() override;

  private:
    std::weak_ptr<BackgroundBand> band;
};
