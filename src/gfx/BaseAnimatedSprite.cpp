#include "gfx/BaseAnimatedSprite.h"

#include "core/Log.h"

int BaseAnimatedSprite::FrameHeight(const Image& image, int numFrames) {
    if (numFrames < 1 || numFrames > image.GetHeight() || image.GetWidth() < 1) {
        Log("Animation of %d frames does not fit a picture of %d x %d pixels.\n", numFrames,
            image.GetWidth(), image.GetHeight());
        return 0;
    }
    return image.GetHeight() / numFrames;
}

std::unique_ptr<Image> BaseAnimatedSprite::CutFrame(const Image& image, int frame,
                                                    int frameHeight) {
    const int top = frame * frameHeight;
    return CopyPart(image, {0, top, image.GetWidth() - 1, top + frameHeight - 1});
}
