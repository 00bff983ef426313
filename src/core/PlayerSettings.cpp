#include "core/PlayerSettings.h"

#include "core/FileUtil.h"
#include "core/Log.h"
#include "platform/KeyName.h"
#include "platform/VirtualKey.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <sys/stat.h>

namespace {

constexpr const char* kFolderName = "quagleaper";
constexpr const char* kFileName = "settings.txt";
// A few hundred bytes; far more is not a settings file.
constexpr std::size_t kMaxFileBytes = 16 * 1024;
// Window sizes outside this range are no size a desktop gives.
constexpr int kMinWindowSide = 200;
constexpr int kMaxWindowSide = 16384;

// The names of the key settings, in the order of the actions.
constexpr const char* kKeyNames[PlayerSettings::kActionCount] = {
    "keyUp", "keyDown", "keyLeft", "keyRight", "keyTongue", "keyPause"};

std::optional<int> ParseInt(const std::string& text, int min, int max) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end || value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<bool> ParseOnOff(const std::string& text) {
    if (text == "on")
        return true;
    if (text == "off")
        return false;
    return std::nullopt;
}

const char* OnOff(bool on) {
    return on ? "on" : "off";
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

} // namespace

std::array<int, PlayerSettings::kActionCount> PlayerSettings::DefaultKeys() {
    return {platform::vk::Up,    platform::vk::Down,  platform::vk::Left,
            platform::vk::Right, platform::vk::Space, 'P'};
}

bool PlayerSettings::IsBindable(int key) {
    return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') ||
           (key >= platform::vk::Left && key <= platform::vk::Down) || key == platform::vk::Space ||
           key == platform::vk::Return;
}

std::optional<PlayerSettings::Action> PlayerSettings::ActionOn(int key) const {
    const auto found = std::find(keys.begin(), keys.end(), key);
    if (found == keys.end())
        return std::nullopt;
    return static_cast<Action>(found - keys.begin());
}

bool PlayerSettings::Bind(Action action, int key) {
    const std::optional<Action> holder = ActionOn(key);
    if (!IsBindable(key) || (holder && *holder != action))
        return false;
    keys[static_cast<int>(action)] = key;
    return true;
}

std::string PlayerSettings::PathFromEnvironment() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules ask.
    if (configHome && configHome[0] == '/')
        folder = configHome;
    else if (const char* home = std::getenv("HOME"); home && home[0])
        folder = std::string(home) + "/.config";
    else
        return {};
    return folder + "/" + kFolderName + "/" + kFileName;
}

void PlayerSettings::Load() {
    if (file.empty())
        return;
    // A refused file (a folder, a FIFO, a huge one) is logged by the opener; errno stays 0.
    errno = 0;
    std::FILE* stream = FileUtil::OpenRegularFile(file, kMaxFileBytes);
    if (!stream) {
        if (errno != 0 && errno != ENOENT)
            Log("PlayerSettings: %s cannot be read (%s); the game plays with its defaults.\n",
                file.c_str(), std::strerror(errno));
        return;
    }
    std::istringstream lines(FileUtil::ReadAndClose(stream));
    std::string line;
    for (int lineNumber = 1; std::getline(lines, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::istringstream words(line);
        std::string name, value, extra;
        if (!(words >> name) || name[0] == '#')
            continue;
        if (!(words >> value) || (words >> extra)) {
            Log("PlayerSettings: %s line %d is not 'name value'; it is ignored.\n", file.c_str(),
                lineNumber);
            continue;
        }
        Apply(name, value, lineNumber);
    }
}

void PlayerSettings::Apply(const std::string& name, const std::string& value, int lineNumber) {
    auto volume = [&](int& out) {
        const std::optional<int> percent = ParseInt(value, 0, kMaxVolume);
        if (percent && *percent % kVolumeStep == 0)
            out = *percent;
        return percent && *percent % kVolumeStep == 0;
    };
    auto onOff = [&](bool& out) {
        const std::optional<bool> parsed = ParseOnOff(value);
        out = parsed.value_or(out);
        return parsed.has_value();
    };
    auto side = [&](int& out) {
        const std::optional<int> pixels = ParseInt(value, kMinWindowSide, kMaxWindowSide);
        out = pixels.value_or(out);
        return pixels.has_value();
    };
    bool accepted = false;
    bool known = true;
    if (name == "musicVolume")
        accepted = volume(musicVolume);
    else if (name == "effectsVolume")
        accepted = volume(effectsVolume);
    else if (name == "language") {
        accepted = value == "de" || value == "en";
        if (accepted)
            language = value;
    } else if (name == "music")
        accepted = onOff(music);
    else if (name == "shadows")
        accepted = onOff(shadows);
    else if (name == "fullscreen")
        accepted = onOff(fullscreen);
    else if (name == "windowWidth")
        accepted = side(windowWidth);
    else if (name == "windowHeight")
        accepted = side(windowHeight);
    else if (name == "crispScaling") {
        bool crisp = false;
        accepted = onOff(crisp);
        if (accepted)
            crispScaling = crisp;
    } else if (name == "motion") {
        accepted = value == "classic" || value == "smooth";
        if (accepted)
            smoothMotion = value == "smooth";
    } else if (name == "pauseOnFocusLoss")
        accepted = onOff(pauseOnFocusLoss);
    else {
        const auto keyName = std::find_if(std::begin(kKeyNames), std::end(kKeyNames),
                                          [&](const char* keyName) { return name == keyName; });
        known = keyName != std::end(kKeyNames);
        if (known) {
            const std::optional<int> code = platform::KeyCodeNamed(value);
            const auto action = static_cast<Action>(keyName - std::begin(kKeyNames));
            accepted = code && Bind(action, *code);
        }
    }
    if (!known)
        Log("PlayerSettings: %s line %d: unknown setting '%s' is ignored.\n", file.c_str(),
            lineNumber, name.c_str());
    else if (!accepted)
        Log("PlayerSettings: %s line %d: '%s' is no value for %s; it is ignored.\n", file.c_str(),
            lineNumber, value.c_str(), name.c_str());
}

std::string PlayerSettings::ToText() const {
    std::ostringstream text;
    text << "# Quagleaper: the player's settings, written by the game's options screen.\n"
         << "musicVolume " << musicVolume << "\neffectsVolume " << effectsVolume << "\n";
    if (!language.empty())
        text << "language " << language << "\n";
    text << "music " << OnOff(music) << "\nshadows " << OnOff(shadows) << "\nfullscreen "
         << OnOff(fullscreen) << "\n";
    if (windowWidth && windowHeight)
        text << "windowWidth " << windowWidth << "\nwindowHeight " << windowHeight << "\n";
    if (crispScaling)
        text << "crispScaling " << OnOff(*crispScaling) << "\n";
    text << "motion " << (smoothMotion ? "smooth" : "classic") << "\npauseOnFocusLoss "
         << OnOff(pauseOnFocusLoss) << "\n";
    for (int action = 0; action < kActionCount; ++action)
        text << kKeyNames[action] << " " << platform::KeyNameOf(keys[action]) << "\n";
    return text.str();
}

bool PlayerSettings::MakeFolder() const {
    const std::string folder = FolderOf(file);
    // The parent, ~/.config, may be missing on a fresh desktop too.
    const std::string parent = FolderOf(folder);
    ::mkdir(parent.c_str(), 0700);
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool PlayerSettings::Save() {
    if (file.empty())
        return false;
    if (MakeFolder() && FileUtil::WriteAndReplace(file, ToText())) {
        saveFailureLogged = false;
        return true;
    }
    if (!saveFailureLogged)
        Log("PlayerSettings: %s cannot be written (%s); the settings hold until the game ends.\n",
            file.c_str(), std::strerror(errno));
    saveFailureLogged = true;
    return false;
}
