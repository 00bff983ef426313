// config.txt: the reader and the queries of the settings it holds.
#include "FuzzFolder.h"
#include "core/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    folder.Write("data/config.txt", data, size);
    Settings settings;
    if (!settings.Load("data\\config.txt"))
        return 0;
    for (const char* key : {"numAreas", "trackSpeed_00_00", "a", ""}) {
        settings.FindLine(key);
        settings.FindLine(key, "World");
    }
    return 0;
}
