#pragma once

#include "core/Replay.h"

#include <optional>
#include <string>
#include <string_view>

// The replay file: a fixed header, the packed turns, the checkpoints and the end record
// (docs/file-formats.md). Reading checks every length against the bytes there are, so a
// truncated, damaged or foreign file is refused with the reason, never read past its end.
class ReplayFile {
  public:
    static constexpr std::size_t kMaxBytes = 16 << 20;

    static std::string Write(const Replay& replay);
    // The replay, turns unpacked; none with `why` saying what is wrong.
    static std::optional<Replay> Read(std::string_view bytes, std::string& why);
    // A regular file of at most kMaxBytes, read whole.
    static std::optional<Replay> ReadFile(const std::string& nativePath, std::string& why);
};
