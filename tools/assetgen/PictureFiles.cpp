#include "PictureFiles.h"

#include <cstdio>
#include <jpeglib.h>
#include <memory>

namespace PictureFiles {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    Put16(bytes, at, static_cast<std::uint16_t>(value));
    Put16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::size_t RowBytes(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

// File header, 40-byte information header and palette; rows follow bottom up.
std::vector<std::uint8_t> Headers(int width, int height, int bitCount,
                                  const std::vector<std::uint32_t>& palette) {
    const std::size_t pixelOffset = 54 + palette.size() * 4;
    std::vector<std::uint8_t> bytes(pixelOffset, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<std::uint32_t>(pixelOffset + RowBytes(width, bitCount) * height));
    Put32(bytes, 10, static_cast<std::uint32_t>(pixelOffset));
    Put32(bytes, 14, 40);
    Put32(bytes, 18, static_cast<std::uint32_t>(width));
    Put32(bytes, 22, static_cast<std::uint32_t>(height));
    Put16(bytes, 26, 1);
    Put16(bytes, 28, static_cast<std::uint16_t>(bitCount));
    Put32(bytes, 46, static_cast<std::uint32_t>(palette.size()));
    for (std::size_t entry = 0; entry < palette.size(); ++entry)
        Put32(bytes, 54 + entry * 4, palette[entry]);
    return bytes;
}

bool WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    FilePtr file(std::fopen(path.c_str(), "wb"));
    return file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}

} // namespace

bool WriteBmp24(const std::string& path, int width, int height,
                const std::vector<std::uint32_t>& pixels) {
    std::vector<std::uint8_t> bytes = Headers(width, height, 24, {});
    const std::size_t rowBytes = RowBytes(width, 24);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t colour = pixels[static_cast<std::size_t>(y) * width + x];
            row[x * 3] = static_cast<std::uint8_t>(colour);
            row[x * 3 + 1] = static_cast<std::uint8_t>(colour >> 8);
            row[x * 3 + 2] = static_cast<std::uint8_t>(colour >> 16);
        }
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return WriteAll(path, bytes);
}

bool WriteBmpMask(const std::string& path, int width, int height,
                  const std::vector<bool>& transparent) {
    std::vector<std::uint8_t> bytes = Headers(width, height, 1, {0xFFFFFF, 0x000000});
    const std::size_t rowBytes = RowBytes(width, 1);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < width; ++x)
            if (transparent[static_cast<std::size_t>(y) * width + x])
                row[x / 8] = static_cast<std::uint8_t>(row[x / 8] | 0x80u >> (x % 8));
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return WriteAll(path, bytes);
}

bool WriteJpeg(const std::string& path, int width, int height,
               const std::vector<std::uint32_t>& pixels, int quality) {
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    compressor.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compressor);
    jpeg_stdio_dest(&compressor, file.get());
    compressor.image_width = static_cast<JDIMENSION>(width);
    compressor.image_height = static_cast<JDIMENSION>(height);
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, quality, TRUE);
    // Full chroma resolution: lane markings and outlines stay crisp.
    for (int component = 0; component < 3; ++component) {
        compressor.comp_info[component].h_samp_factor = 1;
        compressor.comp_info[component].v_samp_factor = 1;
    }
    jpeg_start_compress(&compressor, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t colour = pixels[static_cast<std::size_t>(y) * width + x];
            row[x * 3] = static_cast<JSAMPLE>(colour >> 16);
            row[x * 3 + 1] = static_cast<JSAMPLE>(colour >> 8);
            row[x * 3 + 2] = static_cast<JSAMPLE>(colour);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&compressor, rows, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    return true;
}

} // namespace PictureFiles
