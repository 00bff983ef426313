#include "app/ScriptDriver.h"

#include "app/Game.h"
#include "app/JsonArray.h"
#include "app/JsonObject.h"
#include "app/WorldDump.h"
#include "core/ExitCode.h"
#include "core/StringUtil.h"
#include "gfx/DirectDraw.h"
#include "gfx/PngWriter.h"
#include "platform/headless/HeadlessPlatform.h"
#include "score/GameScore.h"
#include "score/ScreenMessage.h"
#include "sound/SoundEngine.h"
#include "world/Randomizer.h"

#include <cstdlib>

using platform::Message;

ScriptDriver::ScriptDriver(const HarnessScript& script, platform::HeadlessPlatform& platform)
    : script(script), platform(platform) {}

void ScriptDriver::AwaitTurn() {
    if (turn == 0 && nextCommand == 0)
        SeedRandomness();
    const auto& commands = script.Commands();
    while (turnsPending == 0 && nextCommand < commands.size())
        Execute(commands[nextCommand++]);
    if (turnsPending > 0) {
        --turnsPending;
    } else if (!quitPosted) {
        // The script is over: close the program the way a player would.
        platform.window().postQuit(ToInt(ExitCode::Success));
        quitPosted = true;
    }
    platform.clock().advance(static_cast<uint32_t>(stepMs));
}

// At the first turn rather than at start-up, so that a seed gives the same game whatever the
// preload happened to draw.
void ScriptDriver::SeedRandomness() const {
    if (const std::optional<unsigned> seed = script.Seed()) {
        std::srand(*seed);
        Singleton<Randomizer>::Instance().seed(*seed);
    }
}

void ScriptDriver::TurnDone() {
    ++turn;
    if (!trace)
        return;
    const Game& game = Singleton<Game>::Instance();
    const GameScore& score = Singleton<GameScore>::Instance();
    JsonObject line;
    line.Add("turn", turn)
        .Add("ms", static_cast<long long>(platform.clock().milliseconds()))
        .Add("state", static_cast<long long>(game.State()))
        .Add("fading", Singleton<DirectDraw>::Instance().IsFading())
        .Add("score", static_cast<long long>(score.getScore()))
        .Add("shownScore", static_cast<double>(score.getDisplayedScore()))
        .Add("stars", static_cast<long long>(score.getStarsCollected()))
        .Add("music", game.musicOn)
        .Add("shadows", game.shadowsOn);
    const ScreenMessage& message = Singleton<ScreenMessage>::Instance();
    if (message.isActive())
        line.AddRaw("message", JsonArray().Add(message.line1()).Add(message.line2()).Str());
    else
        line.AddNull("message");
    WorldDump::AddTraceFields(game, line);
    JsonArray sounds;
    for (const std::string& label : Singleton<SoundEngine>::Instance().playingLabels())
        sounds.Add(label);
    line.AddRaw("sounds", sounds.Str());
    std::fprintf(trace.get(), "%s\n", line.Str().c_str());
    std::fflush(trace.get());
}

void ScriptDriver::Execute(const HarnessScript::Command& command) {
    using Op = HarnessScript::Op;
    platform::HeadlessWindow& window = platform.window();
    switch (command.op) {
    case Op::Step:
        stepMs = command.a;
        break;
    case Op::Run:
        turnsPending = command.a;
        break;
    case Op::Focus:
        window.push({command.a ? Message::Type::FocusGained : Message::Type::FocusLost});
        break;
    case Op::Key:
        window.push({Message::Type::KeyDown, command.a});
        break;
    case Op::Char:
        window.push({Message::Type::Char, command.a});
        break;
    case Op::Mouse:
        window.push({Message::Type::MouseMove, 0, command.a, command.b});
        break;
    case Op::Down:
        window.push({Message::Type::LeftDown, 0, command.a, command.b});
        break;
    case Op::Up:
        window.push({Message::Type::LeftUp, 0, command.a, command.b});
        break;
    case Op::Click:
        window.push({Message::Type::LeftDown, 0, command.a, command.b});
        window.push({Message::Type::LeftUp, 0, command.a, command.b});
        break;
    case Op::Close:
        window.push({Message::Type::Destroy});
        break;
    case Op::Trace:
        OpenTrace(command.text, command.line);
        break;
    case Op::Dump:
        WriteDump(command.text, command.line);
        break;
    case Op::Screenshot:
        TakeScreenshot(command.text, command.line);
        break;
    case Op::LoseSurfaces:
        platform.display().loseSurfaces();
        break;
    case Op::Level:
        StartLevel(command.a);
        break;
    case Op::Autoplay:
        autoplay = command.a != 0;
        break;
    case Op::RandomInput:
        randomInput = command.a != 0;
        break;
    case Op::Record:
        Singleton<Game>::Instance().recorder.Enable(command.a != 0);
        break;
    case Op::Attract:
        Singleton<Game>::Instance().demosOnTitle = command.a != 0;
        break;
    }
}

// The level record advances as if every frog of the earlier levels had come home, so each
// level is built with the areas, times and speeds the player would meet there.
void ScriptDriver::StartLevel(int counter) {
    Game& game = Singleton<Game>::Instance();
    game.NewGame();
    LevelSettings& settings = game.level.settings;
    if (counter == HarnessScript::kShowdownLevel) {
        while (settings.advance()) {
        }
        // The stage lies above the group's last area, where the game puts it.
        constexpr int kShowdownLevelInWorld = LevelSettings::kMaxVisibleAreas - 1;
        settings.levelInWorld = kShowdownLevelInWorld;
        game.CutToState(GameState::ShowdownIntro);
        game.SetUpShowdown();
        return;
    }
    for (int level = 0; level < counter; ++level)
        settings.advance();
    if (counter > 0) {
        game.level.setUpLevel();
        game.level.applySpeedFactor();
    }
    game.FadeToState(GameState::Playing);
}

void ScriptDriver::TakeScreenshot(const std::string& path, int line) {
    const platform::DisplaySurface* frame = platform.display().lastFrame();
    if (!frame)
        return Stop(StringUtil::Format("line %d: no frame has been presented yet", line));
    if (!PngWriter::Write(path, frame->width(), frame->height(), frame->toXrgb()))
        Stop(StringUtil::Format("line %d: cannot write the screenshot %s", line, path.c_str()));
}

void ScriptDriver::WriteDump(const std::string& path, int line) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "w"));
    const std::string json = WorldDump::Of(Singleton<Game>::Instance()) + "\n";
    if (!file || std::fputs(json.c_str(), file.get()) < 0)
        Stop(StringUtil::Format("line %d: cannot write the dump %s", line, path.c_str()));
}

void ScriptDriver::OpenTrace(const std::string& path, int line) {
    trace.reset(std::fopen(path.c_str(), "a"));
    if (trace)
        return;
    // Without its trace the run proves nothing: end it now.
    Stop(StringUtil::Format("line %d: cannot write the trace file %s", line, path.c_str()));
}

void ScriptDriver::Stop(const std::string& why) {
    failure = why;
    nextCommand = script.Commands().size();
    turnsPending = 0;
}
