#include "gfx/AnimatedSprite.h"

#include "core/Quit.h"
#include "gfx/AlphaSprite.h"
#include "gfx/SurfaceSprite.h"

namespace {

// One frame of the stack: blended when there is an alpha map, else colour-keyed.
std::unique_ptr<Sprite> MakeFrame(std::unique_ptr<Image> picture, std::unique_ptr<Image> alpha,
                                  bool crop) {
    const int width = picture->GetWidth();
    const int height = picture->GetHeight();
    if (alpha) {
        auto sprite = std::make_unique<AlphaSprite>();
        if (!sprite->Create(std::move(picture), std::move(alpha), width, height, 0, 0, crop))
            return nullptr;
        return sprite;
    }
    auto sprite = std::make_unique<SurfaceSprite>();
    if (!sprite->Create(std::move(picture), width, height, 0, 0, crop))
        return nullptr;
    return sprite;
}

} // namespace

bool AnimatedSprite::Create(const Image& image, const Image* alpha, int numFrames, float cycle,
                            bool crop, bool loop) {
    frames.clear();
    if (alpha &&
        (alpha->GetWidth() != image.GetWidth() || alpha->GetHeight() != image.GetHeight())) {
        QuitFatally("image and alpha map sizes do not match.\n");
        return false;
    }
    const int frameHeight = FrameHeight(image, numFrames);
    if (frameHeight < 1)
        return false;
    std::vector<std::unique_ptr<Sprite>> made;
    for (int frame = 0; frame < numFrames; ++frame) {
        std::unique_ptr<Image> picture = CutFrame(image, frame, frameHeight);
        std::unique_ptr<Image> alphaMap = alpha ? CutFrame(*alpha, frame, frameHeight) : nullptr;
        if (!picture || (alpha && !alphaMap))
            return false;
        made.push_back(MakeFrame(std::move(picture), std::move(alphaMap), crop));
        if (!made.back())
            return false;
    }
    frames = std::move(made);
    StartSequence(numFrames, cycle, loop);
    return true;
}

Sprite* AnimatedSprite::Shown() const {
    if (frames.empty())
        return nullptr;
    return frames[static_cast<std::size_t>(CurrentFrame())].get();
}

void AnimatedSprite::Render(const RenderParams& params) {
    if (Sprite* frame = Shown())
        frame->Render(params);
}

int AnimatedSprite::GetWidth() const {
    const Sprite* frame = Shown();
    return frame ? frame->GetWidth() : 0;
}

int AnimatedSprite::GetHeight() const {
    const Sprite* frame = Shown();
    return frame ? frame->GetHeight() : 0;
}

void AnimatedSprite::Restore() {
    for (const std::unique_ptr<Sprite>& frame : frames)
        frame->Restore();
}
