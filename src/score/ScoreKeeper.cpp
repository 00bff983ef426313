#include "score/ScoreKeeper.h"

#include "core/Singleton.h"
#include "score/GameScore.h"
#include "score/ScreenMessage.h"

void ScoreKeeper::starCollected(float x, float y) {
    Singleton<GameScore>::Instance().addStar(x, y);
}

void ScoreKeeper::truckToTruck() {
    Singleton<GameScore>::Instance().addTruckToTruck();
    Singleton<ScreenMessage>::Instance().showTruckToTruck();
}

void ScoreKeeper::insectEaten(int insectType, float x, float y) {
    Singleton<GameScore>::Instance().addInsectEaten(insectType, x, y);
}

void ScoreKeeper::frogPierced(float x, float y) {
    Singleton<GameScore>::Instance().addPiercing(x, y);
}

void ScoreKeeper::timeRanOut() {
    Singleton<ScreenMessage>::Instance().showTimeOut();
}
