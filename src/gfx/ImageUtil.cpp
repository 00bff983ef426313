#include "gfx/ImageUtil.h"

#include "core/Log.h"
#include "core/ShowError.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr std::uint32_t kColourBits = 0xFFFFFF;
constexpr std::size_t kRunLength = 4;
constexpr std::size_t kMaxPacketPixels = 127;
constexpr std::uint8_t kRealBlack = 8;

// The depths whose pixels GetPixel and SetPixel understand.
bool HasAddressablePixels(const Image& image) {
    const int depth = image.GetDepth();
    return !image.IsRle() && (depth == 1 || depth == 8 || depth == 16 || depth == 32);
}

std::size_t PixelCount(const Image& image) {
    return static_cast<std::size_t>(image.GetWidth()) * static_cast<std::size_t>(image.GetHeight());
}

std::uint32_t ColourAt(const Image& image, std::size_t index) {
    const std::size_t width = static_cast<std::size_t>(image.GetWidth());
    return image.GetPixel(static_cast<int>(index % width), static_cast<int>(index / width)) &
           kColourBits;
}

void RemapColour(std::uint8_t* blueGreenRed) {
    std::uint8_t& blue = blueGreenRed[0];
    std::uint8_t& green = blueGreenRed[1];
    std::uint8_t& red = blueGreenRed[2];
    if (red < 8 && green < 8 && blue < 8)
        blue = green = red = kRealBlack;
    else if (red > 239 && green < 8 && blue > 239)
        blue = green = red = 0;
}

bool RectInside(const InclusiveRect& rect, const Image& image) {
    return rect.left >= 0 && rect.top >= 0 && rect.left <= rect.right && rect.top <= rect.bottom &&
           rect.right < image.GetWidth() && rect.bottom < image.GetHeight();
}

void CopyIntoBits(const Image& source, Image& destination, const InclusiveRect& rect, int x,
                  int y) {
    for (int row = 0; row < rect.Height(); ++row) {
        for (int column = 0; column < rect.Width(); ++column) {
            const bool black = source.GetPixel(rect.left + column, rect.top + row) == 0;
            const std::uint8_t level = black ? 0 : 255;
            destination.SetPixel(x + column, y + row, level, level, level);
        }
    }
}

void CopyRows(const Image& source, Image& destination, const InclusiveRect& rect, int x, int y) {
    const std::size_t pixelBytes = static_cast<std::size_t>(source.BytesPerPixel());
    const std::size_t rowBytes = static_cast<std::size_t>(rect.Width()) * pixelBytes;
    for (int row = 0; row < rect.Height(); ++row) {
        const std::size_t from =
            static_cast<std::size_t>(rect.left) +
            static_cast<std::size_t>(rect.top + row) * static_cast<std::size_t>(source.GetWidth());
        const std::size_t to =
            static_cast<std::size_t>(x) +
            static_cast<std::size_t>(y + row) * static_cast<std::size_t>(destination.GetWidth());
        std::memcpy(destination.GetData() + to * pixelBytes, source.GetData() + from * pixelBytes,
                    rowBytes);
    }
}

bool SameBytes(const Image& image, std::size_t first, std::size_t second) {
    const std::size_t pixelBytes = static_cast<std::size_t>(image.BytesPerPixel());
    return std::memcmp(image.GetData() + first * pixelBytes, image.GetData() + second * pixelBytes,
                       pixelBytes) == 0;
}

// A control byte, then `count` pixels from `first` on.
void AppendPacket(std::vector<std::uint8_t>& stream, int control, const Image& image,
                  std::size_t first, std::size_t count) {
    const std::size_t pixelBytes = static_cast<std::size_t>(image.BytesPerPixel());
    const std::uint8_t* pixels = image.GetData() + first * pixelBytes;
    stream.push_back(static_cast<std::uint8_t>(control));
    stream.insert(stream.end(), pixels, pixels + count * pixelBytes);
}

} // namespace

bool ImageUtil::RemapTransparentColor(Image& image) const {
    if (image.IsRle() || (image.GetDepth() == 8 && !image.GetPalette()) ||
        (image.GetDepth() != 8 && image.GetDepth() != 24)) {
        ShowError("ImageUtil::RemapTransparentColor: unsupported depth");
        return false;
    }
    if (image.GetDepth() == 8) {
        for (int entry = 0; entry < Image::kPaletteEntries; ++entry)
            RemapColour(image.GetPalette() + entry * 4);
        return true;
    }
    for (std::size_t index = 0; index < PixelCount(image); ++index)
        RemapColour(image.GetData() + index * 3);
    return true;
}

bool ImageUtil::ApplyMask(Image& image, const Image& mask) const {
    if (mask.GetWidth() != image.GetWidth() || mask.GetHeight() != image.GetHeight()) {
        Log("Mask size must fit image size.\n");
        return false;
    }
    if (mask.GetDepth() != 1 || mask.IsRle() || !HasAddressablePixels(image)) {
        Log("ImageUtil::ApplyMask: cannot mask a %d-bit image with a %d-bit mask\n",
            image.GetDepth(), mask.GetDepth());
        return false;
    }
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (mask.GetPixel(x, y) == 0)
                image.SetPixel(x, y, 0, 0, 0);
        }
    }
    return true;
}

InclusiveRect ImageUtil::BoundingBox(const Image& image) const {
    const InclusiveRect centre{image.GetWidth() / 2, image.GetHeight() / 2, image.GetWidth() / 2,
                               image.GetHeight() / 2};
    if (!HasAddressablePixels(image)) {
        Log("ImageUtil::BoundingBox: cannot read the pixels of a %d-bit image\n", image.GetDepth());
        return centre;
    }
    InclusiveRect box{image.GetWidth(), image.GetHeight(), -1, -1};
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (image.GetPixel(x, y) == 0)
                continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                   std::max(box.bottom, y)};
        }
    }
    return box.right < 0 ? centre : box;
}

bool ImageUtil::CopyRect(const Image& source, Image& destination, const InclusiveRect& rect, int x,
                         int y) const {
    if (source.GetDepth() != destination.GetDepth() && destination.GetDepth() != 1) {
        // Kept as written: logs and their readers rely on this exact line.
        Log("Image depths are different. Cant copy.\n");
        return false;
    }
    if (x < 0 || y < 0 || destination.GetWidth() - x < rect.Width() ||
        destination.GetHeight() - y < rect.Height()) {
        Log("Src image rect dimensions do not fit to destination.\n");
        return false;
    }
    if (!RectInside(rect, source) || source.IsRle() || destination.IsRle()) {
        Log("ImageUtil::CopyRect: no pixels to copy in (%d, %d, %d, %d) of the %d x %d source\n",
            rect.left, rect.top, rect.right, rect.bottom, source.GetWidth(), source.GetHeight());
        return false;
    }
    if (destination.GetDepth() == 1) {
        if (!HasAddressablePixels(source)) {
            Log("ImageUtil::CopyRect: cannot read the pixels of a %d-bit source\n",
                source.GetDepth());
            return false;
        }
        CopyIntoBits(source, destination, rect, x, y);
    } else {
        CopyRows(source, destination, rect, x, y);
    }
    return true;
}

std::size_t ImageUtil::FindRun(const Image& image, std::size_t start) const {
    const std::size_t count = PixelCount(image);
    if (!HasAddressablePixels(image)) {
        Log("ImageUtil::FindRun: cannot read the pixels of a %d-bit image\n", image.GetDepth());
        return count;
    }
    std::size_t runStart = start;
    std::uint32_t runColour = 0;
    for (std::size_t index = start; index < count; ++index) {
        const std::uint32_t colour = ColourAt(image, index);
        if (index == runStart || colour != runColour) {
            runStart = index;
            runColour = colour;
        }
        if (index + 1 - runStart == kRunLength)
            return runStart;
    }
    return count;
}

bool ImageUtil::RleEncode(Image& image) const {
    if (image.IsRle())
        return true;
    if (!HasAddressablePixels(image) || image.GetDepth() < 8) {
        Log("ImageUtil::RleEncode: cannot encode a %d-bit image\n", image.GetDepth());
        return false;
    }
    const std::size_t count = PixelCount(image);
    std::vector<std::uint8_t> stream;
    std::size_t position = 0;
    while (position < count) {
        const std::size_t run = FindRun(image, position);
        while (position < run) {
            const std::size_t literal = std::min<std::size_t>(run - position, kMaxPacketPixels);
            AppendPacket(stream, -static_cast<int>(literal), image, position, literal);
            position += literal;
        }
        if (run == count)
            break;
        std::size_t repeat = 1;
        while (repeat < kMaxPacketPixels && run + repeat < count &&
               SameBytes(image, run, run + repeat))
            ++repeat;
        AppendPacket(stream, static_cast<int>(repeat), image, run, 1);
        position = run + repeat;
    }
    std::unique_ptr<std::uint8_t[]> encoded(
        new (std::nothrow) std::uint8_t[std::max<std::size_t>(stream.size(), 1)]);
    if (!encoded) {
        Log("ImageUtil::RleEncode: no memory for %zu bytes\n", stream.size());
        return false;
    }
    std::copy(stream.begin(), stream.end(), encoded.get());
    image.SetRleData(std::move(encoded), stream.size());
    return true;
}
