#include "app/ReplayShow.h"

#include "app/Game.h"
#include "app/ReplayRecorder.h"
#include "app/WindowProcedure.h"
#include "core/DataHash.h"
#include "core/FileLoader.h"
#include "core/Log.h"
#include "core/ReplayFile.h"
#include "core/StringUtil.h"
#include "core/Translation.h"
#include "gfx/DirectDraw.h"
#include "platform/VirtualKey.h"
#include "score/HighScore.h"

#include <algorithm>
#include <filesystem>
#include <utility>

using platform::Message;

namespace {
// However long the viewer's machine stalls, the show catches up at most this much at once; and
// however long a recorded turn took (a window left for minutes), the viewer waits no longer.
constexpr std::uint64_t kMostBudgetMs = 250;
} // namespace

std::optional<Replay> ReplayShow::Open(const std::string& path, std::string& why,
                                       ExitCode& refusal) {
    std::optional<Replay> replay = ReplayFile::ReadFile(path, why);
    refusal = ExitCode::Usage;
    if (replay) {
        why = DataHash::Mismatch(replay->configHash, replay->dataHash);
        refusal = ExitCode::OtherData;
    }
    if (why.empty())
        return replay;
    Log("ReplayShow: %s: %s.\n", path.c_str(), why.c_str());
    return std::nullopt;
}

void ReplayShow::Play(Replay replay, Kind kind, std::string player) {
    Stop();
    show = std::make_unique<Running>(std::move(replay), kind, std::move(player));
}

void ReplayShow::AwaitTurn() {
    if (show && show->platform)
        return PlayTurn();
    inner.AwaitTurn();
    TakeWish();
    if (!show)
        return WatchTitle();
    if (Singleton<Game>::Instance().LastFrameTime())
        Begin();
}

// The game as the recording started it: the player's keys and choices, the random state, the
// focus, the clock from the last frame before the start; then the start itself.
void ReplayShow::Begin() {
    Game& game = Singleton<Game>::Instance();
    real = &platform::Platform::current();
    realFocus = procedure.HasFocus();
    recorderWasOn = game.recorder.Enabled();
    game.recorder.Enable(false);
    procedure.Handle(
        {show->replay.startFocus ? Message::Type::FocusGained : Message::Type::FocusLost});
    show->platform = std::make_unique<ReplayPlatform>(*real, *game.LastFrameTime());
    platform::Platform::install(show->platform.get());
    game.ApplyReplayStart(show->replay);
    game.StartGame(show->replay.twoPlayers ? PlayerTurns::kMaxPlayers : 1);
    lastRealMs = real->clock().milliseconds();
    budget = 0;
    paused = false;
    speed = 1;
    ShowMark();
}

void ReplayShow::PlayTurn() {
    WaitForTurn();
    Message message;
    while (show && real->window().peekMessage(message))
        Steer(message);
    if (!show)
        return;
    const std::uint32_t now = real->clock().milliseconds();
    if (!paused)
        budget = std::min(budget + std::uint64_t{now - lastRealMs} * speed, kMostBudgetMs);
    lastRealMs = now;
    if (show->cursor.AtEnd())
        return Leave();
    if (!paused && budget >= DueMs())
        Feed();
}

std::uint64_t ReplayShow::DueMs() const {
    return show->cursor.AtEnd()
               ? 0
               : std::min<std::uint64_t>(show->cursor.Peek().elapsedMs, kMostBudgetMs);
}

// On the desktop: asleep until the next recorded turn is due or the viewer does something.
void ReplayShow::WaitForTurn() {
    if (!waitsOnWindow)
        return inner.AwaitTurn();
    if (paused)
        return real->window().waitMessage(-1);
    const std::uint64_t due = DueMs();
    const std::uint64_t owed = due > budget ? (due - budget + speed - 1) / speed : 0;
    real->window().waitMessage(static_cast<int>(owed));
}

void ReplayShow::Feed() {
    const Replay::Turn& turn = show->cursor.Next();
    budget -= std::min<std::uint64_t>(budget, turn.elapsedMs);
    show->platform->clock().advance(turn.elapsedMs);
    for (const Message& message : turn.messages)
        show->platform->window().push(message);
}

// The viewer's own messages: closing the window ends the program as always, the view follows
// F11 and resizing, and keys, clicks and buttons steer the show.
void ReplayShow::Steer(const Message& message) {
    switch (message.type) {
    case Message::Type::Quit:
    case Message::Type::Destroy:
    case Message::Type::DisplayLost:
        show->platform->window().push(message);
        break;
    case Message::Type::ViewChanged:
        procedure.Handle(message);
        break;
    case Message::Type::FocusGained:
    case Message::Type::FocusLost:
        realFocus = message.type == Message::Type::FocusGained;
        break;
    case Message::Type::KeyDown:
        OnKey(message.value);
        break;
    case Message::Type::LeftDown:
        if (show->kind == Kind::Demo)
            Leave();
        break;
    default:
        break;
    }
}

// Any key or button ends a demo. A replay: Space or Start pauses, Right doubles the speed up
// to eight times, Left goes back to the recorded speed, Escape ends it.
void ReplayShow::OnKey(int key) {
    namespace vk = platform::vk;
    if (show->kind == Kind::Demo)
        return Leave();
    switch (key) {
    case vk::Space:
    case vk::PadStart:
        paused = !paused;
        break;
    case vk::Right:
    case vk::PadRight:
    case vk::StickRight:
        speed = std::min(speed * 2, kFastest);
        break;
    case vk::Left:
    case vk::PadLeft:
    case vk::StickLeft:
        speed = 1;
        break;
    case vk::Escape:
        return Leave();
    default:
        return;
    }
    ShowMark();
}

// Back where the replay was chosen; a replay from the command line ends the program.
void ReplayShow::Leave() {
    const Kind kind = show->kind;
    const ReplayRecorder::Snapshot end = Singleton<Game>::Instance().ReplayMoment();
    Log("ReplayShow: left after turn %u of %u at score %d, level %d.\n", show->cursor.Played(),
        show->replay.turnCount, end.score, end.level);
    if (kind != Kind::File)
        Singleton<Game>::Instance().FadeToState(kind == Kind::Demo ? GameState::TitleMenu
                                                                   : GameState::HighScores);
    Restore();
    if (kind == Kind::File)
        platform::Platform::current().window().postQuit(ToInt(ExitCode::Success));
}

void ReplayShow::Stop() {
    if (show && show->platform)
        Restore();
    show.reset();
}

// The game's own platform, focus, keys and recorder back. The replay's clock ran at another
// pace than the desktop's, so the frame clock starts afresh.
void ReplayShow::Restore() {
    Game& game = Singleton<Game>::Instance();
    platform::Platform::install(real);
    procedure.Handle({realFocus ? Message::Type::FocusGained : Message::Type::FocusLost});
    game.options.Restore();
    game.recorder.Enable(recorderWasOn);
    game.RestartFrameClock();
    game.replayMark.clear();
    show.reset();
    idleSince = real->clock().milliseconds();
}

void ReplayShow::ShowMark() const {
    Game& game = Singleton<Game>::Instance();
    if (show->kind == Kind::Demo) {
        game.replayMark = Tr(N_("Demo"));
        return;
    }
    game.replayMark = Tr(N_("Replay"));
    if (speed > 1)
        game.replayMark += StringUtil::Format("  x%d", speed);
    if (!show->player.empty())
        game.replayMark += "  " + show->player;
}

std::string ReplayShow::PlayerOfTableReplay(const std::string& path) {
    Game& game = Singleton<Game>::Instance();
    const std::vector<HighScore::Entry>& table = Singleton<HighScore>::Instance().entries();
    for (std::size_t place = 0; place < table.size(); ++place) {
        const std::optional<std::string> kept = game.recorder.TableReplay(static_cast<int>(place));
        std::error_code error;
        if (kept && std::filesystem::equivalent(*kept, path, error))
            return table[place].name;
    }
    return {};
}

// A row of the high-score table chosen to watch; a file that went bad meanwhile is told in the
// log, and the table stays.
void ReplayShow::TakeWish() {
    Game& game = Singleton<Game>::Instance();
    if (!game.replayWanted)
        return;
    const Game::ReplayWish wish = *std::exchange(game.replayWanted, std::nullopt);
    std::string why;
    ExitCode refusal;
    if (std::optional<Replay> replay = Open(wish.path, why, refusal))
        Play(std::move(*replay), Kind::Table, wish.name);
}

// Half a minute on the title without a key, a click or a button, with the window in front.
void ReplayShow::WatchTitle() {
    const Game& game = Singleton<Game>::Instance();
    const std::uint32_t now = platform::Platform::current().clock().milliseconds();
    const bool quiet = game.demosOnTitle && game.State() == GameState::TitleMenu &&
                       !Singleton<DirectDraw>::Instance().IsFading() && procedure.HasFocus() &&
                       procedure.InputsHandled() == inputsSeen;
    inputsSeen = procedure.InputsHandled();
    if (!quiet || now - idleSince < kIdleBeforeDemoMs) {
        if (!quiet)
            idleSince = now;
        return;
    }
    idleSince = now;
    if (std::optional<Replay> demo = ChooseDemo())
        Play(std::move(*demo), Kind::Demo);
}

// The best game the player kept, the newest of equals; the demo of the data without one.
std::optional<Replay> ReplayShow::ChooseDemo() {
    std::optional<Replay> best;
    for (const std::string& path : ReplayRecorder::KeptReplays()) {
        std::optional<Replay> kept = Watchable(path);
        if (kept && kept->finalScore > 0 && (!best || kept->finalScore >= best->finalScore))
            best = std::move(kept);
    }
    if (best)
        return best;
    return Watchable(Singleton<FileLoader>::Instance().DataFolderOnDisk() + Replay::kDemoFile);
}

std::optional<Replay> ReplayShow::Watchable(const std::string& path) {
    if (refused.contains(path))
        return std::nullopt;
    std::string why;
    ExitCode refusal;
    std::optional<Replay> replay = Open(path, why, refusal);
    if (!replay)
        refused.insert(path);
    return replay;
}
