#pragma once

#include "app/HarnessScript.h"
#include "app/LoopDriver.h"

#include <cstdio>
#include <memory>
#include <string>

namespace platform {
class HeadlessPlatform;
}

// Plays a harness script into the headless platform: between turns it queues the script's
// messages and moves the virtual clock; after each turn it writes the trace.
class ScriptDriver final : public LoopDriver {
  public:
    ScriptDriver(const HarnessScript& script, platform::HeadlessPlatform& platform);

    void AwaitTurn() override;
    void TurnDone() override;

    // An empty text when all went well; otherwise why the script could not go on.
    const std::string& Failure() const { return failure; }
    // Whether the script has handed the frog to the autoplayer.
    bool Autoplaying() const { return autoplay; }
    // Whether the script has random keys, pointer moves, clicks and focus changes mixed in.
    bool RandomInputOn() const { return randomInput; }

  private:
    void SeedRandomness() const;
    void Execute(const HarnessScript::Command& command);
    void OpenTrace(const std::string& path, int line);
    void WriteDump(const std::string& path, int line);
    void TakeScreenshot(const std::string& path, int line);
    // A new game, brought to the start of level `counter`, or to the first showdown.
    static void StartLevel(int counter);
    // Ends the script here; the program then quits as at the end of any script.
    void Stop(const std::string& why);

    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    const HarnessScript& script;
    platform::HeadlessPlatform& platform;
    size_t nextCommand = 0;
    int turnsPending = 0;
    int stepMs = 20;
    bool quitPosted = false;
    bool autoplay = false;
    bool randomInput = false;
    long long turn = 0;
    std::unique_ptr<std::FILE, FileCloser> trace;
    std::string failure;
};
