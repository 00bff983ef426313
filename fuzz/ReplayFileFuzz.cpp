// Replay files: whatever reads writes back to the same bytes and reads again alike.
#include "core/ReplayFile.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string why;
    const std::optional<Replay> replay = ReplayFile::Read(bytes, why);
    // A refusal always says why.
    if (!replay && why.empty())
        std::abort();
    if (!replay)
        return 0;
    const std::string again = ReplayFile::Write(*replay);
    const std::optional<Replay> reread = ReplayFile::Read(again, why);
    if (!reread || reread->turns.size() != replay->turns.size() ||
        reread->turnCount != replay->turnCount || ReplayFile::Write(*reread) != again)
        std::abort();
    return 0;
}
