#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Writes Windows bitmaps the way painting programs do: a file header whose pixel offset is
// filled in, a 40-byte information header, the palette, then the rows padded to whole 32-bit
// words, bottom row first unless asked for top-down.
class BmpWriter {
  public:
    // Offsets of header fields, for tests that damage them.
    static constexpr std::size_t kWidthOffset = 18;
    static constexpr std::size_t kHeightOffset = 22;
    static constexpr std::size_t kBitCountOffset = 28;
    static constexpr std::size_t kCompressionOffset = 30;
    static constexpr std::size_t kColoursUsedOffset = 46;
    static constexpr std::size_t kHeadersSize = 54;

    // `pixels` row by row from the top: 0x00RRGGBB colours for 24 bits, palette indices for 8
    // and 1 bits. `palette` holds 0x00RRGGBB entries.
    BmpWriter(int width, int height, int bitCount, std::vector<std::uint32_t> pixels,
              std::vector<std::uint32_t> palette = {});

    BmpWriter& TopDown() {
        topDown = true;
        return *this;
    }
    // Writes this many palette entries and names the count in the header.
    BmpWriter& ColoursUsed(std::uint32_t count) {
        coloursUsed = count;
        return *this;
    }

    // A longer information header (124 bytes for the newest kind) and unused bytes between the
    // palette and the pixels, as some programs write them.
    BmpWriter& InfoHeaderSize(std::uint32_t size) {
        infoHeaderSize = size;
        return *this;
    }
    BmpWriter& GapBeforePixels(std::size_t bytes) {
        gap = bytes;
        return *this;
    }

    std::string Bytes() const;

    static void Put32(std::string& bytes, std::size_t offset, std::uint32_t value);
    static void Put16(std::string& bytes, std::size_t offset, std::uint16_t value);

  private:
    std::size_t RowBytes() const;
    std::string Row(int y) const;
    std::uint32_t PaletteEntriesWritten() const;

    int width;
    int height;
    int bitCount;
    std::vector<std::uint32_t> pixels;
    std::vector<std::uint32_t> palette;
    bool topDown = false;
    std::uint32_t coloursUsed = 0;
    std::uint32_t infoHeaderSize = 40;
    std::size_t gap = 0;
};
