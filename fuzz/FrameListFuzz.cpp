// A sprite's frame list ("Frames.txt"), read from a loose file.
#include "FuzzFolder.h"
#include "core/FileLoader.h"
#include "core/Singleton.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    folder.Write("data/spriteFrames.txt", data, size);
    std::vector<int> frames;
    Singleton<FileLoader>::Instance().ReadFrames("sprite", frames);
    return 0;
}
