#pragma once

#include "app/LoopDriver.h"
#include "app/ReplayPlatform.h"
#include "core/ExitCode.h"
#include "core/Replay.h"
#include "core/ReplayCursor.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>

class WindowProcedure;
namespace platform {
struct Message;
}

// Plays a recorded game on the screen with its music and sounds: a file from the command line
// at the speed the viewer picks, or the title's demo after half a minute without input. The
// game sees the recording's clock and messages; the viewer's own keys steer the show. Between
// replays the show passes the loop's turns on to the driver it wraps.
class ReplayShow final : public LoopDriver {
  public:
    // Where a replay comes from decides where it ends: a file ends the program, a demo fades
    // back to the title, a row of the table back to the table.
    enum class Kind { File, Demo, Table };
    static constexpr std::uint32_t kIdleBeforeDemoMs = 30'000;
    static constexpr int kFastest = 8;

    // `waitsOnWindow`: the desktop's pace, where the show sleeps in the window until the next
    // recorded turn is due; under a script the script's driver moves the clock.
    ReplayShow(LoopDriver& inner, WindowProcedure& procedure, bool waitsOnWindow)
        : inner(inner), procedure(procedure), waitsOnWindow(waitsOnWindow) {}
    ~ReplayShow() override { Stop(); }

    // A replay this game can play, or nothing, with why and the exit code that says so.
    static std::optional<Replay> Open(const std::string& path, std::string& why, ExitCode& refusal);
    // Starts once the game has shown its first frame, from which the recording's clock counts.
    // The mark names the player when the game is one of the high-score table's.
    void Play(Replay replay, Kind kind, std::string player = {});
    // The name of the table's row whose game the file is; empty for any other file.
    static std::string PlayerOfTableReplay(const std::string& path);
    // The program closes: the game's own platform back for the shutdown.
    void Stop();

    void AwaitTurn() override;
    void TurnDone() override { inner.TurnDone(); }

  private:
    struct Running {
        Running(Replay recorded, Kind kind, std::string player)
            : replay(std::move(recorded)), kind(kind), player(std::move(player)) {}

        Replay replay;
        Kind kind;
        std::string player;
        ReplayCursor cursor{replay};
        std::unique_ptr<ReplayPlatform> platform;
    };

    void Begin();
    void PlayTurn();
    void WaitForTurn();
    // The viewer's time the next recorded turn needs.
    std::uint64_t DueMs() const;
    void Steer(const platform::Message& message);
    void OnKey(int key);
    void Feed();
    void Leave();
    void Restore();
    void ShowMark() const;
    void WatchTitle();
    void TakeWish();
    std::optional<Replay> ChooseDemo();
    std::optional<Replay> Watchable(const std::string& path);

    LoopDriver& inner;
    WindowProcedure& procedure;
    const bool waitsOnWindow;
    platform::Platform* real = nullptr;
    std::unique_ptr<Running> show;
    bool realFocus = false;
    bool recorderWasOn = true;
    bool paused = false;
    int speed = 1;
    // Recorded milliseconds the viewer's clock has paid for and the show not yet played.
    std::uint64_t budget = 0;
    std::uint32_t lastRealMs = 0;
    // The title's quiet: since when, and the input count it was measured against.
    std::uint32_t idleSince = 0;
    unsigned inputsSeen = 0;
    // Replays found unfit for a demo, named once in the log.
    std::set<std::string> refused;
};
