#pragma once

#include "actors/Insect.h"

class Frog;
class Level;

// The music and the ambient sounds of each frame: in a level the river, the traffic above and
// below ground and the insects swell as the frog comes near them; on the menus they fall
// silent and the theme plays at full volume.
class SoundMix {
  public:
    // The theme plays this much quieter during a level, for a setting in decibels.
    static float ThemeFactor(float themeVolumeDb) { return (100.0f - themeVolumeDb) * 0.01f; }

    static void UpdateMenu(bool paused, float themeVolumeDb);
    static void UpdateLevel(const Level& level, const Frog& frog, const InsectList& insects,
                            float themeVolumeDb);

  private:
    static void SetThemeVolume(float factor);
};
