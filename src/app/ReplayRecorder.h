#pragma once

#include "app/GameState.h"
#include "app/ReplayIndex.h"
#include "core/Replay.h"
#include "core/ReplayTurnWriter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Keeps every game the player starts, from the start to the title or the high-score table, as a
// replay in memory, and writes it into data\replays\ when the game ends or the program closes.
// Recording costs a few bytes a turn and no file access before the end.
class ReplayRecorder {
  public:
    // How many replays the folder keeps; older ones are deleted.
    static constexpr int kKept = 20;

    // What the game looks like at the end of a turn.
    struct Snapshot {
        GameState state;
        int score;
        int level;
        float frogX;
        float frogY;
    };

    // The harness's `record off`, and a verification, which must not add a replay of its own.
    // Off drops a game being recorded.
    void Enable(bool on) {
        enabled = on;
        recording = recording && on;
    }
    bool Recording() const { return recording; }
    bool Enabled() const { return enabled; }

    // The paths of the replays the folder keeps, oldest first.
    static std::vector<std::string> KeptReplays();
    // A replay's own file name: eight digits and .qlr.
    static bool IsReplayName(const std::string& name);

    // The game just written entered the high-score table at `place`: the index keeps it there.
    void EnteredTable(int place, int score);
    // The path of the replay of the table's row, when it has one.
    std::optional<std::string> TableReplay(int place);

    // Every message the window brings, before it is handled: the focus is followed always, the
    // messages a replay keeps only while recording.
    void Heard(const platform::Message& message);
    // The start of a game, with the header filled but for the hashes; the focus is the
    // recorder's own.
    void Begin(Replay header);
    // The clock and focus the turn's tick got; `lastFrame` is the tick's time of its last frame.
    void TurnStarted(std::uint32_t now, std::optional<std::uint32_t> lastFrame, bool focus);
    // After the tick: a checkpoint now and then, and the end of the game on the title or the
    // high-score table.
    void TurnEnded(const Snapshot& snapshot);
    // The program closes during a game.
    void Quit(const Snapshot& snapshot);

  private:
    void Finish(Replay::Ending ending, const Snapshot& snapshot);
    static std::string FolderOnDisk();
    // The name after the newest in the folder, and the oldest ones beyond kKept deleted.
    static std::string NextName(const std::string& folder);
    void Prune(const std::string& folder);
    // Read from the folder once, then kept up to date by this recorder alone.
    ReplayIndex& Index();

    bool enabled = true;
    bool recording = false;
    bool focus = false;
    Replay replay;
    ReplayTurnWriter turns;
    std::vector<platform::Message> turnMessages;
    std::uint32_t lastNow = 0;
    // The file of the last game written, until the next game starts: both players of a game of
    // two may enter the table with it.
    std::string lastWritten;
    std::optional<ReplayIndex> index;
};
