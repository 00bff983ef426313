#pragma once

#include "sound/Track.h"

#include <cstdint>

// Everyday noises the effects are built from, each tuned once here.
namespace Foley {

// Water thrown up and falling back.
Track Splash(int rate, float seconds, uint32_t seed);
// `count` bubbles over `seconds`, each a short rising chirp between `lowHz` and `highHz`.
Track Bubbles(int rate, float seconds, int count, uint32_t seed, float lowHz, float highHz);
// Bent metal: a burst of gritty noise over clanging partials and a low body hit; `pitch` 1 is
// a car, lower is heavier.
Track Crunch(int rate, float seconds, uint32_t seed, float pitch);
// A body hitting something soft and heavy.
Track Thud(int rate, float hertz, float seconds);
// Breaking glass: a hard crack and many small bright shards.
Track Shatter(int rate, float seconds, uint32_t seed);
// A car horn: two reedy tones a third apart.
Track Horn(int rate, float hertz, float seconds);
// Electric or fire crackle: random sharp ticks, `perSecond` of them.
Track Crackle(int rate, float seconds, float perSecond, uint32_t seed);

} // namespace Foley
