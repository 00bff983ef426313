#pragma once

#include "gfx/SpriteInfo.h"

#include <optional>
#include <string>

class WindowProcedure;

// Every picture of the game by label, with how its sprite is built: cropped or not, its sprite
// class, frames, cycle time, mirrored copy and looping.
class AssetCatalogue {
  public:
    // Hands every definition to the sprite manager; the sprites themselves are built on demand.
    static bool RegisterAssets();
    // The definition of one label as the catalogue holds it, the cycle of a timed animation
    // left at 0 (registration reads it from the settings); none for a label not in it.
    static std::optional<SpriteInfo> Definition(const std::string& label);
    // Loads every sound and builds every sprite once before the title menu, drawing the
    // progress bar after each; false when the player quits meanwhile or the bar cannot be drawn.
    // Messages that arrive meanwhile go to `procedure`.
    static bool PreloadAssets(WindowProcedure& procedure);
    // Draws the preload screen with the bar at `progress` (0 to 1) and handles waiting messages.
    static bool ShowProgress(float progress, WindowProcedure& procedure);
};
