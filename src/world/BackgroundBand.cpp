#include "world/BackgroundBand.h"

#include "core/ScreenSize.h"

#include <algorithm>
#include <cstdlib>

namespace {

int Wrap(int row) {
    return ((row % ScreenSize::kHeight) + ScreenSize::kHeight) % ScreenSize::kHeight;
}

} // namespace

bool BackgroundBand::Create(std::unique_ptr<Image> window) {
    topRow = window->GetHeight() - ScreenSize::kHeight;
    ringOffset = 0;
    return SurfaceSprite::Create(std::move(window), ScreenSize::kWidth, ScreenSize::kHeight, 0,
                                 topRow, false);
}

void BackgroundBand::ScrollTo(int newTopRow) {
    const int change = newTopRow - topRow;
    if (change == 0)
        return;
    topRow = newTopRow;
    if (std::abs(change) >= ScreenSize::kHeight) {
        Refill();
        return;
    }
    ringOffset = Wrap(ringOffset + change);
    if (change < 0)
        CopyScreenRows(0, -change);
    else
        CopyScreenRows(ScreenSize::kHeight - change, change);
}

void BackgroundBand::Refill() {
    ringOffset = 0;
    SetPixels(0, topRow);
}

void BackgroundBand::CopyScreenRows(int first, int count) {
    const int surfaceRow = Wrap(ringOffset + first);
    const int beforeWrap = std::min(count, ScreenSize::kHeight - surfaceRow);
    CopyRun(surfaceRow, topRow + first, beforeWrap);
    if (beforeWrap < count)
        CopyRun(0, topRow + first + beforeWrap, count - beforeWrap);
}

void BackgroundBand::CopyRun(int firstSurfaceRow, int windowRow, int count) {
    const InclusiveRect rows{0, firstSurfaceRow, ScreenSize::kWidth - 1,
                             firstSurfaceRow + count - 1};
    SetPixelsRect(0, windowRow - firstSurfaceRow, rows);
}

void BackgroundBand::Render(const RenderParams& params) {
    const int rowsBeforeWrap = ScreenSize::kHeight - ringOffset;
    const RenderParams upper{RP_SRC_POS | RP_SRC_SIZE | RP_DST_POS | RP_OPAQUE,
                             0,
                             ringOffset,
                             ScreenSize::kWidth,
                             rowsBeforeWrap,
                             params.dstX,
                             params.dstY,
                             0,
                             0};
    SurfaceSprite::Render(upper);
    if (ringOffset == 0)
        return;
    const RenderParams lower{RP_SRC_POS | RP_SRC_SIZE | RP_DST_POS | RP_OPAQUE,
                             0,
                             0,
                             ScreenSize::kWidth,
                             ringOffset,
                             params.dstX,
                             params.dstY + rowsBeforeWrap,
                             0,
                             0};
    SurfaceSprite::Render(lower);
}

void BackgroundBand::Restore() {
    SurfaceSprite::Restore();
    Refill();
}
