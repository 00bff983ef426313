#pragma once

#include "AutoPlayer.h"
#include "app/LoopDriver.h"

class ScriptDriver;

// The script's turns, with the autoplayer's key after the script's messages while the script
// has it on.
class AutoplayDriver final : public LoopDriver {
  public:
    AutoplayDriver(ScriptDriver& script, platform::HeadlessWindow& window)
        : script(script), player(window) {}

    void AwaitTurn() override;
    void TurnDone() override;

  private:
    ScriptDriver& script;
    AutoPlayer player;
};
