// A picture stored as BMP: a colour picture or an alpha map of 8 or 24 bits through the game's
// own loaders into the screen's format, a 1-bit picture as the mask of a colour picture and of
// an alpha map.
#include "FuzzFolder.h"
#include "core/Singleton.h"
#include "gfx/BmpLoader.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/ImageUtil.h"
#include "gfx/PictureLoader.h"
#include "gfx/PixelFormat.h"
#include "platform/headless/HeadlessPlatform.h"

#include <cstdlib>

namespace {

// The game's loaders end the process on a picture they cannot read, so they only ever see
// one that the decoder has read.
void LoadAsTheGameDoes(const FuzzFolder& folder, const std::uint8_t* data, std::size_t size) {
    folder.Write("data/shapeAlpha.bmp", data, size);
    const PictureLoader& pictures = Singleton<PictureLoader>::Instance();
    if (!pictures.Load("picture", true) || !pictures.LoadAlpha("shape"))
        std::abort();
}

void MaskPictures(const Image& mask) {
    Image colour;
    Image alpha;
    if (!colour.Create(mask.GetWidth(), mask.GetHeight(), PixelFormat::Screen()) ||
        !alpha.Create(mask.GetWidth(), mask.GetHeight(), 8))
        return;
    const ImageUtil& util = Singleton<ImageUtil>::Instance();
    if (!util.ApplyMask(colour, mask) || !util.ApplyMask(alpha, mask))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    static platform::HeadlessPlatform headless;
    platform::Platform::install(&headless);
    static const bool screen =
        Singleton<DirectDraw>::Instance().Init(headless.window(), 800, 600, 16, true);
    if (!screen)
        std::abort();
    folder.Write("data/picture.bmp", data, size);
    const std::unique_ptr<Image> picture =
        Singleton<BmpLoader>::Instance().Decode("data\\picture.bmp");
    if (!picture)
        return 0;
    if (picture->GetDepth() == 1)
        MaskPictures(*picture);
    else
        LoadAsTheGameDoes(folder, data, size);
    return 0;
}
