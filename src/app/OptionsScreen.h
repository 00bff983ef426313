#pragma once

#include "core/PlayerSettings.h"

#include <optional>
#include <string>

// The options screen of the title menu: a list of rows, one setting each, steered by keyboard,
// mouse and controller alike. Up and down choose a row; left and right change its value; Return,
// a click or the pad's A step it on, or start a key's "press a key" prompt. Every change is
// applied and saved at once, so Escape leaves with all that was set.
class OptionsScreen {
  public:
    enum class Row {
        MusicVolume,
        EffectsVolume,
        Language,
        Display,
        CrispScaling,
        Motion,
        Shadows,
        PauseOnFocusLoss,
        KeyUp,
        KeyDown,
        KeyLeft,
        KeyRight,
        KeyTongue,
        KeyPause,
        ResetKeys,
        Back
    };
    static constexpr int kRowCount = static_cast<int>(Row::Back) + 1;
    // Where the rows lie on the options picture, which the data generator draws to match: each
    // row's bar, its label at the left and its value ending at the right.
    static constexpr int kFirstRowTop = 90;
    static constexpr int kRowStep = 28;
    static constexpr int kRowLeft = 130;
    static constexpr int kRowWidth = 540;
    static constexpr int kRowHeight = 26;

    // Entering from the title: the first row chosen, no prompt.
    void Open();
    void RunFrame(float dt);
    void OnKey(int key);
    void OnMouseUp(int x, int y);

    Row Selected() const { return selected; }
    // The action waiting for its new key, if any.
    std::optional<PlayerSettings::Action> Prompting() const { return prompting; }

  private:
    void Draw() const;
    void DrawRow(int index, int top) const;
    std::string ValueText(Row row) const;
    void Move(int step);
    // -1 or +1: a volume by ten, a choice to the other one.
    void Change(int step);
    void Activate();
    void TakeKey(int key);
    void Say(const char* english);

    Row selected = Row::MusicVolume;
    std::optional<PlayerSettings::Action> prompting;
    // A short word under the list, as after a refused key.
    std::string notice;
    float noticeSeconds = 0.0f;
};
