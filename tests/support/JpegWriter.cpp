#include "support/JpegWriter.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace {

std::string Compress(int width, int height, int components, J_COLOR_SPACE space,
                     const std::vector<std::uint8_t>& samples, int quality) {
    jpeg_compress_struct encoder{};
    jpeg_error_mgr errors{};
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
    jpeg_mem_dest(&encoder, &output, &outputSize);
    encoder.image_width = static_cast<JDIMENSION>(width);
    encoder.image_height = static_cast<JDIMENSION>(height);
    encoder.input_components = components;
    encoder.in_color_space = space;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, quality, TRUE);
    for (int component = 0; component < encoder.num_components; ++component)
        encoder.comp_info[component].h_samp_factor = encoder.comp_info[component].v_samp_factor = 1;
    jpeg_start_compress(&encoder, TRUE);
    const std::size_t rowBytes =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(components);
    while (encoder.next_scanline < encoder.image_height) {
        auto row = const_cast<JSAMPROW>(samples.data() + rowBytes * encoder.next_scanline);
        jpeg_write_scanlines(&encoder, &row, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    std::string bytes(reinterpret_cast<const char*>(output), outputSize);
    std::free(output);
    return bytes;
}

} // namespace

std::string JpegWriter::Colour(int width, int height, const std::vector<std::uint32_t>& pixels,
                               int quality) {
    std::vector<std::uint8_t> samples;
    samples.reserve(pixels.size() * 3);
    for (const std::uint32_t pixel : pixels) {
        samples.push_back(static_cast<std::uint8_t>(pixel >> 16));
        samples.push_back(static_cast<std::uint8_t>(pixel >> 8));
        samples.push_back(static_cast<std::uint8_t>(pixel));
    }
    return Compress(width, height, 3, JCS_RGB, samples, quality);
}

std::string JpegWriter::Grey(int width, int height, const std::vector<std::uint8_t>& levels,
                             int quality) {
    return Compress(width, height, 1, JCS_GRAYSCALE, levels, quality);
}
