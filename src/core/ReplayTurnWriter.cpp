#include "core/ReplayTurnWriter.h"

#include "core/Replay.h"
#include "core/Varint.h"

#include <algorithm>

namespace {
// The low three bits of a turn's tag: focus, then one of these.
enum Kind { kSingle = 0, kRun = 1, kWithMessages = 2, kTwoSteps = 3 };
// A run of two or more is stored as its length less this.
constexpr std::uint32_t kShortestRun = 2;
} // namespace

void ReplayTurnWriter::Clear() {
    bytes.clear();
    runSteps.clear();
    count = lastElapsed = 0;
}

bool ReplayTurnWriter::Joins(std::uint32_t elapsedMs, bool focus) const {
    return !runSteps.empty() && focus == runFocus &&
           std::max(runHigh, elapsedMs) - std::min(runLow, elapsedMs) <= 1;
}

void ReplayTurnWriter::Add(std::uint32_t elapsedMs, bool focus,
                           std::span<const platform::Message> messages) {
    ++count;
    if (messages.empty() && !Joins(elapsedMs, focus))
        FlushRun();
    if (messages.empty()) {
        if (runSteps.empty()) {
            runFocus = focus;
            runLow = runHigh = elapsedMs;
        }
        runLow = std::min(runLow, elapsedMs);
        runHigh = std::max(runHigh, elapsedMs);
        runSteps.push_back(elapsedMs);
        return;
    }
    FlushRun();
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

// One step for all: a single turn or a run. Two steps: the lower one in the tag, then a bit a
// turn, the first turn in the lowest bit, set where the step is a millisecond longer.
void ReplayTurnWriter::FlushRun() {
    const auto length = static_cast<std::uint32_t>(runSteps.size());
    if (length == 1) {
        WriteTag(runLow, runFocus, kSingle);
    } else if (length > 1 && runLow == runHigh) {
        WriteTag(runLow, runFocus, kRun);
        Varint::Put(bytes, length - kShortestRun);
    } else if (length > 1) {
        WriteTag(runLow, runFocus, kTwoSteps);
        Varint::Put(bytes, length - kShortestRun);
        std::string bits((length + 7) / 8, '\0');
        for (std::uint32_t i = 0; i < length; ++i)
            if (runSteps[i] != runLow)
                bits[i / 8] = static_cast<char>(bits[i / 8] | 1 << (i % 8));
        bytes += bits;
    }
    runSteps.clear();
}
