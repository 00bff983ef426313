#include "gfx/FrameSignature.h"

namespace {

enum class DrawKind : std::uint64_t { Copy = 1, Blend, Darken };

} // namespace

void FrameSignature::Copy(const platform::DisplaySurface& target,
                          const platform::DisplaySurface& source, const platform::Rect& from,
                          const platform::Rect& to, platform::BlitKey key) {
    Mix(static_cast<std::uint64_t>(DrawKind::Copy));
    Mix(&target);
    Mix(&source);
    // An animation shows each frame on one surface in turn.
    Mix(source.version());
    Mix(from);
    Mix(to);
    Mix(static_cast<std::uint64_t>(key));
    if (listener)
        listener->Copy(target, source, from, to, key);
}

// Pictures with alpha maps and shadow masks never change once made.
void FrameSignature::Blend(const platform::DisplaySurface& target, const Image& picture,
                           const Image& alpha, int pictureX, int pictureY,
                           const platform::Rect& to) {
    Mix(static_cast<std::uint64_t>(DrawKind::Blend));
    Mix(&target);
    Mix(&picture);
    Mix(&alpha);
    Mix(platform::Rect{pictureX, pictureY, 0, 0});
    Mix(to);
    if (listener)
        listener->Blend(target, picture, alpha, pictureX, pictureY, to);
}

void FrameSignature::Darken(const platform::DisplaySurface& target, const Image& mask, int maskX,
                            int maskY, const platform::Rect& to) {
    Mix(static_cast<std::uint64_t>(DrawKind::Darken));
    Mix(&target);
    Mix(&mask);
    Mix(platform::Rect{maskX, maskY, 0, 0});
    Mix(to);
    if (listener)
        listener->Darken(target, mask, maskX, maskY, to);
}

bool FrameSignature::EndFrame() {
    const bool changed = current != previous;
    previous = current;
    current = kEmpty;
    return changed;
}

void FrameSignature::Mix(std::uint64_t value) {
    current = (current ^ value) * 0x100000001B3ull;
}

void FrameSignature::Mix(const void* address) {
    Mix(static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(address)));
}

void FrameSignature::Mix(const platform::Rect& rect) {
    Mix(static_cast<std::uint64_t>(static_cast<std::uint32_t>(rect.left)) << 32 |
        static_cast<std::uint32_t>(rect.top));
    Mix(static_cast<std::uint64_t>(static_cast<std::uint32_t>(rect.right)) << 32 |
        static_cast<std::uint32_t>(rect.bottom));
}
