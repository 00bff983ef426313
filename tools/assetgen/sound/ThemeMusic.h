#pragma once

#include "sound/SoundClip.h"

// "SOUND_THEME": the title tune that also plays, quieter, under the game. A bouncy tune in C
// major at 140 beats a minute, 36 bars (a little over a minute): the main tune, the main tune
// with a bell counter-melody, a bridge, the main tune again in octaves and a four-bar
// turnaround that leads back into the first bar. Rendered as a loop, it has no seam.
class ThemeMusic {
  public:
    static constexpr float kBeatsPerMinute = 140.0f;
    static constexpr int kBars = 36;

    static SoundClip Render(int sampleRate);
};
