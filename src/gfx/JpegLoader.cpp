#include "gfx/JpegLoader.h"

#include "core/File.h"
#include "core/Log.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <utility>
#include <vector>

static_assert(JPEG_LIB_VERSION == 62, "the reader speaks the library's 6b interface");

namespace {

constexpr int kBgrComponents = 3;

// The standard error manager, except that a fatal error jumps back into the reader instead of
// ending the process.
struct ErrorManager {
    jpeg_error_mgr standard;
    std::jmp_buf readerState;
};

[[noreturn]] void ReturnToReader(j_common_ptr decoder) {
    std::longjmp(reinterpret_cast<ErrorManager*>(decoder->err)->readerState, 1);
}

// Everything the decoding touches lives here, outside the frame that longjmp unwinds, so that
// the jump skips no destructor.
struct Decoding {
    jpeg_decompress_struct decoder{};
    ErrorManager errors{};
    std::vector<std::uint8_t> bytes;
    std::unique_ptr<Image> image;
};

void SwapRedAndBlue(std::uint8_t* row, int width) {
    for (int x = 0; x < width; ++x)
        std::swap(row[x * kBgrComponents], row[x * kBgrComponents + 2]);
}

// A container entry shares the container's stream with every other entry; handing libjpeg the
// stream would let it read on into the next entry, so it gets exactly the file's bytes.
std::vector<std::uint8_t> ReadWholeFile(File& file) {
    std::vector<std::uint8_t> bytes(file.Length());
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    return bytes;
}

bool FitsAnImage(const jpeg_decompress_struct& decoder) {
    return decoder.image_width <= static_cast<JDIMENSION>(Image::kMaxSide) &&
           decoder.image_height <= static_cast<JDIMENSION>(Image::kMaxSide);
}

// Logs its own failures. Only plain C data may change between setjmp and a longjmp here.
bool Decode(Decoding& decoding) {
    jpeg_decompress_struct& decoder = decoding.decoder;
    if (setjmp(decoding.errors.readerState)) {
        Log("error while decoding\n");
        return false;
    }
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, decoding.bytes.data(),
                 static_cast<unsigned long>(decoding.bytes.size()));
    jpeg_read_header(&decoder, TRUE);
    if (!FitsAnImage(decoder)) {
        Log("JpegLoader: a picture of %u x %u pixels is too large\n", decoder.image_width,
            decoder.image_height);
        return false;
    }
    // Grey pictures come out as colour too, so every pixel has the three bytes the image expects.
    decoder.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decoder);
    decoding.image = std::make_unique<Image>();
    Image& image = *decoding.image;
    if (!image.Create(static_cast<int>(decoder.output_width),
                      static_cast<int>(decoder.output_height), 24))
        return false;
    const std::size_t rowBytes = static_cast<std::size_t>(image.GetWidth()) * kBgrComponents;
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row = image.GetData() + rowBytes * decoder.output_scanline;
        jpeg_read_scanlines(&decoder, &row, 1);
        SwapRedAndBlue(row, image.GetWidth());
    }
    jpeg_finish_decompress(&decoder);
    return true;
}

} // namespace

std::unique_ptr<Image> JpegLoader::Load(const std::string& path) {
    File file;
    if (!file.Open(path, "rb")) {
        Log("can't open %s\n", path.c_str());
        return nullptr;
    }
    Decoding decoding;
    decoding.bytes = ReadWholeFile(file);
    file.Close();
    decoding.decoder.err = jpeg_std_error(&decoding.errors.standard);
    decoding.errors.standard.error_exit = ReturnToReader;
    const bool decoded = Decode(decoding);
    // Safe after a failed creation too: it frees only what was made.
    jpeg_destroy_decompress(&decoding.decoder);
    return decoded ? std::move(decoding.image) : nullptr;
}
