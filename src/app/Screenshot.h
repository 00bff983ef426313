#pragma once

#include <ctime>
#include <string>

namespace platform {
class DisplaySurface;
}

// F12: the picture shown, saved as a PNG for the player, with a word on screen either way.
class Screenshot {
  public:
    // Saves the frame shown last and tells the player on screen; a failure is logged too and
    // the game goes on.
    static void Take();

    // The first folder that exists or can be made: $XDG_PICTURES_DIR/Quagleaper,
    // ~/Pictures/Quagleaper, else the folder the game runs in. Relative variables are ignored.
    static std::string Folder();
    // Writes `frame` into `folder` as quagleaper-DATE-TIME.png, never over an older file.
    // The file's path, or empty with a log line when it cannot be written.
    static std::string Save(const platform::DisplaySurface& frame, const std::string& folder,
                            const std::tm& when);
};
