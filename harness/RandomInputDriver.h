#pragma once

#include "RandomInput.h"
#include "app/LoopDriver.h"

class ScriptDriver;

namespace platform {
class HeadlessWindow;
}

// The turns of the driver it wraps, with the random input's messages after theirs while the
// script has it on.
class RandomInputDriver final : public LoopDriver {
  public:
    RandomInputDriver(LoopDriver& inner, const ScriptDriver& script,
                      platform::HeadlessWindow& window, unsigned seed);

    void AwaitTurn() override;
    void TurnDone() override { inner.TurnDone(); }

  private:
    LoopDriver& inner;
    const ScriptDriver& script;
    platform::HeadlessWindow& window;
    RandomInput input;
};
