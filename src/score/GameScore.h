#pragma once

#include "core/Singleton.h"

class Level;

// The running game's score: every scoring event with its configured value, the floating number
// that shows it, the stars toward a bonus life, and the smoothly counting value of the HUD.
class GameScore {
  public:
    // Stars per bonus life until the settings are read.
    static constexpr int kDefaultStarsPerBonusLife = 5;

    // Starts a game's score. The level lends its camera to place the popups and its record for
    // the bonus lives; it outlives every game.
    void init(Level& level);
    // Moves the displayed score toward the real one.
    void update(float dt);

    void addTruckToTruck();
    void addAreaDone();
    // Points for the seconds left on the level clock, shown where the frog is drawn.
    void addTimeBonus(float frogX, float frogY);
    void addInsectEaten(int insectType, float x, float y);
    // The star of the truck at (x, y).
    void addStar(float x, float y);
    void addPiercing(float x, float y);

    // What one of two players has scored, kept while the other plays.
    struct Standing {
        int score = 0;
        float displayedScore = 0.0f;
        int starsCollected = 0;
    };
    Standing standing() const { return {score, displayedScore, starsCollected}; }
    void restore(const Standing& kept);

    int getScore() const { return score; }
    float getDisplayedScore() const { return displayedScore; }
    int getStarsCollected() const { return starsCollected; }

  private:
    friend class Singleton<GameScore>;
    GameScore() = default;

    void award(int amount, float x, float y, bool clampAtZero);
    void grantBonusLife();

    Level* level = nullptr;
    int score = 0;
    float displayedScore = 0.0f;
    float countSpeed = 0.0f;
    int starsCollected = 0;
    int piercingScore = 0;
    int businessBugScore = 0;
    int butterflyScore = 0;
    int newsBugScore = 0;
    int toolBugScore = 0;
    int voyagerBugScore = 0;
    int starScore = 0;
    int truckToTruckScore = 0;
    int starsPerBonusLife = kDefaultStarsPerBonusLife;
    // Read on the first time bonus of the run and kept.
    bool perSecondLeftRead = false;
    int scorePerSecondLeft = 0;
};
