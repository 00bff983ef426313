#include "app/WindowLoopDriver.h"

#include "app/Game.h"
#include "app/WindowProcedure.h"
#include "platform/Platform.h"

void WindowLoopDriver::AwaitTurn() {
    Game& game = Singleton<Game>::Instance();
    const int timeout = game.MillisecondsUntilNextFrame(procedure.HasFocus());
    platform::Platform::current().window().waitMessage(timeout);
    // A loop that never slept would have read the clock without focus right up to now, so the
    // first frame after regaining focus must not count the time spent waiting.
    if (timeout < 0)
        game.Tick(false);
}
