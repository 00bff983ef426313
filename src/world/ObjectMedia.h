#pragma once

#include <string>

// How long one cycle of the animation of `label` lasts; 0, with the catalogue's log line, for a
// label without definition, so that a state waiting for it ends at once instead of never.
float AnimationDuration(const std::string& label);

// Plays the effect of `label` (either spelling); nothing while sound is off or when it is missing.
void PlayObjectSound(const std::string& label);
