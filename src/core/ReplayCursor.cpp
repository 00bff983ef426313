#include "core/ReplayCursor.h"

const Replay::Turn& ReplayCursor::Next() {
    const Replay::Turn& current = replay.turns[entry];
    if (++repeatsDone >= current.repeat) {
        ++entry;
        repeatsDone = 0;
    }
    ++played;
    return current;
}
