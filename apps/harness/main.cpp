// quagleaper-harness SCRIPT: the whole game on the headless platform, driven by a script.
#include "AutoplayDriver.h"
#include "RandomInputDriver.h"
#include "app/Application.h"
#include "app/HarnessScript.h"
#include "app/ScriptDriver.h"
#include "core/ExitCode.h"
#include "platform/headless/HeadlessPlatform.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

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
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quagleaper-harness SCRIPT\n");
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
