// A bitmap font's definition file.
#include "FuzzFolder.h"
#include "core/Singleton.h"
#include "gfx/HUDFont.h"
#include "platform/headless/HeadlessPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    static platform::HeadlessPlatform headless;
    platform::Platform::install(&headless);
    folder.Write("data/font.fnt", data, size);
    Singleton<HUDFont>::Instance().Load("data\\font.fnt", "HUD_FONT");
    return 0;
}
