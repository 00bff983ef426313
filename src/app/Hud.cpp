#include "app/Hud.h"

#include "core/StringUtil.h"
#include "core/Translation.h"
#include "core/Truncation.h"
#include "gfx/DirectDraw.h"
#include "gfx/HUDFont.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "platform/Platform.h"
#include "score/GameScore.h"
#include "score/ScreenMessage.h"
#include "world/LevelSettings.h"

#include <algorithm>
#include <string>

namespace {

constexpr unsigned kBlinkMilliseconds = 500;
constexpr unsigned kPauseBlinkMilliseconds = 333;
constexpr int kMargin = 10;
constexpr int kIconStep = 50;
constexpr int kFirstGoalIconX = 550;
constexpr int kPauseY = 200;
// Under the clock.
constexpr int kPlayerY = 45;

Sprite* Find(const char* label) {
    return Singleton<SpriteManager>::Instance().GetSprite(label);
}

bool BlinkOff(bool blink, unsigned milliseconds) {
    return blink && (milliseconds / kBlinkMilliseconds) % 2 == 1;
}

} // namespace

std::string Hud::ClockText(float levelTime) {
    const int seconds = std::max(TruncateToInt(levelTime), 0);
    return StringUtil::Format("%d:%02d", seconds / 60, seconds % 60);
}

void Hud::DrawHud(const LevelSettings& level, bool paused, float dt, bool blinkLives,
                  bool blinkGoals) {
    const unsigned now = platform::Platform::current().clock().milliseconds();
    DrawCounters(level);
    DrawLives(level.lives, blinkLives, now);
    DrawFrogsOfLevel(level, blinkGoals, now);
    DrawPauseOrMessages(paused, dt, now);
}

void Hud::DrawMark(const std::string& text) {
    HUDFont& font = Singleton<HUDFont>::Instance();
    const int width = Singleton<DirectDraw>::Instance().GetWidth();
    font.DrawText((width - font.GetTextWidth(text)) / 2, kMargin, text, false);
}

void Hud::DrawCounters(const LevelSettings& level) const {
    HUDFont& font = Singleton<HUDFont>::Instance();
    const DirectDraw& display = Singleton<DirectDraw>::Instance();
    const int w = display.GetWidth();
    const int h = display.GetHeight();
    const GameScore& score = Singleton<GameScore>::Instance();
    font.DrawText(kMargin, kMargin, ClockText(level.levelTime), false);
    if (player > 0)
        font.DrawText(kMargin, kPlayerY, Tr("Player") + " " + std::to_string(player), false);
    font.DrawText(w - 11, kMargin, std::to_string(TruncateToInt(score.getDisplayedScore())), true);
    font.DrawText(w - 50, h - 45, std::to_string(score.getStarsCollected()), true);
    if (Sprite* star = Find("STAR"))
        star->Draw(w - star->GetWidth() - 15, h - star->GetHeight() - 15);
}

void Hud::DrawLives(int lives, bool blink, unsigned milliseconds) const {
    Sprite* head = Find("FROG_HEAD");
    if (!head)
        return;
    const int count = lives - (BlinkOff(blink, milliseconds) ? 1 : 0);
    const int y = Singleton<DirectDraw>::Instance().GetHeight() - head->GetHeight() - 11;
    for (int i = 0; i < count; ++i)
        head->Draw(kMargin + kIconStep * i, y);
}

void Hud::DrawFrogsOfLevel(const LevelSettings& level, bool blink, unsigned milliseconds) const {
    Sprite* home = Find("FROG_TO_GOAL");
    Sprite* left = Find("FROG_TO_GOAL_LEFT");
    if (!home || !left)
        return;
    const int homeCount = level.frogsRemaining + (BlinkOff(blink, milliseconds) ? 1 : 0);
    const int y = Singleton<DirectDraw>::Instance().GetHeight() - home->GetHeight() - 11;
    for (int i = 0; i < homeCount; ++i)
        home->Draw(kFirstGoalIconX + kIconStep * i, y);
    for (int i = homeCount; i < level.frogsToGoal; ++i)
        left->Draw(kFirstGoalIconX + kIconStep * i, y);
}

// The word takes two of every three periods; the messages, which it would hide, the third.
void Hud::DrawPauseOrMessages(bool paused, float dt, unsigned milliseconds) {
    if (paused && (milliseconds / kPauseBlinkMilliseconds) % 3 != 0) {
        HUDFont& font = Singleton<HUDFont>::Instance();
        // Asked each time: the language may have changed since the last pause.
        const std::string word = Tr("Pause");
        const int w = Singleton<DirectDraw>::Instance().GetWidth();
        font.DrawText((w - font.GetTextWidth(word)) / 2, kPauseY, word, false);
        return;
    }
    Singleton<ScreenMessage>::Instance().update(dt);
}
