#include "gfx/ImageConverter.h"

#include "core/Log.h"
#include "core/ShowError.h"

#include <string>

namespace {

constexpr int kBlue = 0;
constexpr int kGreen = 1;
constexpr int kRed = 2;
constexpr std::uint32_t kTop5Bit = 31;
constexpr std::uint32_t kFractionBits = 7;

// Palette pictures need their palette; run-length streams are no pixels at all.
bool HasColourPixels(const Image& image) {
    if (image.IsRle())
        return false;
    return image.GetDepth() == 24 || (image.GetDepth() == 8 && image.GetPalette());
}

// Blue, green, red of pixel `index` of an 8- or 24-bit picture.
const std::uint8_t* ColourBytes(const Image& image, std::size_t index) {
    if (image.GetDepth() == 8)
        return image.GetPalette() + image.GetData()[index] * 4;
    return image.GetData() + index * 3;
}

std::size_t PixelCount(const Image& image) {
    return static_cast<std::size_t>(image.GetWidth()) * static_cast<std::size_t>(image.GetHeight());
}

void WriteWord16(std::uint8_t* target, std::uint32_t pixel) {
    target[0] = static_cast<std::uint8_t>(pixel);
    target[1] = static_cast<std::uint8_t>(pixel >> 8);
}

std::uint32_t Pack16(std::uint32_t red, std::uint32_t green, std::uint32_t blue,
                     const PixelFormat& screen) {
    return red << screen.redShift | green << screen.greenShift | blue << screen.blueShift;
}

// Adds the dropped low bits of `value` to the channel's accumulator and rounds up once it
// holds a whole step.
std::uint32_t DiffuseChannel(std::uint8_t value, std::uint32_t& accumulator) {
    std::uint32_t fiveBit = value >> 3u;
    accumulator += value & kFractionBits;
    if (accumulator > kFractionBits) {
        accumulator -= kFractionBits + 1;
        if (fiveBit < kTop5Bit)
            ++fiveBit;
    }
    return fiveBit;
}

} // namespace

std::unique_ptr<Image> ImageConverter::ConvertTo16Bit(std::unique_ptr<Image> image) {
    return ConvertTo16Bit(std::move(image), PixelFormat::Screen());
}

std::unique_ptr<Image> ImageConverter::ConvertTo16Bit(std::unique_ptr<Image> image,
                                                      const PixelFormat& screen) {
    if (!image)
        return nullptr;
    if (screen.depth != 16 && screen.depth != 32) {
        ShowError("not supported screen depth");
        return image;
    }
    if (image->GetDepth() == screen.depth)
        return image;
    if (!HasColourPixels(*image)) {
        ShowError("ImageConverter::ConvertTo16Bit: illegal source image");
        return image;
    }
    return screen.depth == 16 ? To16(*image, screen) : To32(*image, screen);
}

std::unique_ptr<Image> ImageConverter::ConvertTo8BitAlpha(std::unique_ptr<Image> image) {
    if (!image)
        return nullptr;
    if (!HasColourPixels(*image)) {
        ShowError("ImageConverter::ConvertTo8BitAlpha: illegal source image");
        return image;
    }
    auto alpha = std::make_unique<Image>();
    if (!alpha->Create(image->GetWidth(), image->GetHeight(), 8))
        return nullptr;
    std::uint8_t* target = alpha->GetData();
    for (std::size_t index = 0; index < PixelCount(*image); ++index) {
        const std::uint8_t* colour = ColourBytes(*image, index);
        target[index] =
            static_cast<std::uint8_t>((colour[kRed] + colour[kGreen] + colour[kBlue]) / 3);
    }
    return alpha;
}

std::unique_ptr<Image> ImageConverter::To16(const Image& source, const PixelFormat& screen) {
    auto converted = std::make_unique<Image>();
    if (!converted->Create(source.GetWidth(), source.GetHeight(), screen))
        return nullptr;
    const std::size_t width = static_cast<std::size_t>(source.GetWidth());
    for (int y = 0; y < source.GetHeight(); ++y) {
        const std::size_t firstPixel = width * static_cast<std::size_t>(y);
        std::uint8_t* targetRow = converted->GetData() + firstPixel * 2;
        if (source.GetDepth() == 24) {
            Diffuse24RowTo16(source.GetData() + firstPixel * 3, targetRow, source.GetWidth(),
                             screen);
            continue;
        }
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint8_t* colour = ColourBytes(source, firstPixel + x);
            WriteWord16(targetRow + x * 2,
                        Pack16(colour[kRed] / 8u, colour[kGreen] / 8u, colour[kBlue] / 8u, screen));
        }
    }
    return converted;
}

void ImageConverter::Diffuse24RowTo16(const std::uint8_t* source, std::uint8_t* target, int width,
                                      const PixelFormat& screen) {
    std::uint32_t redError = StepState() & kFractionBits;
    std::uint32_t greenError = StepState() & kFractionBits;
    std::uint32_t blueError = StepState() & kFractionBits;
    for (int x = 0; x < width; ++x, source += 3, target += 2) {
        const std::uint32_t red = DiffuseChannel(source[kRed], redError);
        const std::uint32_t green = DiffuseChannel(source[kGreen], greenError);
        const std::uint32_t blue = DiffuseChannel(source[kBlue], blueError);
        WriteWord16(target, Pack16(red, green, blue, screen));
    }
}

std::unique_ptr<Image> ImageConverter::To32(const Image& source, const PixelFormat& screen) const {
    auto converted = std::make_unique<Image>();
    if (!converted->Create(source.GetWidth(), source.GetHeight(), screen))
        return nullptr;
    std::uint8_t* target = converted->GetData();
    for (std::size_t index = 0; index < PixelCount(source); ++index, target += 4) {
        const std::uint8_t* colour = ColourBytes(source, index);
        target[screen.padIndex] = 0;
        target[screen.redIndex] = colour[kRed];
        target[screen.greenIndex] = colour[kGreen];
        target[screen.blueIndex] = colour[kBlue];
    }
    return converted;
}

std::uint32_t ImageConverter::StepState() {
    state = (state & 1u) * 371945u - (state >> 1) * 94325u;
    return state;
}
