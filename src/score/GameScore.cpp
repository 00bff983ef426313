#include "score/GameScore.h"

#include "core/Rounding.h"
#include "core/SettingsManager.h"
#include "core/Truncation.h"
#include "gfx/SpriteLabel.h"
#include "score/ScreenMessage.h"
#include "sound/SoundEngine.h"
#include "world/Level.h"

#include <algorithm>
#include <climits>

namespace {

// Insect types as the insects number them; an unexpected one scores this much.
constexpr int kBusinessBug = 2;
constexpr int kButterfly = 3;
constexpr int kNewsBug = 4;
constexpr int kToolBug = 6;
constexpr int kVoyagerBug = 7;
constexpr int kUnknownInsectScore = 10;

SettingsManager& Config() {
    return Singleton<SettingsManager>::Instance();
}

// Scores add up over a long game; a configured amount must not overflow them.
int Add(int score, int amount) {
    return static_cast<int>(
        std::clamp<long long>(static_cast<long long>(score) + amount, INT_MIN, INT_MAX));
}

} // namespace

void GameScore::init(Level& newLevel) {
    level = &newLevel;
    SettingsManager& settings = Config();
    piercingScore = settings.GetInt("piercingScore");
    businessBugScore = settings.GetInt("businessBugScore");
    butterflyScore = settings.GetInt("butterflyScore");
    newsBugScore = settings.GetInt("newsBugScore");
    toolBugScore = settings.GetInt("toolBugScore");
    voyagerBugScore = settings.GetInt("voyagerBugScore");
    starScore = settings.GetInt("starScore");
    truckToTruckScore = settings.GetInt("truckToTruckTravelScore");
    countSpeed = settings.GetFloat("scoreCountSpeed");
    starsPerBonusLife = TruncateToInt(settings.GetFloat("numStarsForBonusLife"));
    score = 0;
    displayedScore = 0.0f;
    starsCollected = 0;
}

void GameScore::restore(const Standing& kept) {
    score = kept.score;
    displayedScore = kept.displayedScore;
    starsCollected = kept.starsCollected;
}

void GameScore::update(float dt) {
    if (TruncateToInt(displayedScore) == score)
        return;
    const float step = dt * countSpeed;
    const float target = static_cast<float>(score);
    if (displayedScore < target)
        displayedScore = std::min(displayedScore + step, target);
    else
        displayedScore = std::max(displayedScore - step, target);
}

void GameScore::addTruckToTruck() {
    score = Add(score, truckToTruckScore);
}

void GameScore::addAreaDone() {
    score = Add(score, Config().GetInt("areaDoneScore"));
}

void GameScore::addTimeBonus(float frogX, float frogY) {
    if (!perSecondLeftRead) {
        scorePerSecondLeft = Config().GetInt("scorePerSecLeft");
        perSecondLeftRead = true;
    }
    const float timeLeft = level ? level->settings.levelTime : 0.0f;
    award(TruncateToInt(static_cast<float>(scorePerSecondLeft) * timeLeft), frogX, frogY, false);
}

void GameScore::addInsectEaten(int insectType, float x, float y) {
    int amount = kUnknownInsectScore;
    switch (insectType) {
    case kBusinessBug:
        amount = businessBugScore;
        break;
    case kButterfly:
        amount = butterflyScore;
        break;
    case kNewsBug:
        amount = newsBugScore;
        break;
    case kToolBug:
        amount = toolBugScore;
        break;
    case kVoyagerBug:
        amount = voyagerBugScore;
        break;
    default:
        break;
    }
    award(amount, x, y, true);
}

void GameScore::addStar(float x, float y) {
    award(starScore, x, y, false);
    ++starsCollected;
    // A count of 0 or less would grant a life with every star and never bring the count down.
    if (starsPerBonusLife > 0 && starsCollected >= starsPerBonusLife) {
        starsCollected -= starsPerBonusLife;
        grantBonusLife();
    }
}

void GameScore::addPiercing(float x, float y) {
    award(piercingScore, x, y, true);
}

// The popup shows the amount at the event's place on screen, measured from the bottom edge.
void GameScore::award(int amount, float x, float y, bool clampAtZero) {
    score = Add(score, amount);
    if (clampAtZero && score < 0)
        score = 0;
    if (!level)
        return;
    const Camera& camera = level->camera;
    Singleton<ScreenMessage>::Instance().showScore(RoundToInt(x) - camera.roundedX(),
                                                   RoundToInt(y) - camera.roundedY(), amount);
}

void GameScore::grantBonusLife() {
    static const std::string sound = NormalizeLabel("SOUND_BONUS_LIFE");
    Singleton<SoundEngine>::Instance().playSound(sound);
    if (!level)
        return;
    if (level->settings.grantBonusLife()) {
        Singleton<ScreenMessage>::Instance().showBonusLife();
    } else {
        score = Add(score, level->settings.starScoreBonus);
        Singleton<ScreenMessage>::Instance().showStarBonus();
    }
}
