#include "gfx/PictureLoader.h"

#include "core/FileLoader.h"
#include "core/Log.h"
#include "core/Quit.h"
#include "gfx/BmpLoader.h"
#include "gfx/Image.h"
#include "gfx/ImageConverter.h"
#include "gfx/ImageUtil.h"
#include "gfx/JpegLoader.h"

namespace {
constexpr const char* kBmpSuffix = ".bmp";
constexpr const char* kJpegSuffix = ".jpg";
constexpr const char* kMaskSuffix = "_Mask.bmp";
constexpr const char* kAlphaSuffix = "Alpha";
} // namespace

std::unique_ptr<Image> PictureLoader::Load(const std::string& name, bool toScreenFormat) const {
    const FileLoader& files = Singleton<FileLoader>::Instance();
    const std::string path = files.GetBasePath() + name;
    std::unique_ptr<Image> image;
    std::unique_ptr<Image> mask;
    if (files.Exists(name, kBmpSuffix)) {
        image = Singleton<BmpLoader>::Instance().Load(path + kBmpSuffix);
    } else if (files.Exists(name, kJpegSuffix)) {
        image = Singleton<JpegLoader>::Instance().Load(path + kJpegSuffix);
        if (image && files.Exists(name, kMaskSuffix))
            mask = Singleton<BmpLoader>::Instance().Load(path + kMaskSuffix);
    }
    if (!image) {
        QuitFatally("Failed to load image %s from bmp or jpeg.\n", name.c_str());
        return nullptr;
    }
    if (!toScreenFormat)
        return image;
    Singleton<ImageUtil>::Instance().RemapTransparentColor(*image);
    image = Singleton<ImageConverter>::Instance().ConvertTo16Bit(std::move(image));
    if (image && mask)
        Singleton<ImageUtil>::Instance().ApplyMask(*image, *mask);
    return image;
}

std::unique_ptr<Image> PictureLoader::LoadAlpha(const std::string& name) const {
    const FileLoader& files = Singleton<FileLoader>::Instance();
    const std::string alphaName = name + kAlphaSuffix;
    const std::string alphaPath = files.GetBasePath() + alphaName;
    std::unique_ptr<Image> alpha;
    std::unique_ptr<Image> mask;
    if (files.Exists(alphaName, kBmpSuffix)) {
        alpha = Singleton<BmpLoader>::Instance().Load(alphaPath + kBmpSuffix);
    } else if (files.Exists(alphaName, kJpegSuffix)) {
        alpha = Singleton<JpegLoader>::Instance().Load(alphaPath + kJpegSuffix);
        if (alpha && files.Exists(name, kMaskSuffix)) {
            mask = Singleton<BmpLoader>::Instance().Load(files.GetBasePath() + name + kMaskSuffix);
            if (!mask)
                Log("Failed to load mask for image %s.\n", name.c_str());
        }
    }
    if (!alpha)
        return nullptr;
    alpha = Singleton<ImageConverter>::Instance().ConvertTo8BitAlpha(std::move(alpha));
    if (alpha && mask)
        Singleton<ImageUtil>::Instance().ApplyMask(*alpha, *mask);
    return alpha;
}
