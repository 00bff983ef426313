#pragma once

#include "gfx/PixelFormat.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// A picture in memory: rows from top to bottom, `width` pixels each with no padding. Depth 1 packs
// the pixels most significant bit first over the whole buffer, 8 holds palette indices, 24 holds
// blue, green, red bytes, 16 and 32 hold pixels in the screen format. After
// ImageUtil::RleEncode the data is a run-length stream and the pixels can no longer be set.
class Image {
  public:
    // Larger sides come only from damaged files or faulty code.
    static constexpr int kMaxSide = 16384;
    static constexpr int kPaletteEntries = 256;
    static constexpr std::size_t kPaletteBytes = kPaletteEntries * 4;

    Image() = default;
    virtual ~Image() = default;

    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // Drops the old pixels and palette. Depth 16 and 32 use the screen's format; depth 8 gets a
    // grey ramp palette. False, with a log line, for sizes or depths no picture has, and when the
    // memory cannot be had.
    bool Create(int width, int height, int depth);
    // An image in the given 16- or 32-bit format.
    bool Create(int width, int height, const PixelFormat& format);

    virtual std::uint8_t* GetData();
    virtual const std::uint8_t* GetData() const;
    // 256 entries of blue, green, red, reserved; nullptr when the image has none.
    virtual std::uint8_t* GetPalette();
    virtual const std::uint8_t* GetPalette() const;
    // 0x00RRGGBB; 0 outside the image, for a run-length image and for depths it cannot read.
    virtual std::uint32_t GetPixel(int x, int y) const;
    virtual void SetPixel(int x, int y, std::uint8_t blue, std::uint8_t green, std::uint8_t red);

    // Flips the picture left to right.
    void Mirror();

    // A 256-entry palette with every entry zero, for readers that fill their own.
    std::uint8_t* CreatePalette();
    // Replaces the pixels by their run-length stream.
    void SetRleData(std::unique_ptr<std::uint8_t[]> encoded, std::size_t size);

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    int GetDepth() const { return depth; }
    int BytesPerPixel() const { return depth / 8; }
    bool IsRle() const { return rle; }
    const PixelFormat& GetFormat() const { return format; }
    // Bytes behind GetData(): the pixels, or the run-length stream.
    std::size_t GetDataSize() const;

    // Whether a picture can have this size and depth.
    static bool IsValid(int width, int height, int depth);
    // Bytes the pixels of a valid picture take.
    static std::size_t PixelBytes(int width, int height, int depth);

  protected:
    // A view of pixels that live elsewhere: nothing is allocated.
    Image(int width, int height, int depth, const PixelFormat& format);

  private:
    bool Allocate(int newWidth, int newHeight, int newDepth, const PixelFormat& newFormat);
    bool Contains(int x, int y) const;
    std::size_t PixelIndex(int x, int y) const;
    bool GetBit(std::size_t index) const;
    void SetBit(std::size_t index, bool set);
    std::uint8_t PaletteIndexOf(std::uint8_t blue, std::uint8_t green, std::uint8_t red) const;
    void MirrorBits();
    void MirrorBytes();

    int width = 0;
    int height = 0;
    int depth = 0;
    bool rle = false;
    PixelFormat format;
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t rleSize = 0;
    std::unique_ptr<std::uint8_t[]> palette;
};
