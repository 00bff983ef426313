// HighScore.txt: whatever loads saves and loads again to the same table.
#include "FuzzFolder.h"
#include "core/Singleton.h"
#include "score/HighScore.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    folder.Write("data/HighScore.txt", data, size);
    HighScore& table = Singleton<HighScore>::Instance();
    if (!table.load())
        return 0;
    const auto loaded = table.entries();
    table.save();
    if (!table.load() || table.entries() != loaded)
        std::abort();
    return 0;
}
