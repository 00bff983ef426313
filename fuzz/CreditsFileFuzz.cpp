// credits.txt, read line by line for the scrolling credits.
#include "FuzzFolder.h"
#include "app/MenuScreens.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    folder.Write("data/credits.txt", data, size);
    MenuScreens().LoadCredits();
    return 0;
}
