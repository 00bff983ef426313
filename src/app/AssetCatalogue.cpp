#include "app/AssetCatalogue.h"

#include "app/Game.h"
#include "app/WindowProcedure.h"
#include "core/FileLoader.h"
#include "core/Log.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "core/Translation.h"
#include "gfx/DirectDraw.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteInfo.h"
#include "gfx/SpriteLabel.h"
#include "gfx/SpriteManager.h"
#include "platform/Platform.h"
#include "sound/SoundEngine.h"
#include "sound/SoundFx.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// A timed animation's cycle comes from the setting named after its label + "Interval"; every
// other picture has a cycle of 1.
enum Duration { Still, Timed };

constexpr SpriteType Surface = SpriteTypeSurface;
constexpr SpriteType Shadow = SpriteTypeShadow;
constexpr SpriteType Animated = SpriteTypeAnimated;
constexpr SpriteType Rle = SpriteTypeAnimatedRle;

struct Entry {
    const char* label;
    bool crop;
    SpriteType type;
    int numFrames;
    Duration duration;
    bool mirrored;
    bool loop;
};

// In registration order.
constexpr Entry kEntries[] = {
    {"PROGRESS_BAR", true, Surface, 1, Still, false, false},
    {"INVISIBLE_OBJECT", false, Animated, 1, Timed, true, false},
    {"CURSOR", true, Surface, 1, Still, false, false},
    {"CURSOR_DOWN", true, Surface, 1, Still, false, false},
    {"TITLE_MENU", false, Rle, 1, Still, false, false},
    {"HIGH_SCORE", false, Rle, 1, Still, false, false},
    {"HELP", false, Rle, 1, Still, false, false},
    {"CREDITS", false, Rle, 1, Still, false, false},
    {"CREDITS_MASK", false, Rle, 1, Still, false, false},
    {"PRELOAD", false, Rle, 1, Still, false, false},
    {"CHECK_MUSIC", false, Rle, 1, Still, false, false},
    {"CHECK_SHADOW", false, Rle, 1, Still, false, false},
    {"LOGO_OSTREL", false, Rle, 1, Still, false, false},
    {"LOGO_BRIMVALE", false, Rle, 1, Still, false, false},
    {"BUTTON_START_HIGH_LIGHT", false, Rle, 1, Still, false, false},
    {"BUTTON_HELP_HIGH_LIGHT", false, Rle, 1, Still, false, false},
    {"BUTTON_HIGH_SCORE_HIGH_LIGHT", false, Rle, 1, Still, false, false},
    {"BUTTON_EXIT_HIGH_LIGHT", false, Rle, 1, Still, false, false},
    {"BUTTON_MUSIC_HIGH_LIGHT", false, Rle, 1, Still, false, false},
    {"BUTTON_SHADOW_HIGH_LIGHT", false, Rle, 1, Still, false, false},
    {"BUTTON_BACK_HELP_HIGH_LIGHT", false, Rle, 1, Still, false, false},
    {"BUTTON_CREDITS_HIGH_LIGHT", false, Rle, 1, Still, false, false},
    {"BUTTON_BACK_HIGH_SCORE_HIGH_LIGHT", false, Rle, 1, Still, false, false},
    {"BUTTON_BACK_CREDITS_HIGH_LIGHT", false, Rle, 1, Still, false, false},
    {"WATER_LILY_GOAL", false, Surface, 1, Still, false, false},
    {"HUD_FONT", false, Surface, 1, Still, false, false},
    {"SCORE_FONT", false, Surface, 1, Still, false, false},
    {"STAR", true, Surface, 1, Still, false, false},
    {"STAR_TRUCK", true, Animated, 30, Timed, false, true},
    {"FROG_HEAD", true, Surface, 1, Still, false, false},
    {"FROG_TO_GOAL", true, Surface, 1, Still, false, false},
    {"FROG_TO_GOAL_LEFT", true, Surface, 1, Still, false, false},
    {"ROAD_TOP_LAYER_00", false, Rle, 1, Still, false, false},
    {"ROAD_TOP_LAYER_01", false, Rle, 1, Still, false, false},
    {"ROAD_TOP_LAYER_02", false, Rle, 1, Still, false, false},
    {"TOP_LAYER_00", false, Rle, 1, Still, false, false},
    {"ROAD_TOP_LAYER_03", false, Rle, 1, Still, false, false},
    {"TOP_LAYER_01", false, Rle, 1, Still, false, false},
    {"TOP_LAYER_02", false, Rle, 1, Still, false, false},
    {"ROAD_TOP_LAYER_04", false, Rle, 1, Still, false, false},
    {"ROAD_TOP_LAYER_05", false, Rle, 1, Still, false, false},
    {"ROAD_TOP_LAYER_06", false, Rle, 1, Still, false, false},
    {"RAGTOP_CLOSED_DRIVE", true, Animated, 3, Timed, true, true},
    {"RAGTOP_OPEN_DRIVE", true, Animated, 6, Timed, true, true},
    {"SMALL_CAR_DRIVE", true, Animated, 3, Timed, true, true},
    {"TRUCK_GARBAGE_DRIVE", true, Animated, 3, Timed, true, true},
    {"TRUCK_GARBAGE_KILL", true, Rle, 6, Timed, true, false},
    {"TRUCK_CHEZ_FRED_DRIVE", true, Animated, 3, Timed, true, true},
    {"TRUCK_CHEZ_FRED_KILL", true, Rle, 9, Timed, true, false},
    {"SHADOW_SMALL_CAR", true, Shadow, 1, Still, true, false},
    {"SHADOW_RAGTOP", true, Shadow, 1, Still, true, false},
    {"SHADOW_TRUCK", true, Shadow, 1, Still, true, false},
    {"TRUCK_AQUARIUM_DRIVE", true, Animated, 5, Timed, true, true},
    {"TRUCK_AQUARIUM_KILL", true, Rle, 45, Timed, true, false},
    {"TRUCK_CEMENT_MIXER_DRIVE", true, Animated, 3, Timed, true, true},
    {"TRUCK_CEMENT_MIXER_KILL", true, Rle, 14, Timed, true, false},
    {"TRUCK_ELECTRIC_DRIVE", true, Animated, 3, Timed, true, true},
    {"TRUCK_ELECTRIC_KILL", true, Rle, 31, Timed, true, false},
    {"FROG_LEG", true, Rle, 13, Timed, true, false},
    {"FROG_IDLE", true, Animated, 10, Timed, false, true},
    {"FROG_IN_GOAL", false, Surface, 1, Still, false, false},
    {"FROG_MOVE_UP", true, Animated, 24, Timed, false, false},
    {"FROG_MOVE_UP_TRUCK_UP", true, Animated, 22, Timed, false, false},
    {"FROG_MOVE_UP_TRUCK_DOWN", true, Animated, 22, Timed, false, false},
    {"FROG_MOVE_DOWN", true, Animated, 25, Timed, false, false},
    {"FROG_MOVE_DOWN_TRUCK_DOWN", true, Animated, 22, Timed, false, false},
    {"FROG_MOVE_LEFT", true, Animated, 18, Timed, false, false},
    {"FROG_MOVE_RIGHT", true, Animated, 19, Timed, false, false},
    {"FROG_ROCKET_JUMP", true, Animated, 27, Timed, false, false},
    {"FROG_ROCKET_JUMP_BOARDING", true, Animated, 27, Timed, false, false},
    {"FROG_CATCH_INSECT", true, Animated, 25, Timed, false, false},
    {"FROG_PIERCED", true, Animated, 29, Timed, false, false},
    {"FROG_FINISH", true, Animated, 22, Timed, false, false},
    {"FROG_KNOCKED_OVER", true, Animated, 3, Timed, false, false},
    {"FROG_DROWN", true, Animated, 23, Timed, false, false},
    {"FROG_KILL_TRUCK_LEFT", true, Animated, 22, Timed, false, false},
    {"FROG_KILL_TRUCK_RIGHT", true, Animated, 22, Timed, false, false},
    {"FROG_KILL_BOX_DROWN", true, Animated, 20, Timed, false, false},
    {"FROG_KILL_BOX_HAMMER", true, Animated, 20, Timed, false, false},
    {"FROG_KILL_BOX_RED_BUTTON", true, Animated, 24, Timed, false, false},
    {"FROG_KILL_BOX_BOMB", true, Animated, 14, Timed, false, false},
    {"FROG_KILL_PIRANHA", true, Animated, 16, Timed, false, false},
    {"FROG_SHOW_DOWN_WAIT", true, Animated, 1, Timed, false, false},
    {"EXPLOSION", true, Animated, 14, Timed, false, false},
    {"INSECT_BIG_BUG_FLY_LEFT", true, Animated, 12, Timed, true, true},
    {"INSECT_BIG_BUG_PIERCING", true, Animated, 6, Timed, false, false},
    {"INSECT_BUSINESS_BUG_FLY_LEFT", true, Animated, 12, Timed, true, true},
    {"INSECT_BUTTERFLY_FLY_LEFT", true, Animated, 12, Timed, true, true},
    {"INSECT_NEWS_BUG_FLY_LEFT", true, Animated, 12, Timed, true, true},
    {"INSECT_TAXI_BUG_FLY_LEFT", true, Animated, 12, Timed, true, true},
    {"INSECT_TAXI_BUG_PIERCING", true, Animated, 6, Timed, false, false},
    {"INSECT_TOOL_BUG_FLY_LEFT", true, Animated, 12, Timed, true, true},
    {"INSECT_VOYAGER_BUG_FLY_LEFT", true, Animated, 12, Timed, true, true},
    {"BARREL_SWIMMING", true, Animated, 8, Timed, false, true},
    {"BOX_SWIMMING", true, Animated, 7, Timed, false, true},
    {"BOX_DROWN_KILL", true, Rle, 17, Timed, false, false},
    {"BOX_HAMMER_KILL", true, Rle, 23, Timed, false, false},
    {"HAMMER_DOWN", true, Rle, 16, Timed, false, false},
    {"HIPPO_SWIMMING", true, Animated, 8, Timed, true, true},
    {"HIPPO_DIVING", true, Rle, 14, Timed, true, false},
    {"TRUNK_SWIMMING", true, Animated, 9, Timed, false, true},
    {"WATER_LILY_SWIMMING", true, Animated, 1, Timed, false, true},
    {"WATER_LILY_DIVING", true, Rle, 11, Timed, false, false},
    {"BOX_RED_BUTTON_KILL", true, Rle, 28, Timed, false, false},
    {"BOX_BOMB_KILL", true, Rle, 17, Timed, false, false},
    {"PIRANHA_SWIMMING", true, Animated, 8, Timed, true, true},
    // The options screen came last, so that it leaves everything before it where it was.
    {"BUTTON_OPTIONS_HIGH_LIGHT", false, Rle, 1, Still, false, false},
    {"OPTIONS", false, Rle, 1, Still, false, false},
    {"OPTIONS_ROW_HIGH_LIGHT", false, Rle, 1, Still, false, false},
    {"BUTTON_TWO_PLAYERS_HIGH_LIGHT", false, Rle, 1, Still, false, false},
};

// The pictures with words on them: their files are named for the language (LanguageVariant).
constexpr const char* kWorded[] = {
    "TITLE_MENU",
    "HIGH_SCORE",
    "HELP",
    "CREDITS",
    "CREDITS_MASK",
    "PRELOAD",
    "BUTTON_START_HIGH_LIGHT",
    "BUTTON_HELP_HIGH_LIGHT",
    "BUTTON_HIGH_SCORE_HIGH_LIGHT",
    "BUTTON_EXIT_HIGH_LIGHT",
    "BUTTON_MUSIC_HIGH_LIGHT",
    "BUTTON_SHADOW_HIGH_LIGHT",
    "BUTTON_BACK_HELP_HIGH_LIGHT",
    "BUTTON_CREDITS_HIGH_LIGHT",
    "BUTTON_BACK_HIGH_SCORE_HIGH_LIGHT",
    "BUTTON_BACK_CREDITS_HIGH_LIGHT",
    "BUTTON_OPTIONS_HIGH_LIGHT",
    "OPTIONS",
    "BUTTON_TWO_PLAYERS_HIGH_LIGHT",
};

// Loaded whole, in this order; the second list with volume control.
constexpr const char* kEffects[] = {
    "SOUND_HIGHSCORE",
    "SOUND_FROG_DROWN",
    "SOUND_FROG_EAT",
    "SOUND_FROG_MOVE",
    "SOUND_FROG_JUMP",
    "SOUND_FROG_KNOCKED_OVER",
    "SOUND_FROG_BLOCKED_MOVE",
    "SOUND_FROG_PICK_STAR",
    "SOUND_FROG_PIERCED",
    "SOUND_FROG_IDLE",
    "SOUND_LEVEL_FINISHED",
    "SOUND_LEVEL_FINISHED_FULL_LEVEL",
    "SOUND_MENU_BUTTON_CLICK",
    "SOUND_GAME_OVER",
    "SOUND_BONUS_LIFE",
    "SOUND_LOSE_LIFE",
    "SOUND_COUNT_DOWN",
    "SOUND_RAGTOP_CLOSED_CRASH",
    "SOUND_RAGTOP_OPEN_CRASH",
    "SOUND_SMALL_CAR_CRASH",
    "SOUND_TRUCK_CRASH",
    "SOUND_FROG_KILL_BOX_DROWN",
    "SOUND_FROG_KILL_BOX_HAMMER",
    "SOUND_FROG_KILL_CHEZ_FRED",
    "SOUND_FROG_KILL_GARBAGE",
    "SOUND_TRUCK_BREAK",
    "SOUND_DIVE",
    "SOUND_HIPPO_ANGRY",
    "SOUND_FROG_KILL_BOX_RED_BUTTON",
    "SOUND_FROG_KILL_AQUARIUM",
    "SOUND_FROG_KILL_BOX_BOMB",
    "SOUND_FROG_KILL_CEMENT_MIXER",
    "SOUND_FROG_KILL_ELECTRIC",
    "SOUND_FROG_KILL_PIRANHA",
};
constexpr const char* kVolumeControlled[] = {
    "SOUND_THEME",
    "SOUND_AMBIENT_RIVER",
    "SOUND_AMBIENT_ROAD",
    "SOUND_AMBIENT_INSECTS",
    "SOUND_AMBIENT_ROAD_UNDERGROUND",
};
constexpr int kSoundCount = static_cast<int>(std::size(kEffects) + std::size(kVolumeControlled));
// The bar's top edge on the preload screen.
constexpr int kBarTop = 111;

SpriteInfo InfoOf(const Entry& entry) {
    SpriteInfo info;
    info.name = NormalizeLabel(entry.label);
    info.crop = entry.crop;
    info.type = entry.type;
    info.numFrames = entry.numFrames;
    info.duration = entry.duration == Still ? 1.0f : 0.0f;
    info.mirrored = entry.mirrored;
    info.loop = entry.loop;
    return info;
}

// The files of a worded picture in the active language; none (the German files under the
// label's own name) for German and for a picture the data lacks in the language.
std::string WordedFile(const std::string& name) {
    const Language language = Singleton<Translation>::Instance().Active();
    const std::string file = LanguageVariant(name, language);
    if (file == name)
        return {};
    if (!Singleton<FileLoader>::Instance().Exists(file, ".bmp")) {
        Log("The data has no %s picture %s; the German one stays.\n", LanguageCode(language),
            file.c_str());
        return {};
    }
    return file;
}

} // namespace

bool AssetCatalogue::RegisterAssets() {
    SpriteManager& sprites = Singleton<SpriteManager>::Instance();
    for (const Entry& entry : kEntries) {
        SpriteInfo info = InfoOf(entry);
        if (entry.duration == Timed)
            info.duration = Singleton<SettingsManager>::Instance().GetFloat(info.name + "Interval");
        if (IsWorded(info.name))
            info.file = WordedFile(info.name);
        sprites.SetSpriteInfo(info);
    }
    return true;
}

bool AssetCatalogue::UseLanguage(Language language) {
    const bool spoken = Singleton<Translation>::Instance().Load(language);
    SpriteManager& sprites = Singleton<SpriteManager>::Instance();
    for (const char* label : kWorded) {
        const SpriteInfo* registered = sprites.GetSpriteInfo(label);
        if (!registered)
            continue;
        SpriteInfo info = *registered;
        info.file = WordedFile(info.name);
        sprites.SetSpriteInfo(info);
        sprites.Forget(info.name);
    }
    Singleton<Game>::Instance().menus.LoadCredits();
    return spoken;
}

bool AssetCatalogue::IsWorded(const std::string& label) {
    const std::string name = NormalizeLabel(label);
    return std::any_of(std::begin(kWorded), std::end(kWorded),
                       [&name](const char* worded) { return NormalizeLabel(worded) == name; });
}

std::optional<SpriteInfo> AssetCatalogue::Definition(const std::string& label) {
    const std::string name = NormalizeLabel(label);
    for (const Entry& entry : kEntries)
        if (NormalizeLabel(entry.label) == name)
            return InfoOf(entry);
    return std::nullopt;
}

namespace {

// Counts the preload's steps and draws the bar after each.
class Progress {
  public:
    Progress(int total, WindowProcedure& procedure) : total(total), procedure(procedure) {}

    bool Step(const std::string& loaded) {
        const bool shown = AssetCatalogue::ShowProgress(
            static_cast<float>(step) / static_cast<float>(total), procedure);
        ++step;
        if (!shown)
            Log("Failed to update after loading %s", loaded.c_str());
        return shown;
    }

  private:
    int step = 0;
    int total;
    WindowProcedure& procedure;
};

bool LoadSounds(const char* const* labels, std::size_t count, unsigned flags, Progress& progress) {
    SoundEngine& sound = Singleton<SoundEngine>::Instance();
    const std::string base = Singleton<FileLoader>::Instance().GetBasePath();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string label = NormalizeLabel(labels[i]);
        if (!sound.createSfx(label, base + label + ".wav", flags, true))
            sound.createSfx(label, base + label + ".ogg", flags, true);
        if (!progress.Step(label))
            return false;
    }
    return true;
}

bool SoundIsOn(bool soundDeviceOk) {
    const bool wanted = Singleton<SettingsManager>::Instance().GetBool("enableSound");
    if (!soundDeviceOk) {
        Log("Disabling Sound due to invalid device.\n");
        return false;
    }
    return wanted;
}

} // namespace

bool AssetCatalogue::PreloadAssets(WindowProcedure& procedure) {
    SpriteManager& sprites = Singleton<SpriteManager>::Instance();
    std::vector<std::string> labels;
    sprites.GetAllSpriteLabels(labels);
    Progress progress(static_cast<int>(labels.size()) + kSoundCount, procedure);

    Game& game = Singleton<Game>::Instance();
    SoundEngine& sound = Singleton<SoundEngine>::Instance();
    sound.setSoundEnabled(SoundIsOn(game.soundDeviceOk));
    if (sound.soundEnabled()) {
        if (!LoadSounds(kEffects, std::size(kEffects), 0, progress) ||
            !LoadSounds(kVolumeControlled, std::size(kVolumeControlled), SfxFlag::VolumeControl,
                        progress))
            return false;
        if (SoundFx* theme = sound.find(NormalizeLabel("SOUND_THEME")))
            theme->playLooping();
    }
    for (const std::string& label : labels) {
        Log("Loading %s...\n", label.c_str());
        sprites.GetSprite(label, false);
        if (const SpriteInfo* info = sprites.GetSpriteInfo(label); info && info->mirrored)
            sprites.GetSprite(label, true);
        if (!progress.Step(label))
            return false;
    }
    game.NewGame();
    return true;
}

bool AssetCatalogue::ShowProgress(float progress, WindowProcedure& procedure) {
    static const std::string screenLabel = NormalizeLabel("PRELOAD");
    static const std::string barLabel = NormalizeLabel("PROGRESS_BAR");
    SpriteManager& sprites = Singleton<SpriteManager>::Instance();
    Sprite* screen = sprites.GetSprite(screenLabel);
    Sprite* bar = sprites.GetSprite(barLabel);
    if (!screen || !bar) {
        Log("Failed to load progress bar sprite");
        return false;
    }
    Log("RelProg: %2.2f\n", static_cast<double>(progress));
    screen->Draw(0, 0);
    // The bar fills from the bottom up; its top edge sits at row kBarTop.
    const int w = bar->GetWidth();
    const int h = bar->GetHeight();
    const int hidden = static_cast<int>(static_cast<float>(h - 2) * (1.0f - progress));
    bar->DrawPartScaled({0, hidden, w - 1, h - 1}, {0, kBarTop + hidden, w - 1, kBarTop - 1 + h});
    sprites.ProcessInvalidSprites();
    Singleton<DirectDraw>::Instance().Present();

    platform::Window& window = platform::Platform::current().window();
    platform::Message message;
    while (window.peekMessage(message)) {
        if (message.type == platform::Message::Type::Quit) {
            // Kept as written: logs and their readers rely on this exact line.
            Log("Received WM_QUI.\n");
            // Left queued: the program's exit code travels with it.
            window.postQuit(message.value);
            return false;
        }
        procedure.Handle(message);
    }
    return true;
}
