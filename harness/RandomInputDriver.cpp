#include "RandomInputDriver.h"

#include "app/Game.h"
#include "app/ScriptDriver.h"
#include "platform/headless/HeadlessWindow.h"

RandomInputDriver::RandomInputDriver(LoopDriver& inner, const ScriptDriver& script,
                                     platform::HeadlessWindow& window, unsigned seed)
    : inner(inner), script(script), window(window), input(seed, MenuScreens::Buttons()) {}

void RandomInputDriver::AwaitTurn() {
    inner.AwaitTurn();
    // Switched off, it still hands back a focus it took, so the script goes on with frames.
    const std::vector<platform::Message> messages =
        script.RandomInputOn() ? input.Turn(Singleton<Game>::Instance().State())
                               : input.GiveBackFocus();
    for (const platform::Message& message : messages)
        window.push(message);
}
