#include "support/BmpWriter.h"

#include <utility>

BmpWriter::BmpWriter(int pictureWidth, int pictureHeight, int bits,
                     std::vector<std::uint32_t> pictureData, std::vector<std::uint32_t> colours)
    : width(pictureWidth), height(pictureHeight), bitCount(bits), pixels(std::move(pictureData)),
      palette(std::move(colours)) {}

void BmpWriter::Put32(std::string& bytes, std::size_t offset, std::uint32_t value) {
    for (int byte = 0; byte < 4; ++byte)
        bytes[offset + static_cast<std::size_t>(byte)] =
            static_cast<char>(value >> (8 * byte) & 0xFF);
}

void BmpWriter::Put16(std::string& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

std::uint32_t BmpWriter::PaletteEntriesWritten() const {
    if (coloursUsed != 0)
        return coloursUsed;
    return bitCount == 24 ? 0 : 1u << bitCount;
}

std::size_t BmpWriter::RowBytes() const {
    return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

std::string BmpWriter::Row(int y) const {
    std::string row(RowBytes(), '\0');
    for (int x = 0; x < width; ++x) {
        const std::uint32_t value = pixels[static_cast<std::size_t>(y * width + x)];
        const auto column = static_cast<std::size_t>(x);
        if (bitCount == 24) {
            row[column * 3] = static_cast<char>(value & 0xFF);
            row[column * 3 + 1] = static_cast<char>(value >> 8 & 0xFF);
            row[column * 3 + 2] = static_cast<char>(value >> 16 & 0xFF);
        } else if (bitCount == 8) {
            row[column] = static_cast<char>(value);
        } else if (value != 0) {
            row[column / 8] = static_cast<char>(row[column / 8] | 0x80 >> (column % 8));
        }
    }
    return row;
}

std::string BmpWriter::Bytes() const {
    const std::uint32_t entries = PaletteEntriesWritten();
    const std::size_t paletteStart = 14 + infoHeaderSize;
    const std::size_t pixelOffset = paletteStart + entries * 4 + gap;
    const std::size_t imageBytes = RowBytes() * static_cast<std::size_t>(height);
    std::string bytes(pixelOffset, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<std::uint32_t>(pixelOffset + imageBytes));
    Put32(bytes, 10, static_cast<std::uint32_t>(pixelOffset));
    Put32(bytes, 14, infoHeaderSize);
    Put32(bytes, kWidthOffset, static_cast<std::uint32_t>(width));
    Put32(bytes, kHeightOffset, static_cast<std::uint32_t>(topDown ? -height : height));
    Put16(bytes, 26, 1);
    Put16(bytes, kBitCountOffset, static_cast<std::uint16_t>(bitCount));
    Put32(bytes, kCompressionOffset, 0);
    Put32(bytes, 34, static_cast<std::uint32_t>(imageBytes));
    Put32(bytes, 38, 2835);
    Put32(bytes, 42, 2835);
    Put32(bytes, kColoursUsedOffset, coloursUsed);
    for (std::uint32_t entry = 0; entry < entries && entry < palette.size(); ++entry)
        Put32(bytes, paletteStart + entry * 4, palette[entry] & 0xFFFFFF);
    for (int row = 0; row < height; ++row)
        bytes += Row(topDown ? row : height - 1 - row);
    return bytes;
}
