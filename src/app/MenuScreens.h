#pragma once

#include "app/GameState.h"

#include <span>
#include <string>
#include <vector>

// The screens outside a game: the title menu with its two check boxes, help, the high-score
// table and the scrolling credits; their buttons with highlight and click, and the pointer the
// game draws itself.
class MenuScreens {
  public:
    enum class Action {
        ToggleMusic,
        ToggleShadows,
        Start,
        Help,
        HighScores,
        Exit,
        Title,
        Credits,
        LeaveHighScores,
        Options,
        StartTwoPlayers
    };
    enum class Direction { Left, Right, Up, Down };

    // Rectangles are open: a point on the edge is outside.
    struct Button {
        GameState screen;
        int left, top, right, bottom;
        const char* highlight;
        Action action;

        bool contains(int x, int y) const { return left < x && x < right && top < y && y < bottom; }
    };

    // One frame of the screen of `state`: picture and content, highlights, pointer.
    void RunFrame(GameState state, float dt);
    // A press on a button clicks; the release on it acts.
    void OnMouseDown(GameState state, int x, int y) const;
    void OnMouseUp(GameState state, int x, int y) const;
    void DrawButtonHighlights(GameState state) const;
    void DrawPointer() const;

    // A game controller on a screen with buttons. Its first press only shows the highlight, on
    // the button that leaves the screen the usual way; the d-pad then moves it to the nearest
    // button that way, and A presses it with the click and the button's action.
    static bool HasButtons(GameState state);
    // Every screen's buttons, for players that aim at them from outside.
    static std::span<const Button> Buttons();
    void MovePadFocus(GameState state, Direction direction);
    void PressPadFocus(GameState state);
    // The mouse moved: the highlight follows the pointer again.
    void DropPadFocus() { padFocus = kNoFocus; }

    void LoadCredits();
    void ResetCredits() { creditsOffset = 0.0f; }
    const std::vector<std::string>& CreditsLines() const { return creditsLines; }
    float CreditsOffset() const { return creditsOffset; }

  private:
    void DrawContent(GameState state, float dt);
    void DrawCredits(float dt);
    static void Perform(Action action);
    static void PlayClick();
    bool HasPadFocus(GameState state) const;

    static constexpr int kNoFocus = -1;

    std::vector<std::string> creditsLines;
    float creditsOffset = 0.0f;
    int padFocus = kNoFocus; // index into the button table
};
