// A gettext catalogue (data/de.mo), read whole as the game's texts.
#include "FuzzFolder.h"
#include "core/Translation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    folder.Write("data/de.mo", data, size);
    Translation& texts = Singleton<Translation>::Instance();
    if (texts.Load(Language::German))
        Tr("Your time is up!");
    return 0;
}
