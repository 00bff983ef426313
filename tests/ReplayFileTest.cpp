#include "core/ReplayFile.h"

#include "core/ReplayTurnWriter.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using platform::Message;
using Type = Message::Type;

struct PlainTurn {
    std::uint32_t elapsed;
    bool focus;
    std::vector<Message> messages;
};

// Steady steps that pack into runs, steps that jitter by a millisecond as a desktop's do (nine
// of them, so that their bits take two bytes), a step that grows and one that shrinks, focus
// changes and every kind of message, a pointer off the window's left edge among them.
std::vector<PlainTurn> SampleTurns() {
    std::vector<PlainTurn> turns(7, PlainTurn{20, true, {}});
    for (const std::uint32_t step : {7u, 6u, 7u, 7u, 6u, 6u, 7u, 6u, 7u})
        turns.push_back({step, true, {}});
    turns.push_back({21, true, {{Type::KeyDown, 38}, {Type::Char, 200}}});
    turns.push_back({17, false, {{Type::FocusLost}}});
    turns.push_back({17, false, {}});
    turns.push_back({4'000'000'000u, true, {{Type::FocusGained}, {Type::MouseMove, 0, -3, 599}}});
    turns.push_back({20, true, {{Type::LeftDown, 0, 400, 300}, {Type::LeftUp, 0, 401, 300}}});
    turns.insert(turns.end(), 3, PlainTurn{20, true, {}});
    return turns;
}

Replay SampleReplay() {
    ReplayTurnWriter writer;
    for (const PlainTurn& turn : SampleTurns())
        writer.Add(turn.elapsed, turn.focus, turn.messages);
    Replay replay;
    replay.gameVersion = "quagleaper 9.8.7";
    replay.randomState = 0xDEADBEEF;
    replay.configHash = 0x0123456789ABCDEFull;
    replay.dataHash = ~replay.configHash;
    replay.keys = {'W', 'S', 'A', 'D', 32, 'P'};
    replay.pauseOnFocusLoss = true;
    replay.startFocus = true;
    replay.lifeLostTimer = 0.25f;
    replay.turnData = writer.Finish();
    replay.turnCount = writer.Count();
    replay.checkpoints = {{5, 1, 120, 400.5f, -12.0f}, {10, 4, 130, 1.0f, 2.0f}};
    replay.ending = Replay::Ending::Quit;
    replay.finalScore = 130;
    replay.finalLevel = 2;
    return replay;
}

bool SameMessage(const Message& a, const Message& b) {
    return a.type == b.type && a.value == b.value && a.x == b.x && a.y == b.y;
}

TEST(ReplayFileTest, WhatIsWrittenReadsBackTurnByTurnWithEveryField) {
    const Replay written = SampleReplay();
    const std::string bytes = ReplayFile::Write(written);
    std::string why;
    const std::optional<Replay> read = ReplayFile::Read(bytes, why);
    ASSERT_TRUE(read) << why;
    // The seven steady turns pack into one entry, so there are fewer entries than turns.
    EXPECT_LT(read->turns.size(), SampleTurns().size());
    std::vector<PlainTurn> unpacked;
    for (const Replay::Turn& turn : read->turns)
        unpacked.insert(unpacked.end(), turn.repeat, {turn.elapsedMs, turn.focus, turn.messages});
    const std::vector<PlainTurn> expected = SampleTurns();
    ASSERT_EQ(unpacked.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(unpacked[i].elapsed, expected[i].elapsed) << i;
        EXPECT_EQ(unpacked[i].focus, expected[i].focus) << i;
        ASSERT_EQ(unpacked[i].messages.size(), expected[i].messages.size()) << i;
        for (std::size_t m = 0; m < expected[i].messages.size(); ++m)
            EXPECT_TRUE(SameMessage(unpacked[i].messages[m], expected[i].messages[m])) << i;
    }
    EXPECT_EQ(read->gameVersion, written.gameVersion);
    EXPECT_EQ(read->randomState, written.randomState);
    EXPECT_EQ(read->configHash, written.configHash);
    EXPECT_EQ(read->dataHash, written.dataHash);
    EXPECT_EQ(read->keys, written.keys);
    EXPECT_EQ(read->pauseOnFocusLoss, written.pauseOnFocusLoss);
    EXPECT_EQ(read->smoothMotion, written.smoothMotion);
    EXPECT_EQ(read->lifeLostTimer, written.lifeLostTimer);
    ASSERT_EQ(read->checkpoints.size(), written.checkpoints.size());
    EXPECT_EQ(read->checkpoints[1].frogX, written.checkpoints[1].frogX);
    EXPECT_EQ(read->ending, written.ending);
    EXPECT_EQ(read->finalScore, written.finalScore);
    EXPECT_EQ(read->finalLevel, written.finalLevel);
    // Written again, the replay is the same bytes.
    EXPECT_EQ(ReplayFile::Write(*read), bytes);

    // A long stretch of jittering steps takes a bit a turn, not a byte.
    ReplayTurnWriter jitter;
    for (int i = 0; i < 1000; ++i)
        jitter.Add(i % 3 == 0 ? 17 : 16, true, {});
    EXPECT_LE(jitter.Finish().size(), 1000u / 8 + 4);
}

TEST(ReplayFileTest, CutForeignAndDamagedFilesAreRefusedWithTheirReason) {
    const std::string good = ReplayFile::Write(SampleReplay());
    std::string why;
    for (std::size_t length = 0; length < good.size(); ++length) {
        why.clear();
        EXPECT_FALSE(ReplayFile::Read(good.substr(0, length), why)) << length;
        EXPECT_FALSE(why.empty()) << length;
    }
    struct Case {
        std::size_t offset;
        char byte;
        const char* reason;
    };
    const std::size_t turnCountAt = 67;
    const Case cases[] = {{0, 'X', "not a replay file"},
                          {8, 2, "replay format 2"},
                          {turnCountAt, 99, "the header says"},
                          {good.size() - 9, 7, "damaged end record"}};
    for (const Case& damage : cases) {
        std::string bad = good;
        bad[damage.offset] = damage.byte;
        why.clear();
        EXPECT_FALSE(ReplayFile::Read(bad, why)) << damage.reason;
        EXPECT_NE(why.find(damage.reason), std::string::npos) << why;
    }
    EXPECT_FALSE(ReplayFile::Read(good + '\0', why));
    EXPECT_EQ(why, "bytes after the end record");
}

} // namespace
