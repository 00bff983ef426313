#include "world/ObjectMedia.h"

#include "core/Singleton.h"
#include "gfx/SpriteInfo.h"
#include "gfx/SpriteLabel.h"
#include "gfx/SpriteManager.h"
#include "sound/SoundEngine.h"

float ObjectMedia::AnimationDuration(const std::string& label) {
    const SpriteInfo* info = Singleton<SpriteManager>::Instance().GetSpriteInfo(label);
    return info ? info->duration : 0.0f;
}

void ObjectMedia::PlaySound(const std::string& label) {
    Singleton<SoundEngine>::Instance().playSound(NormalizeLabel(label));
}
