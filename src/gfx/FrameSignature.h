#pragma once

#include "gfx/DrawRecorder.h"

#include <cstdint>

// Sums up the draws of a frame as it is composed: two frames that draw the same pictures,
// unchanged, at the same places come out alike, so the display need not show the second one
// again. Every draw is passed on to the listener, if one is set.
class FrameSignature final : public DrawRecorder {
  public:
    void Copy(const platform::DisplaySurface& target, const platform::DisplaySurface& source,
              const platform::Rect& from, const platform::Rect& to, platform::BlitKey key) override;
    void Blend(const platform::DisplaySurface& target, const Image& picture, const Image& alpha,
               int pictureX, int pictureY, const platform::Rect& to) override;
    void Darken(const platform::DisplaySurface& target, const Image& mask, int maskX, int maskY,
                const platform::Rect& to) override;

    // Whether the frame's draws differed from the frame before; the next frame starts.
    bool EndFrame();

    void SetListener(DrawRecorder* next) { listener = next; }

  private:
    static constexpr std::uint64_t kEmpty = 0xCBF29CE484222325ull;

    void Mix(std::uint64_t value);
    void Mix(const void* address);
    void Mix(const platform::Rect& rect);

    std::uint64_t current = kEmpty;
    // No frame has been shown before the first.
    std::uint64_t previous = 0;
    DrawRecorder* listener = nullptr;
};
