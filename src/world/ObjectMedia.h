#pragma once

#include <string>

// What an object needs of the catalogue and the sound engine by label.
class ObjectMedia {
  public:
    // How long one cycle of the animation of `label` lasts; 0, with the catalogue's log line,
    // for a label without definition, so that a state waiting for it ends at once, not never.
    static float AnimationDuration(const std::string& label);
    // Plays the effect of `label` (either spelling); nothing while sound is off or it is missing.
    static void PlaySound(const std::string& label);
};
