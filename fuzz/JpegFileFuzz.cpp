// A picture or alpha map stored as JPEG.
#include "FuzzFolder.h"
#include "core/Singleton.h"
#include "gfx/Image.h"
#include "gfx/JpegLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    folder.Write("data/picture.jpg", data, size);
    Singleton<JpegLoader>::Instance().Load("data\\picture.jpg");
    return 0;
}
