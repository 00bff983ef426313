#include "AutoplayDriver.h"

#include "app/ScriptDriver.h"

void AutoplayDriver::AwaitTurn() {
    script.AwaitTurn();
    if (script.Autoplaying())
        player.Play();
}

void AutoplayDriver::TurnDone() {
    script.TurnDone();
}
