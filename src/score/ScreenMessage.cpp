#include "score/ScreenMessage.h"

#include "core/Rounding.h"
#include "core/SettingsManager.h"
#include "core/Translation.h"
#include "gfx/DirectDraw.h"
#include "gfx/HUDFont.h"
#include "gfx/ScoreFont.h"

#include <string>

namespace {

constexpr float kPopupRiseRatio = 0.5f;

} // namespace

void ScreenMessage::init() {
    SettingsManager& settings = Singleton<SettingsManager>::Instance();
    messageInterval = settings.GetFloat("messageInterval");
    lines[0].offset = settings.GetInt("vertOffsetMessageLine1");
    lines[1].offset = settings.GetInt("vertOffsetMessageLine2");
    scoreDisplayTime = static_cast<float>(settings.GetInt("scoreDisplayTime"));
    scoreScrollSpeed = static_cast<float>(settings.GetInt("scoreScrollSpeed"));
}

void ScreenMessage::showMessage(const std::string& line1, const std::string& line2) {
    active = true;
    shownTime = 0.0f;
    placeLine(lines[0], line1);
    placeLine(lines[1], line2);
}

void ScreenMessage::placeLine(Line& line, const std::string& text) const {
    const int screenWidth = Singleton<DirectDraw>::Instance().GetWidth();
    line.text = text;
    line.x = (screenWidth - Singleton<HUDFont>::Instance().GetTextWidth(text)) / 2;
    line.y = line.offset;
}

// The second lines are fixed: they do not follow the configured point values.
void ScreenMessage::showLevelDone() {
    showMessage(Tr("Level complete!"), Tr("200 points!"));
}
void ScreenMessage::showTimeOut() {
    showMessage(Tr("Your time is up!"), "");
}
void ScreenMessage::showBonusLife() {
    showMessage(Tr("Bonus life!"), "");
}
void ScreenMessage::showStarBonus() {
    showMessage(Tr("Star bonus!"), Tr("200 points!"));
}
void ScreenMessage::showTruckToTruck() {
    showMessage(Tr("Truck to truck travel!"), Tr("100 points!"));
}

void ScreenMessage::showPlayer(int player) {
    showMessage(Tr("Player") + " " + std::to_string(player), "");
}

void ScreenMessage::showScore(int x, int y, int value) {
    scorePopups.push_back({0.0f, static_cast<float>(x), static_cast<float>(y), value});
}

void ScreenMessage::clear() {
    active = false;
    scorePopups.clear();
}

void ScreenMessage::update(float dt) {
    updateMessage(dt);
    updatePopups(dt);
}

void ScreenMessage::updateMessage(float dt) {
    if (!active)
        return;
    shownTime += dt;
    if (shownTime <= messageInterval) {
        HUDFont& font = Singleton<HUDFont>::Instance();
        for (const Line& line : lines)
            font.DrawText(line.x, line.y, line.text, false);
        return;
    }
    lines[0].text.clear();
    lines[1].text.clear();
    active = false;
    shownTime = 0.0f;
}

void ScreenMessage::updatePopups(float dt) {
    const int screenHeight = Singleton<DirectDraw>::Instance().GetHeight();
    ScoreFont& font = Singleton<ScoreFont>::Instance();
    for (auto it = scorePopups.begin(); it != scorePopups.end();) {
        Popup& popup = *it;
        popup.age += dt;
        popup.x += dt * scoreScrollSpeed;
        popup.y += dt * scoreScrollSpeed * kPopupRiseRatio;
        if (popup.age > scoreDisplayTime) {
            it = scorePopups.erase(it);
            continue;
        }
        font.DrawText(RoundToInt(popup.x), screenHeight - RoundToInt(popup.y),
                      std::to_string(popup.value), false);
        ++it;
    }
}
