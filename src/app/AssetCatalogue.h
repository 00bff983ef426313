#pragma once

#include "core/Language.h"
#include "gfx/SpriteInfo.h"

#include <optional>
#include <string>

class WindowProcedure;

// Every picture of the game by label, with how its sprite is built: cropped or not, its sprite
// class, frames, cycle time, mirrored copy and looping.
class AssetCatalogue {
  public:
    // Hands every definition to the sprite manager; the sprites themselves are built on demand.
    // Worded pictures come in the active language (Translation::Active).
    static bool RegisterAssets();
    // Switches the game's language while it runs: the texts, the worded pictures (rebuilt at
    // their next draw) and the credits. False, with a log line, when the language's catalogue
    // cannot be read; its texts then stay English. A worded picture the data lacks in the
    // language stays German.
    static bool UseLanguage(Language language);
    // Whether `label` (either spelling) has words on it, so the data holds it once a language.
    static bool IsWorded(const std::string& label);
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
