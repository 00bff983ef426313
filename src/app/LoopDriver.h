#pragma once

// What happens between two turns of the main loop: on a desktop the loop waits for the window,
// under the harness a script decides what arrives and how much time passes.
class LoopDriver {
  public:
    virtual ~LoopDriver() = default;

    // Returns when the next turn may run: a message is queued or the next frame is due.
    virtual void AwaitTurn() = 0;

    // Called once a turn has handled its messages and its tick.
    virtual void TurnDone() = 0;
};
