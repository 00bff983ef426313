#include "app/Options.h"

#include "app/AssetCatalogue.h"
#include "core/Language.h"
#include "core/Log.h"
#include "gfx/SpriteLabel.h"
#include "platform/Platform.h"
#include "sound/SoundEngine.h"

#include <utility>

namespace {

platform::DisplayDevice& Display() {
    return platform::Platform::current().display();
}

} // namespace

void Options::Load(const std::string& file) {
    if (file.empty()) {
        Log("Options: no home folder to keep settings in; the game plays with its defaults.\n");
        return;
    }
    settings.UseFile(file);
    settings.Load();
}

void Options::ApplyBeforeStart() const {
    ApplyView();
    ApplyVolumes();
}

void Options::ApplyAtStart(bool configCrispScaling) {
    configCrisp = configCrispScaling;
    Display().setCrispScaling(CrispScaling());
    ApplyMotion();
}

void Options::Update(const PlayerSettings& wanted) {
    const std::string before = settings.ToText();
    Apply(wanted);
    if (own)
        KeepViewOfOwn();
    else if (settings.ToText() != before)
        settings.Save();
}

void Options::Borrow(const PlayerSettings& wanted) {
    if (!own)
        own = settings;
    Apply(wanted);
}

void Options::Restore() {
    if (own)
        Apply(*std::exchange(own, std::nullopt));
}

void Options::Apply(const PlayerSettings& wanted) {
    const PlayerSettings before = settings;
    settings = wanted;
    settings.UseFile(before.File());
    if (wanted.fullscreen != before.fullscreen) {
        fullscreenOverride.reset();
        ApplyView();
    }
    if (wanted.musicVolume != before.musicVolume || wanted.effectsVolume != before.effectsVolume)
        ApplyVolumes();
    if (wanted.crispScaling != before.crispScaling)
        Display().setCrispScaling(CrispScaling());
    if (wanted.smoothMotion != before.smoothMotion)
        ApplyMotion();
    if (wanted.language != before.language)
        if (const std::optional<Language> language = LanguageFromCode(wanted.language))
            AssetCatalogue::UseLanguage(*language);
}

// F11 and resizing during a replay are the player's own, and are remembered.
void Options::KeepViewOfOwn() {
    const std::string before = own->ToText();
    own->fullscreen = settings.fullscreen;
    own->windowWidth = settings.windowWidth;
    own->windowHeight = settings.windowHeight;
    if (own->ToText() != before)
        own->Save();
}

void Options::ViewChanged(bool fullscreen, int windowWidth, int windowHeight) {
    PlayerSettings wanted = settings;
    wanted.fullscreen = fullscreen;
    wanted.windowWidth = windowWidth;
    wanted.windowHeight = windowHeight;
    // The window already shows it; only the file must learn it.
    fullscreenOverride.reset();
    settings.fullscreen = fullscreen;
    Update(wanted);
}

void Options::ApplyVolumes() const {
    static const std::string theme = NormalizeLabel("SOUND_THEME");
    Singleton<SoundEngine>::Instance().setPlayerVolumes(theme, settings.musicVolume,
                                                        settings.effectsVolume);
}

void Options::ApplyView() const {
    Display().chooseView(Fullscreen(), settings.windowWidth, settings.windowHeight);
}

void Options::ApplyMotion() {
    smoothMotion = settings.smoothMotion && Display().setVsync(true);
    if (settings.smoothMotion && !smoothMotion)
        Log("Options: the display cannot keep frames in step with its refresh; the motion stays "
            "classic.\n");
    if (!settings.smoothMotion)
        Display().setVsync(false);
}
