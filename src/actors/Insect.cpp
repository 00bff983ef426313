#include "actors/Insect.h"

#include "core/Singleton.h"
#include "score/GameScore.h"
#include "world/ObjectMedia.h"

void Insect::caught() {
    if (type == kBigBug || type == kTaxiBug) {
        setState(kStateApproach);
        return;
    }
    if (caughtFlag)
        return;
    ObjectMedia::PlaySound("SOUND_FROG_EAT");
    Singleton<GameScore>::Instance().addInsectEaten(type, x, y);
    caughtFlag = true;
}
