#include "gfx/AnimatedRLESprite.h"

#include "gfx/DirectDraw.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"

namespace {

constexpr const char* kSourceFile = ".\\AnimatedRLESprite";

} // namespace

bool AnimatedRLESprite::Create(const Image& image, int count, float cycle, bool crop, bool loop) {
    frames.clear();
    frameRects.clear();
    numFrames = 0;
    shownFrame = -1;
    const int frameHeight = FrameHeight(image, count);
    if (frameHeight < 1)
        return false;
    const ImageUtil& util = Singleton<ImageUtil>::Instance();
    std::vector<std::unique_ptr<Image>> encoded;
    std::vector<InclusiveRect> rects;
    for (int frame = 0; frame < count; ++frame) {
        std::unique_ptr<Image> band = CutFrame(image, frame, frameHeight);
        if (!band)
            return false;
        InclusiveRect rect{0, 0, band->GetWidth() - 1, frameHeight - 1};
        if (crop) {
            rect = util.BoundingBox(*band);
            band = CopyPart(*band, rect);
        }
        if (!band || !util.RleEncode(*band))
            return false;
        encoded.push_back(std::move(band));
        rects.push_back(rect);
    }
    frames = std::move(encoded);
    frameRects = std::move(rects);
    numFrames = count;
    StartSequence(numFrames, cycle, loop);
    return true;
}

bool AnimatedRLESprite::ShowFrame(int frame) {
    if (surface.Get() && frame == shownFrame)
        return true;
    const InclusiveRect& rect = frameRects[static_cast<std::size_t>(frame)];
    // Frames of one size share the surface; only a new size needs a new one.
    const bool fits =
        surface.Get() && surface.GetWidth() == rect.Width() && surface.GetHeight() == rect.Height();
    if (!fits && !surface.Create(rect.Width(), rect.Height()))
        return false;
    shownFrame = -1;
    if (!surface.SetPixelsRLE(*frames[static_cast<std::size_t>(frame)]))
        return false;
    shownFrame = frame;
    return true;
}

void AnimatedRLESprite::Render(const RenderParams& params) {
    if (numFrames < 1)
        return;
    const int frame = CurrentFrame();
    if (!ShowFrame(frame))
        return;
    const InclusiveRect& rect = frameRects[static_cast<std::size_t>(frame)];
    const platform::DisplayResult result = surface.Draw(params, rect.left, rect.top);
    const bool fastBlit = !(params.flags & RP_DST_SIZE);
    if (fastBlit && result != platform::dd::Ok && result != platform::dd::SurfaceLost)
        Singleton<SpriteManager>::Instance().ReportInvalidSprite(this);
}

int AnimatedRLESprite::GetWidth() const {
    return numFrames < 1 ? 0 : frameRects[static_cast<std::size_t>(CurrentFrame())].Width();
}

int AnimatedRLESprite::GetHeight() const {
    return numFrames < 1 ? 0 : frameRects[static_cast<std::size_t>(CurrentFrame())].Height();
}

void AnimatedRLESprite::Restore() {
    Singleton<DirectDraw>::Instance().LogIfFailed(surface.Restore(), kSourceFile, __LINE__);
    shownFrame = -1;
}
