#include "gfx/PngWriter.h"

#include "core/Log.h"

#include <csetjmp>
#include <cstdio>
#include <png.h>

namespace {

// libpng reports errors by a long jump back here, so nothing with a destructor may live in
// this frame.
bool WriteRows(std::FILE* file, int width, int height, png_bytep* rows) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool PngWriter::Write(const std::string& path, int width, int height,
                      const std::vector<uint32_t>& pixels) {
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<size_t>(width) * height) {
        Log("PngWriter: %zu pixels do not make a %d x %d picture\n", pixels.size(), width, height);
        return false;
    }
    std::vector<png_byte> rgb(pixels.size() * 3);
    for (size_t i = 0; i < pixels.size(); ++i) {
        rgb[3 * i] = static_cast<png_byte>(pixels[i] >> 16);
        rgb[3 * i + 1] = static_cast<png_byte>(pixels[i] >> 8);
        rgb[3 * i + 2] = static_cast<png_byte>(pixels[i]);
    }
    std::vector<png_bytep> rows(height);
    for (int y = 0; y < height; ++y)
        rows[y] = rgb.data() + static_cast<size_t>(y) * width * 3;

    std::FILE* file = std::fopen(path.c_str(), "wb");
    const bool written = file && WriteRows(file, width, height, rows.data());
    const bool closed = file && std::fclose(file) == 0;
    if (!written || !closed) {
        Log("PngWriter: could not write %s\n", path.c_str());
        return false;
    }
    return true;
}
