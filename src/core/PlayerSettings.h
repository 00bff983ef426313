#pragma once

#include <array>
#include <optional>
#include <string>

// What the player chose for this desktop, apart from the designers' tuning in config.txt: the
// volumes, the language, how the picture is shown, the keys. One `name value` a line in
// settings.txt of the player's configuration folder. A missing file, unknown names and bad
// values leave the defaults, each with a log line; nothing here ever stops the game.
class PlayerSettings {
  public:
    // The actions a player can move to other keys, in the order the options screen lists them.
    enum class Action { Up, Down, Left, Right, Tongue, Pause };
    static constexpr int kActionCount = 6;
    static constexpr int kVolumeStep = 10;
    static constexpr int kMaxVolume = 100;

    // Percent of each group's recorded volume, in steps of ten.
    int musicVolume = kMaxVolume;
    int effectsVolume = kMaxVolume;
    // "de" or "en"; empty follows the desktop's language.
    std::string language;
    bool music = true;
    bool shadows = true;
    // The game starts full screen until the player chooses a window; then in one of the size
    // last used, when there is one.
    bool fullscreen = true;
    int windowWidth = 0;
    int windowHeight = 0;
    // Unset follows config.txt's crispScaling.
    std::optional<bool> crispScaling;
    // Smooth: a frame for every refresh of the display, in step with it; classic: a frame at
    // most every 20 ms.
    bool smoothMotion = false;
    // Off, a game without focus freezes where it stands; on, a level in play pauses.
    bool pauseOnFocusLoss = false;
    std::array<int, kActionCount> keys = DefaultKeys();

    static std::array<int, kActionCount> DefaultKeys();
    // The keys an action may be moved to: letters, digits, the arrows, Space and Return.
    static bool IsBindable(int key);
    // The action on `key`, if any.
    std::optional<Action> ActionOn(int key) const;
    int KeyOf(Action action) const { return keys[static_cast<int>(action)]; }
    // False, and nothing changed, when another action holds the key or it may not be bound.
    bool Bind(Action action, int key);

    // `$XDG_CONFIG_HOME/quagleaper/settings.txt`, or `~/.config/quagleaper/settings.txt`; empty
    // when neither variable is set.
    static std::string PathFromEnvironment();
    // The file the settings are read from and saved to; Load and Save do nothing without one.
    void UseFile(std::string path) { file = std::move(path); }
    const std::string& File() const { return file; }
    void Load();
    // Written whole beside the old file and moved over it; false, and one log line per folder,
    // when it cannot be.
    bool Save();
    // The file's text.
    std::string ToText() const;

  private:
    void Apply(const std::string& name, const std::string& value, int lineNumber);
    bool MakeFolder() const;

    std::string file;
    bool saveFailureLogged = false;
};
