#include "app/OptionsScreen.h"

#include "app/Game.h"
#include "core/Language.h"
#include "core/ScreenSize.h"
#include "core/Translation.h"
#include "gfx/HUDFont.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteLabel.h"
#include "gfx/SpriteManager.h"
#include "platform/KeyName.h"
#include "platform/VirtualKey.h"
#include "sound/SoundEngine.h"

#include <algorithm>

namespace {

using Row = OptionsScreen::Row;
using Action = PlayerSettings::Action;

// The text inside a row's bar, and the notice on the road below the list.
constexpr int kTextInset = 20;
constexpr int kTextDrop = 2;
constexpr int kNoticeY = 568;
constexpr float kNoticeSeconds = 2.0f;

constexpr const char* kRowLabels[OptionsScreen::kRowCount] = {
    N_("Music volume"),   N_("Effects volume"),
    N_("Language"),       N_("Display"),
    N_("Crisp scaling"),  N_("Motion"),
    N_("Car shadows"),    N_("Pause when the window is left"),
    N_("Hop up"),         N_("Hop down"),
    N_("Hop left"),       N_("Hop right"),
    N_("Tongue"),         N_("Pause"),
    N_("Reset the keys"), N_("Back"),
};

constexpr Row kFirstKeyRow = Row::KeyUp;

std::optional<Action> ActionOf(Row row) {
    const int index = static_cast<int>(row) - static_cast<int>(kFirstKeyRow);
    if (index < 0 || index >= PlayerSettings::kActionCount)
        return std::nullopt;
    return static_cast<Action>(index);
}

std::string OnOff(bool on) {
    return on ? Tr("on") : Tr("off");
}

// Letters and digits as themselves; the other keys by their name in the player's language.
std::string KeyText(int key) {
    switch (key) {
    case platform::vk::Left:
        return Tr("Arrow left");
    case platform::vk::Right:
        return Tr("Arrow right");
    case platform::vk::Up:
        return Tr("Arrow up");
    case platform::vk::Down:
        return Tr("Arrow down");
    case platform::vk::Space:
        return Tr("Space");
    case platform::vk::Return:
        return Tr("Return");
    default:
        return platform::KeyNameOf(key);
    }
}

int Stepped(int volume, int step) {
    return std::clamp(volume + step * PlayerSettings::kVolumeStep, 0, PlayerSettings::kMaxVolume);
}

void PlaySound(const char* label) {
    Singleton<SoundEngine>::Instance().playSound(NormalizeLabel(label));
}

void DrawSprite(const char* label, int x, int y) {
    if (Sprite* sprite = Singleton<SpriteManager>::Instance().GetSprite(label))
        sprite->Draw(x, y);
}

} // namespace

void OptionsScreen::Open() {
    selected = Row::MusicVolume;
    prompting.reset();
    notice.clear();
}

void OptionsScreen::RunFrame(float dt) {
    noticeSeconds = std::max(0.0f, noticeSeconds - dt);
    Draw();
    Singleton<Game>::Instance().menus.DrawPointer();
}

void OptionsScreen::Draw() const {
    DrawSprite("OPTIONS", 0, 0);
    HUDFont& font = Singleton<HUDFont>::Instance();
    for (int index = 0; index < kRowCount; ++index)
        DrawRow(index, kFirstRowTop + index * kRowStep);
    if (noticeSeconds > 0.0f)
        font.DrawTextScaled((ScreenSize::kWidth - font.GetTextWidthScaled(notice)) / 2, kNoticeY,
                            notice, false);
}

void OptionsScreen::DrawRow(int index, int top) const {
    const Row row = static_cast<Row>(index);
    if (row == selected)
        DrawSprite("OPTIONS_ROW_HIGH_LIGHT", kRowLeft, top);
    HUDFont& font = Singleton<HUDFont>::Instance();
    const int y = top + kTextDrop;
    font.DrawTextScaled(kRowLeft + kTextInset, y, Tr(kRowLabels[index]), false);
    font.DrawTextScaled(kRowLeft + kRowWidth - kTextInset, y, ValueText(row), true);
}

std::string OptionsScreen::ValueText(Row row) const {
    const Game& game = Singleton<Game>::Instance();
    const PlayerSettings& settings = game.options.Current();
    if (const std::optional<Action> action = ActionOf(row))
        return prompting == action ? Tr("Press a key") : KeyText(settings.KeyOf(*action));
    switch (row) {
    case Row::MusicVolume:
        return std::to_string(settings.musicVolume) + " %";
    case Row::EffectsVolume:
        return std::to_string(settings.effectsVolume) + " %";
    case Row::Language:
        // Each language by its own name, so that a player lost in the other finds theirs.
        return Singleton<Translation>::Instance().Active() == Language::German ? "Deutsch"
                                                                               : "English";
    case Row::Display:
        return game.options.Fullscreen() ? Tr("Full screen") : Tr("Window");
    case Row::CrispScaling:
        return OnOff(game.options.CrispScaling());
    case Row::Motion:
        return settings.smoothMotion ? Tr("smooth") : Tr("classic");
    case Row::Shadows:
        return OnOff(game.shadowsOn);
    case Row::PauseOnFocusLoss:
        return OnOff(settings.pauseOnFocusLoss);
    default:
        return {};
    }
}

void OptionsScreen::OnKey(int key) {
    if (prompting) {
        TakeKey(key);
        return;
    }
    switch (key) {
    case platform::vk::Escape:
        Singleton<Game>::Instance().FadeToState(GameState::TitleMenu);
        break;
    case platform::vk::Up:
    case platform::vk::PadUp:
    case platform::vk::StickUp:
        Move(-1);
        break;
    case platform::vk::Down:
    case platform::vk::PadDown:
    case platform::vk::StickDown:
        Move(1);
        break;
    case platform::vk::Left:
    case platform::vk::PadLeft:
    case platform::vk::StickLeft:
        Change(-1);
        break;
    case platform::vk::Right:
    case platform::vk::PadRight:
    case platform::vk::StickRight:
        Change(1);
        break;
    case platform::vk::Return:
    case platform::vk::Space:
    case platform::vk::PadA:
        Activate();
        break;
    default:
        break;
    }
}

void OptionsScreen::OnMouseUp(int x, int y) {
    if (prompting)
        return;
    const int index = (y - kFirstRowTop) / kRowStep;
    if (y < kFirstRowTop || index >= kRowCount || x < kRowLeft || x >= kRowLeft + kRowWidth)
        return;
    selected = static_cast<Row>(index);
    Activate();
}

void OptionsScreen::Move(int step) {
    const int index = (static_cast<int>(selected) + step + kRowCount) % kRowCount;
    selected = static_cast<Row>(index);
}

void OptionsScreen::Change(int step) {
    Game& game = Singleton<Game>::Instance();
    PlayerSettings wanted = game.options.Current();
    switch (selected) {
    case Row::MusicVolume:
        wanted.musicVolume = Stepped(wanted.musicVolume, step);
        break;
    case Row::EffectsVolume:
        wanted.effectsVolume = Stepped(wanted.effectsVolume, step);
        break;
    case Row::Language:
        wanted.language = Singleton<Translation>::Instance().Active() == Language::German
                              ? LanguageCode(Language::English)
                              : LanguageCode(Language::German);
        break;
    case Row::Display:
        wanted.fullscreen = !game.options.Fullscreen();
        break;
    case Row::CrispScaling:
        wanted.crispScaling = !game.options.CrispScaling();
        break;
    case Row::Motion:
        wanted.smoothMotion = !wanted.smoothMotion;
        break;
    case Row::Shadows:
        game.ToggleShadows();
        return;
    case Row::PauseOnFocusLoss:
        wanted.pauseOnFocusLoss = !wanted.pauseOnFocusLoss;
        break;
    default:
        return;
    }
    const int effectsBefore = game.options.Current().effectsVolume;
    game.options.Update(wanted);
    // The player hears the new effects volume at once.
    if (game.options.Current().effectsVolume != effectsBefore)
        PlaySound("SOUND_FROG_EAT");
    else
        PlaySound("SOUND_MENU_BUTTON_CLICK");
}

// Return on a value steps it on; a volume at the top starts again from silence.
void OptionsScreen::Activate() {
    Game& game = Singleton<Game>::Instance();
    const PlayerSettings& settings = game.options.Current();
    if (const std::optional<Action> action = ActionOf(selected)) {
        PlaySound("SOUND_MENU_BUTTON_CLICK");
        prompting = action;
        return;
    }
    switch (selected) {
    case Row::MusicVolume:
    case Row::EffectsVolume: {
        const int volume =
            selected == Row::MusicVolume ? settings.musicVolume : settings.effectsVolume;
        if (volume < PlayerSettings::kMaxVolume) {
            Change(1);
            return;
        }
        PlayerSettings wanted = settings;
        (selected == Row::MusicVolume ? wanted.musicVolume : wanted.effectsVolume) = 0;
        game.options.Update(wanted);
        PlaySound("SOUND_MENU_BUTTON_CLICK");
        return;
    }
    case Row::ResetKeys: {
        PlayerSettings wanted = settings;
        wanted.keys = PlayerSettings::DefaultKeys();
        game.options.Update(wanted);
        PlaySound("SOUND_MENU_BUTTON_CLICK");
        Say(N_("The keys are as they came"));
        return;
    }
    case Row::Back:
        PlaySound("SOUND_MENU_BUTTON_CLICK");
        game.FadeToState(GameState::TitleMenu);
        return;
    default:
        Change(1);
        return;
    }
}

// Escape gives up the prompt; a key another action holds, or one the game keeps for itself, is
// refused with a word and the prompt stays.
void OptionsScreen::TakeKey(int key) {
    if (key == platform::vk::Escape) {
        prompting.reset();
        return;
    }
    Game& game = Singleton<Game>::Instance();
    PlayerSettings wanted = game.options.Current();
    const std::optional<Action> holder = wanted.ActionOn(key);
    if (!PlayerSettings::IsBindable(key)) {
        Say(N_("That key is not free to choose"));
        return;
    }
    if (holder && holder != prompting) {
        Say(N_("Another action has that key"));
        return;
    }
    wanted.Bind(*prompting, key);
    game.options.Update(wanted);
    prompting.reset();
    PlaySound("SOUND_MENU_BUTTON_CLICK");
}

void OptionsScreen::Say(const char* english) {
    notice = Tr(english);
    noticeSeconds = kNoticeSeconds;
}
