#pragma once

#include "core/PlayerSettings.h"

#include <optional>
#include <string>

// The player's settings at work: read once at start, applied to the sound, the display and the
// game, and saved whenever one changes. Every change goes through Update, which applies only
// what differs, so a screen or a key can hand in a whole changed copy.
class Options {
  public:
    // Reads the player's file; an empty path (no home folder) plays on the defaults.
    void Load(const std::string& file);
    // --window or --fullscreen: holds for this run, and the file keeps what the player chose.
    void OverrideFullscreen(std::optional<bool> fullscreen) { fullscreenOverride = fullscreen; }

    const PlayerSettings& Current() const { return settings; }
    bool Fullscreen() const { return fullscreenOverride.value_or(settings.fullscreen); }
    bool CrispScaling() const { return settings.crispScaling.value_or(configCrisp); }
    // Smooth motion that the display can keep in step with its refresh.
    bool SmoothMotion() const { return smoothMotion; }

    // What must be in place before the display opens and the sounds load.
    void ApplyBeforeStart() const;
    // What needs the game's configuration: crisp scaling follows config.txt unless the player
    // chose; the motion needs the open display.
    void ApplyAtStart(bool configCrispScaling);
    void Update(const PlayerSettings& wanted);
    // A replay plays under the keys and choices it was recorded with. Until Restore, nothing
    // but the view reaches the file, so the player's own keys and choices are never lost.
    void Borrow(const PlayerSettings& wanted);
    void Restore();
    // The window's F11 and the player's resizing.
    void ViewChanged(bool fullscreen, int windowWidth, int windowHeight);

  private:
    // What differs from the settings in force, applied; nothing saved.
    void Apply(const PlayerSettings& wanted);
    void ApplyVolumes() const;
    void ApplyView() const;
    void ApplyMotion();
    void KeepViewOfOwn();

    PlayerSettings settings;
    std::optional<PlayerSettings> own;
    std::optional<bool> fullscreenOverride;
    bool configCrisp = false;
    bool smoothMotion = false;
};
