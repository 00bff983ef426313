#pragma once

#include "app/LoopDriver.h"

class WindowProcedure;

// The desktop's pace: sleep in the window's queue until a message arrives or a frame is due,
// instead of spinning a core on the clock.
class WindowLoopDriver final : public LoopDriver {
  public:
    explicit WindowLoopDriver(const WindowProcedure& procedure) : procedure(procedure) {}

    void AwaitTurn() override;
    void TurnDone() override {}

  private:
    const WindowProcedure& procedure;
};
