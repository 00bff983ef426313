#include "gfx/Sprite.h"

#include "core/Log.h"
#include "gfx/DirectDraw.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstdint>

namespace {

// How far a clipped destination edge moves the source edge: the clipped amount times the scale,
// truncated.
int ScaledShift(int clipped, int sourceSize, int destinationSize) {
    return static_cast<int>(static_cast<std::int64_t>(clipped) * sourceSize / destinationSize);
}

} // namespace

void Sprite::Draw(int x, int y) {
    Render({RP_DST_POS, 0, 0, 0, 0, x, y, 0, 0});
}

void Sprite::DrawCentered(int x, int y) {
    Render({RP_DST_POS | RP_CENTER, 0, 0, 0, 0, x, y, 0, 0});
}

void Sprite::DrawScaled(int x, int y, int w, int h) {
    Render({RP_DST_POS | RP_DST_SIZE, 0, 0, 0, 0, x, y, w, h});
}

void Sprite::DrawPart(const InclusiveRect& source, int x, int y) {
    Render({RP_SRC_POS | RP_SRC_SIZE | RP_DST_POS, source.left, source.top, source.Width(),
            source.Height(), x, y, 0, 0});
}

void Sprite::DrawPartScaled(const InclusiveRect& source, const InclusiveRect& destination) {
    Render({RP_SRC_POS | RP_SRC_SIZE | RP_DST_POS | RP_DST_SIZE, source.left, source.top,
            source.Width(), source.Height(), destination.left, destination.top, destination.Width(),
            destination.Height()});
}

// During a transition, what lies outside the part shown would be drawn for nothing.
bool Sprite::ClipToScreen(int& x, int& y, InclusiveRect& source) {
    const InclusiveRect shown =
        InclusiveRect::FromExclusive(Singleton<DirectDraw>::Instance().ShownArea());
    const int left = std::max(shown.left, 0);
    const int top = std::max(shown.top, 0);
    const int right = std::min(shown.right, kScreenRight);
    const int bottom = std::min(shown.bottom, kScreenBottom);
    if (x < left) {
        source.left += left - x;
        x = left;
    }
    if (y < top) {
        source.top += top - y;
        y = top;
    }
    if (x + (source.right - source.left) > right)
        source.right = source.left - x + right;
    if (y + (source.bottom - source.top) > bottom)
        source.bottom = source.top - y + bottom;
    return source.left < source.right && source.top < source.bottom;
}

bool Sprite::ClipScaled(InclusiveRect& destination, InclusiveRect& source) {
    const int destinationWidth = destination.Width();
    const int destinationHeight = destination.Height();
    if (destinationWidth < 1 || destinationHeight < 1)
        return false;
    const int sourceWidth = source.Width();
    const int sourceHeight = source.Height();
    if (destination.left < 0) {
        source.left += ScaledShift(-destination.left, sourceWidth, destinationWidth);
        destination.left = 0;
    }
    if (destination.top < 0) {
        source.top += ScaledShift(-destination.top, sourceHeight, destinationHeight);
        destination.top = 0;
    }
    if (destination.right > kScreenRight) {
        source.right -=
            ScaledShift(destination.right - kScreenRight, sourceWidth, destinationWidth);
        destination.right = kScreenRight;
    }
    if (destination.bottom > kScreenBottom) {
        source.bottom -=
            ScaledShift(destination.bottom - kScreenBottom, sourceHeight, destinationHeight);
        destination.bottom = kScreenBottom;
    }
    return destination.left <= destination.right && destination.top <= destination.bottom &&
           source.left <= source.right && source.top <= source.bottom && source.left >= 0 &&
           source.top >= 0;
}

bool Sprite::ClipToSprite(int& x, int& y, InclusiveRect& source, int width, int height) {
    if (source.left < 0) {
        x -= source.left;
        source.left = 0;
    }
    if (source.top < 0) {
        y -= source.top;
        source.top = 0;
    }
    source.right = std::min(source.right, width - 1);
    source.bottom = std::min(source.bottom, height - 1);
    return source.left <= source.right && source.top <= source.bottom;
}

std::unique_ptr<Image> Sprite::CopyPart(const Image& image, const InclusiveRect& part) {
    auto copy = std::make_unique<Image>();
    const bool screenFormat = image.GetDepth() == 16 || image.GetDepth() == 32;
    const bool made = screenFormat ? copy->Create(part.Width(), part.Height(), image.GetFormat())
                                   : copy->Create(part.Width(), part.Height(), image.GetDepth());
    if (!made || !Singleton<ImageUtil>::Instance().CopyRect(image, *copy, part, 0, 0))
        return nullptr;
    return copy;
}

InclusiveRect Sprite::SourceRect(const RenderParams& params, int width, int height) {
    const int left = (params.flags & RP_SRC_POS) ? params.srcX : 0;
    const int top = (params.flags & RP_SRC_POS) ? params.srcY : 0;
    const int partWidth = (params.flags & RP_SRC_SIZE) ? params.srcW : width;
    const int partHeight = (params.flags & RP_SRC_SIZE) ? params.srcH : height;
    return {left, top, left + partWidth - 1, top + partHeight - 1};
}

void Sprite::Position(const RenderParams& params, int width, int height, int& x, int& y) {
    x = params.dstX;
    y = params.dstY;
    if (params.flags & RP_CENTER) {
        x -= width / 2;
        y -= height / 2;
    }
}

bool Sprite::PlaceUnscaled(const RenderParams& params, int width, int height, int offsetX,
                           int offsetY, int& x, int& y, InclusiveRect& source) {
    source = SourceRect(params, width, height);
    Position(params, width, height, x, y);
    x += offsetX;
    y += offsetY;
    return ClipToSprite(x, y, source, width, height) && ClipToScreen(x, y, source);
}
