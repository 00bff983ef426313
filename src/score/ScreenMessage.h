#pragma once

#include "core/Singleton.h"

#include <list>
#include <string>

// Short centred announcements over the playing field, and the numbers that float away from
// where points were scored.
class ScreenMessage {
  public:
    struct Popup {
        float age = 0.0f;
        float x = 0.0f;
        float y = 0.0f; // upward from the bottom edge
        int value = 0;
    };

    void init();
    // Replaces whatever message is showing; there is no queue.
    void showMessage(const std::string& line1, const std::string& line2);
    void showLevelDone();
    void showTimeOut();
    void showBonusLife();
    void showStarBonus();
    void showTruckToTruck();
    // Whose turn it is now, in a game of two.
    void showPlayer(int player);
    // (x, y): screen pixels from the left and from the bottom edge.
    void showScore(int x, int y, int value);
    void clear();
    // Advances, expires and draws the message and the popups.
    void update(float dt);

    bool isActive() const { return active; }
    const std::string& line1() const { return lines[0].text; }
    const std::string& line2() const { return lines[1].text; }
    int lineX(int i) const { return lines[i].x; }
    int lineY(int i) const { return lines[i].y; }
    const std::list<Popup>& popups() const { return scorePopups; }

  private:
    friend class Singleton<ScreenMessage>;
    ScreenMessage() = default;

    struct Line {
        std::string text;
        int x = 0;
        int y = 0;
        int offset = 0;
    };

    void placeLine(Line& line, const std::string& text) const;
    void updateMessage(float dt);
    void updatePopups(float dt);

    Line lines[2];
    float shownTime = 0.0f;
    float messageInterval = 0.0f;
    bool active = false;
    std::list<Popup> scorePopups;
    float scoreDisplayTime = 0.0f;
    float scoreScrollSpeed = 0.0f;
};
