#include "core/ReplayTurnWriter.h"

#include "core/Replay.h"
#include "core/Varint.h"

namespace {
// The low three bits of a turn's tag: focus, then one of these.
enum Kind { kSingle = 0, kRun = 1, kWithMessages = 2 };
// A run of two or more is stored as its length less this.
constexpr std::uint32_t kShortestRun = 2;
} // namespace

void ReplayTurnWriter::Clear() {
    bytes.clear();
    count = lastElapsed = runElapsed = runLength = 0;
    runFocus = false;
}

void ReplayTurnWriter::Add(std::uint32_t elapsedMs, bool focus,
                           std::span<const platform::Message> messages) {
    ++count;
    if (messages.empty() && runLength > 0 && elapsedMs == runElapsed && focus == runFocus) {
        ++runLength;
        return;
    }
    FlushRun();
    if (messages.empty()) {
        runElapsed = elapsedMs;
        runFocus = focus;
        runLength = 1;
        return;
    }
    WriteTag(elapsedMs, focus, kWithMessages);
    Varint::Put(bytes, messages.size() - 1);
    for (const platform::Message& message : messages) {
        const int code = Replay::MessageCode(message.type);
        bytes.push_back(static_cast<char>(code));
        if (Replay::HasValue(code))
            Varint::Put(bytes, static_cast<std::uint32_t>(message.value));
        if (Replay::HasPoint(code)) {
            Varint::Put(bytes, Varint::Zigzag(message.x));
            Varint::Put(bytes, Varint::Zigzag(message.y));
        }
    }
}

const std::string& ReplayTurnWriter::Finish() {
    FlushRun();
    return bytes;
}

void ReplayTurnWriter::WriteTag(std::uint32_t elapsedMs, bool focus, int kind) {
    const std::int64_t change = std::int64_t{elapsedMs} - lastElapsed;
    lastElapsed = elapsedMs;
    Varint::Put(bytes,
                Varint::Zigzag(change) << 3 | (focus ? 4u : 0u) | static_cast<unsigned>(kind));
}

void ReplayTurnWriter::FlushRun() {
    if (runLength == 0)
        return;
    if (runLength == 1) {
        WriteTag(runElapsed, runFocus, kSingle);
    } else {
        WriteTag(runElapsed, runFocus, kRun);
        Varint::Put(bytes, runLength - kShortestRun);
    }
    runLength = 0;
}
