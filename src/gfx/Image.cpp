#include "gfx/Image.h"

#include "core/Log.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
// A 16-bit screen keeps the top five bits of a channel.
constexpr int kFiveBitLoss = 3;

std::uint32_t Channel(std::uint32_t pixel, std::uint32_t mask, int shift) {
    return (pixel & mask) >> shift;
}

void LogUnsupportedDepth() {
    // Kept as written: logs and their readers rely on this exact line.
    Log("Unsuported image depth. GetPixel() failed.\n");
}

std::uint32_t ReadLittleEndian(const std::uint8_t* bytes, int count) {
    std::uint32_t value = 0;
    for (int byte = count - 1; byte >= 0; --byte)
        value = value << 8 | bytes[byte];
    return value;
}

void WriteLittleEndian(std::uint8_t* bytes, int count, std::uint32_t value) {
    for (int byte = 0; byte < count; ++byte, value >>= 8)
        bytes[byte] = static_cast<std::uint8_t>(value);
}

} // namespace

Image::Image(int viewWidth, int viewHeight, int viewDepth, const PixelFormat& viewFormat)
    : width(viewWidth), height(viewHeight), depth(viewDepth), format(viewFormat) {}

bool Image::IsValid(int width, int height, int depth) {
    const bool knownDepth = depth == 1 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
    return knownDepth && width >= 0 && height >= 0 && width <= kMaxSide && height <= kMaxSide;
}

std::size_t Image::PixelBytes(int width, int height, int depth) {
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    return depth == 1 ? (pixels + 7) / 8 : pixels * static_cast<std::size_t>(depth / 8);
}

bool Image::Create(int newWidth, int newHeight, int newDepth) {
    return Allocate(newWidth, newHeight, newDepth, PixelFormat::Screen());
}

bool Image::Create(int newWidth, int newHeight, const PixelFormat& newFormat) {
    return Allocate(newWidth, newHeight, newFormat.depth, newFormat);
}

bool Image::Allocate(int newWidth, int newHeight, int newDepth, const PixelFormat& newFormat) {
    data.reset();
    palette.reset();
    rle = false;
    rleSize = 0;
    width = height = depth = 0;
    if (!IsValid(newWidth, newHeight, newDepth)) {
        Log("Image::Create: no picture is %d x %d pixels of %d bits\n", newWidth, newHeight,
            newDepth);
        return false;
    }
    // One byte at least, so that an empty picture still has data to point at.
    const std::size_t bytes = std::max<std::size_t>(PixelBytes(newWidth, newHeight, newDepth), 1);
    data.reset(new (std::nothrow) std::uint8_t[bytes]());
    if (!data) {
        Log("Image::Create: no memory for %d x %d pixels of %d bits\n", newWidth, newHeight,
            newDepth);
        return false;
    }
    width = newWidth;
    height = newHeight;
    depth = newDepth;
    format = newFormat;
    if (depth == 8) {
        std::uint8_t* entries = CreatePalette();
        for (int index = 0; index < kPaletteEntries; ++index)
            std::fill_n(entries + index * 4, 3, static_cast<std::uint8_t>(index));
    }
    return true;
}

std::uint8_t* Image::GetData() {
    return data.get();
}

const std::uint8_t* Image::GetData() const {
    return data.get();
}

std::uint8_t* Image::GetPalette() {
    return palette.get();
}

const std::uint8_t* Image::GetPalette() const {
    return palette.get();
}

std::uint8_t* Image::CreatePalette() {
    palette = std::make_unique<std::uint8_t[]>(kPaletteBytes);
    return palette.get();
}

void Image::SetRleData(std::unique_ptr<std::uint8_t[]> encoded, std::size_t size) {
    data = std::move(encoded);
    rleSize = size;
    rle = true;
}

std::size_t Image::GetDataSize() const {
    return rle ? rleSize : PixelBytes(width, height, depth);
}

std::uint32_t Image::GetPixel(int x, int y) const {
    if (rle || !Contains(x, y)) {
        Log("Image::GetPixel: no readable pixel at (%d, %d)\n", x, y);
        return kBlack;
    }
    const std::size_t index = PixelIndex(x, y);
    switch (depth) {
    case 1:
        return GetBit(index) ? kBlack : kWhite;
    case 8: {
        const std::uint8_t* entries = GetPalette();
        return entries ? ReadLittleEndian(entries + GetData()[index] * 4, 4) : kBlack;
    }
    case 16:
    case 32: {
        const std::uint32_t pixel =
            ReadLittleEndian(GetData() + index * BytesPerPixel(), BytesPerPixel());
        const int loss = depth == 16 ? kFiveBitLoss : 0;
        const std::uint32_t red = Channel(pixel, format.redMask, format.redShift) << loss;
        const std::uint32_t green = Channel(pixel, format.greenMask, format.greenShift) << loss;
        const std::uint32_t blue = Channel(pixel, format.blueMask, format.blueShift) << loss;
        return red << 16 | green << 8 | blue;
    }
    default:
        LogUnsupportedDepth();
        return kBlack;
    }
}

void Image::SetPixel(int x, int y, std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
    if (rle)
        return;
    if (!Contains(x, y)) {
        Log("Image::SetPixel: (%d, %d) lies outside the %d x %d image\n", x, y, width, height);
        return;
    }
    const std::size_t index = PixelIndex(x, y);
    std::uint8_t* pixel = GetData() + index * BytesPerPixel();
    switch (depth) {
    case 1:
        SetBit(index, red == 0 || green == 0 || blue == 0);
        break;
    case 8:
        *pixel = PaletteIndexOf(blue, green, red);
        break;
    case 16:
        WriteLittleEndian(pixel, 2,
                          ((red / 8u) << format.redShift & format.redMask) |
                              ((green / 8u) << format.greenShift & format.greenMask) |
                              ((blue / 8u) << format.blueShift & format.blueMask));
        break;
    case 32:
        WriteLittleEndian(pixel, 4,
                          (std::uint32_t{red} << format.redShift & format.redMask) |
                              (std::uint32_t{green} << format.greenShift & format.greenMask) |
                              (std::uint32_t{blue} << format.blueShift & format.blueMask));
        break;
    default:
        LogUnsupportedDepth();
        break;
    }
}

void Image::Mirror() {
    if (rle) {
        Log("Image::Mirror: a run-length image cannot be mirrored\n");
        return;
    }
    if (depth == 1)
        MirrorBits();
    else
        MirrorBytes();
}

void Image::MirrorBits() {
    for (int y = 0; y < height; ++y) {
        for (int left = 0, right = width - 1; left < right; ++left, --right) {
            const bool leftBit = GetBit(PixelIndex(left, y));
            SetBit(PixelIndex(left, y), GetBit(PixelIndex(right, y)));
            SetBit(PixelIndex(right, y), leftBit);
        }
    }
}

void Image::MirrorBytes() {
    const std::size_t pixelBytes = static_cast<std::size_t>(BytesPerPixel());
    for (int y = 0; y < height; ++y) {
        for (int left = 0, right = width - 1; left < right; ++left, --right) {
            std::uint8_t* leftPixel = GetData() + PixelIndex(left, y) * pixelBytes;
            std::swap_ranges(leftPixel, leftPixel + pixelBytes,
                             GetData() + PixelIndex(right, y) * pixelBytes);
        }
    }
}

bool Image::Contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height;
}

std::size_t Image::PixelIndex(int x, int y) const {
    return static_cast<std::size_t>(x) +
           static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
}

bool Image::GetBit(std::size_t index) const {
    return (GetData()[index / 8] >> (7 - index % 8) & 1) != 0;
}

void Image::SetBit(std::size_t index, bool set) {
    const auto bit = static_cast<std::uint8_t>(0x80u >> (index % 8));
    std::uint8_t& byte = GetData()[index / 8];
    byte = set ? static_cast<std::uint8_t>(byte | bit) : static_cast<std::uint8_t>(byte & ~bit);
}

std::uint8_t Image::PaletteIndexOf(std::uint8_t blue, std::uint8_t green, std::uint8_t red) const {
    const std::uint8_t* entries = GetPalette();
    for (int index = 0; entries && index < kPaletteEntries; ++index) {
        const std::uint8_t* entry = entries + index * 4;
        if (entry[0] == blue && entry[1] == green && entry[2] == red)
            return static_cast<std::uint8_t>(index);
    }
    return 0;
}
