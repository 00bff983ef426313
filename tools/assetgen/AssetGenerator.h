#pragma once

#include <string>

class ContactSheet;

// Writes the whole picture side of the data folder: the world picture and its decorations,
// obstacle files, screens, HUD icons, fonts, credits and config.txt.
class AssetGenerator {
  public:
    // `configSource` is the hand-written config.txt the generated section is appended to.
    AssetGenerator(std::string outDir, std::string configSource, ContactSheet* sheet);

    bool WriteAll() const;

    // The window of the world picture a level shows at camera 0 (or, for the showdown, the
    // top), with the top layers, as PNG files in `folder`: what a player sees at levels 0, 4
    // and the showdown.
    static bool WriteWorldViews(const std::string& folder);

  private:
    bool WriteWorld() const;
    bool WriteScreens() const;
    bool WriteCredits() const;
    bool WriteFonts() const;
    bool WriteConfig() const;

    std::string outDir;
    std::string configSource;
    ContactSheet* sheet;
};
