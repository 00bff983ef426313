#include "gfx/BmpLoader.h"

#include "core/ExitCode.h"
#include "core/File.h"
#include "core/Log.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kHeaderBytes = kFileHeaderBytes + kInfoHeaderBytes;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint8_t kMagenta[4] = {255, 0, 255, 0};

struct InfoHeader {
    std::uint32_t pixelOffset = 0; // from the file header
    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
};

std::uint32_t ReadU32(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

std::uint16_t ReadU16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

// Newer writers use longer information headers and may leave a gap before the pixels; both
// sizes are honoured where they make sense, so such pictures do not read as shifted garbage.
InfoHeader ParseHeaders(const std::uint8_t* headers) {
    InfoHeader header;
    header.pixelOffset = ReadU32(headers + 10);
    const std::uint8_t* bytes = headers + kFileHeaderBytes;
    header.size = ReadU32(bytes);
    header.width = static_cast<std::int32_t>(ReadU32(bytes + 4));
    header.height = static_cast<std::int32_t>(ReadU32(bytes + 8));
    header.bitCount = ReadU16(bytes + 14);
    header.compression = ReadU32(bytes + 16);
    header.coloursUsed = ReadU32(bytes + 32);
    return header;
}

// Always false, so that a check can end in it.
bool RejectDamaged(const std::string& path, const char* reason) {
    Log("Bitmap %s is damaged: %s\n", path.c_str(), reason);
    return false;
}

std::unique_ptr<Image> RejectedImage(const std::string& path, const char* reason) {
    RejectDamaged(path, reason);
    return nullptr;
}

bool IsReadableKind(const InfoHeader& header) {
    const bool knownDepth = header.bitCount == 1 || header.bitCount == 8 || header.bitCount == 24;
    return knownDepth && header.compression == kUncompressed;
}

std::uint32_t PaletteCount(const InfoHeader& header) {
    if (header.coloursUsed != 0)
        return header.coloursUsed;
    return header.bitCount == 24 ? 0 : 1u << header.bitCount;
}

// Rows in the file are padded to whole 32-bit words.
std::size_t FileRowBytes(int width, int bitCount) {
    const std::size_t bits = static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount);
    return (bits + 31) / 32 * 4;
}

// Only ever forward and within the file, which the size checks have made sure of.
bool Skip(File& file, std::uint64_t bytes, const std::string& path) {
    return file.Seek(1, static_cast<long>(bytes)) ||
           RejectDamaged(path, "its headers are cut short");
}

bool ReadPalette(File& file, Image& image, std::uint32_t count, const std::string& path) {
    std::uint8_t* palette = image.CreatePalette();
    for (int entry = 0; entry < Image::kPaletteEntries; ++entry)
        std::copy(std::begin(kMagenta), std::end(kMagenta), palette + entry * 4);
    const std::size_t bytes = static_cast<std::size_t>(count) * 4;
    return file.Read(palette, bytes) == bytes || RejectDamaged(path, "its palette is cut short");
}

void StoreRow(const std::vector<std::uint8_t>& fileRow, Image& image, int y) {
    const std::size_t width = static_cast<std::size_t>(image.GetWidth());
    if (image.GetDepth() != 1) {
        const std::size_t bytes = width * static_cast<std::size_t>(image.BytesPerPixel());
        std::copy_n(fileRow.begin(), bytes, image.GetData() + bytes * static_cast<std::size_t>(y));
        return;
    }
    // The image packs its bits over the whole buffer, so a row may start in the middle of a byte.
    std::uint8_t* bits = image.GetData();
    const std::size_t first = width * static_cast<std::size_t>(y);
    for (std::size_t x = 0; x < width; ++x) {
        const bool set = (fileRow[x / 8] >> (7 - x % 8) & 1) != 0;
        const std::size_t index = first + x;
        const auto mask = static_cast<std::uint8_t>(0x80u >> (index % 8));
        bits[index / 8] =
            static_cast<std::uint8_t>(set ? bits[index / 8] | mask : bits[index / 8] & ~mask);
    }
}

bool ReadPixels(File& file, Image& image, bool bottomUp, const std::string& path) {
    std::vector<std::uint8_t> fileRow(FileRowBytes(image.GetWidth(), image.GetDepth()));
    for (int row = 0; row < image.GetHeight(); ++row) {
        if (file.Read(fileRow.data(), fileRow.size()) != fileRow.size())
            return RejectDamaged(path, "its pixels are cut short");
        StoreRow(fileRow, image, bottomUp ? image.GetHeight() - 1 - row : row);
    }
    return true;
}

} // namespace

std::unique_ptr<Image> BmpLoader::Load(const std::string& path) {
    bool unreadable = false;
    std::unique_ptr<Image> image = Read(path, unreadable);
    if (unreadable)
        std::exit(ToInt(ExitCode::Aborted));
    return image;
}

std::unique_ptr<Image> BmpLoader::Decode(const std::string& path) {
    bool unreadable = false;
    return Read(path, unreadable);
}

std::unique_ptr<Image> BmpLoader::Read(const std::string& path, bool& unreadable) {
    unreadable = true;
    File file;
    if (!file.Open(path, "rb")) {
        Log("could not open %s!\n", path.c_str());
        return nullptr;
    }
    std::uint8_t headers[kHeaderBytes];
    if (file.Read(headers, kHeaderBytes) != kHeaderBytes)
        return RejectedImage(path, "its headers are cut short");
    const InfoHeader header = ParseHeaders(headers);
    if (header.size < kInfoHeaderBytes)
        return RejectedImage(path, "its information header is too short");
    if (!IsReadableKind(header)) {
        Log("Bitmap has to be 8 Bit or 24 Bit uncompressed\n");
        return nullptr;
    }
    // A negative height marks rows stored from the top down.
    const bool bottomUp = header.height > 0;
    const std::int64_t height = header.height < 0 ? -std::int64_t{header.height} : header.height;
    if (header.width <= 0 || header.width > Image::kMaxSide || height == 0 ||
        height > Image::kMaxSide)
        return RejectedImage(path, "its size is out of range");
    const std::uint32_t paletteCount = PaletteCount(header);
    if (paletteCount > static_cast<std::uint32_t>(Image::kPaletteEntries))
        return RejectedImage(path, "its palette has more than 256 colours");
    const std::uint64_t paletteStart = std::uint64_t{kFileHeaderBytes} + header.size;
    const std::uint64_t paletteEnd = paletteStart + std::uint64_t{paletteCount} * 4;
    const std::uint64_t pixelStart = std::max<std::uint64_t>(header.pixelOffset, paletteEnd);
    const std::uint64_t needed =
        pixelStart + std::uint64_t{FileRowBytes(header.width, header.bitCount)} * height;
    // Checked before any allocation, so that a header cannot ask for more memory than its file
    // holds.
    if (needed > file.Length())
        return RejectedImage(path, "its pixels reach past the end of the file");

    auto image = std::make_unique<Image>();
    if (!image->Create(header.width, static_cast<int>(height), header.bitCount)) {
        unreadable = false;
        return nullptr;
    }
    const bool read = Skip(file, paletteStart - kHeaderBytes, path) &&
                      (paletteCount == 0 || ReadPalette(file, *image, paletteCount, path)) &&
                      Skip(file, pixelStart - paletteEnd, path) &&
                      ReadPixels(file, *image, bottomUp, path);
    unreadable = !read;
    return read ? std::move(image) : nullptr;
}
