// quagleaper-harness SCRIPT: the whole game on the headless platform, driven by a script.
// quagleaper-harness --verify REPLAY: a recorded game played again, its end compared.
#include "AutoplayDriver.h"
#include "RandomInputDriver.h"
#include "ReplayPlayer.h"
#include "app/Application.h"
#include "app/Game.h"
#include "app/HarnessScript.h"
#include "app/ScriptDriver.h"
#include "core/ExitCode.h"
#include "core/ReplayFile.h"
#include "platform/headless/HeadlessPlatform.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

namespace {
// Scripts are a few kilobytes; anything far larger is not one.
constexpr std::uintmax_t kMaxScriptBytes = 16 << 20;
constexpr const char* kSettingsFile = "quagleaper/settings.txt";

// Only a regular file of a sane size: a folder reads as empty, a FIFO or a device never ends.
bool IsScriptFile(const char* path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) &&
           std::filesystem::file_size(path, error) <= kMaxScriptBytes && !error;
}

// The exit codes of --verify: 0 verified, 1 diverged, 2 unreadable, 3 other data or config.
constexpr int kDiverged = 1;
// The last two as the game's --replay says them.
constexpr int kUnreadable = ToInt(ExitCode::Usage);
constexpr int kOtherData = ToInt(ExitCode::OtherData);

int Verify(const char* path) {
    std::string why;
    const std::optional<Replay> replay = ReplayFile::ReadFile(path, why);
    if (!replay) {
        std::fprintf(stderr, "quagleaper-harness: %s: %s\n", path, why.c_str());
        return kUnreadable;
    }
    platform::HeadlessPlatform headless;
    platform::Platform::install(&headless);
    ReplayPlayer player(*replay, headless);
    Application game(&player);
    const int exitCode = game.Run();
    switch (player.Result()) {
    case ReplayPlayer::Verdict::Verified:
        std::printf("%s\n", player.Report().c_str());
        return 0;
    case ReplayPlayer::Verdict::Diverged:
        std::printf("quagleaper-harness: %s: %s\n", path, player.Report().c_str());
        return kDiverged;
    case ReplayPlayer::Verdict::OtherData:
        std::printf("quagleaper-harness: %s: %s\n", path, player.Report().c_str());
        return kOtherData;
    case ReplayPlayer::Verdict::Unfinished:
        break;
    }
    std::fprintf(stderr, "quagleaper-harness: %s: the game ended (code %d) before the replay did\n",
                 path, exitCode);
    return kUnreadable;
}
} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--verify")
        return Verify(argv[2]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quagleaper-harness SCRIPT | --verify REPLAY\n");
        return ToInt(ExitCode::Usage);
    }
    std::ifstream file;
    if (IsScriptFile(argv[1]))
        file.open(argv[1], std::ios::binary);
    if (!file.is_open()) {
        std::fprintf(stderr, "quagleaper-harness: cannot read %s\n", argv[1]);
        return ToInt(ExitCode::Usage);
    }
    std::ostringstream source;
    source << file.rdbuf();

    std::string error;
    const std::optional<HarnessScript> script = HarnessScript::Parse(source.str(), error);
    if (!script) {
        std::fprintf(stderr, "quagleaper-harness: %s: %s\n", argv[1], error.c_str());
        return ToInt(ExitCode::Usage);
    }
    platform::HeadlessPlatform headless;
    platform::Platform::install(&headless);
    ScriptDriver driver(*script, headless);
    AutoplayDriver withPlayer(driver, headless.window());
    RandomInputDriver withRandomInput(withPlayer, driver, headless.window(),
                                      script->Seed().value_or(0));
    // A script that waits on the title sees the title, unless it asks for the demo.
    Singleton<Game>::Instance().demosOnTitle = false;
    Application game(&withRandomInput);
    game.StartIn(script->StartLanguage());
    // In the folder it runs in: a script never reads or changes the player's own settings.
    game.KeepSettingsIn(kSettingsFile);
    const int exitCode = game.Run();
    if (!driver.Failure().empty()) {
        std::fprintf(stderr, "quagleaper-harness: %s: %s\n", argv[1], driver.Failure().c_str());
        return ToInt(ExitCode::Usage);
    }
    return exitCode;
}
