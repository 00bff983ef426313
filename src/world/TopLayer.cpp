#include "world/TopLayer.h"

#include "core/Log.h"
#include "core/ScreenSize.h"
#include "core/SettingsManager.h"
#include "core/StringUtil.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "world/Camera.h"

#include <algorithm>

namespace {

// Each level of a group lies this many units higher in the decoration's coordinates.
constexpr int kUnitsPerLevelInWorld = 450;
// More entries than any level could show come only from a broken configuration.
constexpr int kMaxEntries = 100;
// Keeps the arithmetic on absurd offsets far from overflowing.
constexpr int kMaxOffset = 1 << 20;

int ReadOffset(const std::string& key) {
    const int value = Singleton<SettingsManager>::Instance().GetInt(key);
    const int kept = std::clamp(value, -kMaxOffset, kMaxOffset);
    if (kept != value)
        Log("TopLayer: %s %d is out of range, using %d\n", key.c_str(), value, kept);
    return kept;
}

} // namespace

TopLayer::TopLayer(std::string countKey, std::string keyStem, std::string labelStem)
    : countKey(std::move(countKey)), keyStem(std::move(keyStem)), labelStem(std::move(labelStem)) {}

TopLayer TopLayer::Top() {
    return TopLayer("numSpritesInTopLayer", "topLayer", "TOP_LAYER_");
}

TopLayer TopLayer::Road() {
    return TopLayer("numSpritesInRoadTopLayer", "roadTopLayer", "ROAD_TOP_LAYER_");
}

void TopLayer::load(int levelInWorld) {
    SettingsManager& settings = Singleton<SettingsManager>::Instance();
    const int count = settings.GetInt(countKey);
    const int kept = std::clamp(count, 0, kMaxEntries);
    if (kept != count)
        Log("TopLayer: %s %d is out of range, using %d\n", countKey.c_str(), count, kept);
    entries.clear();
    labels.clear();
    for (int i = 0; i < kept; ++i) {
        const int x = ReadOffset(StringUtil::Format("%sOffsetX%02d", keyStem.c_str(), i));
        const int y = ReadOffset(StringUtil::Format("%sOffsetY%02d", keyStem.c_str(), i));
        entries.push_back({x, y - levelInWorld * kUnitsPerLevelInWorld});
        labels.push_back(StringUtil::Format("%s%02d", labelStem.c_str(), i));
    }
}

void TopLayer::draw(const Camera& camera) const {
    SpriteManager& sprites = Singleton<SpriteManager>::Instance();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Sprite* sprite = sprites.GetSprite(labels[i]);
        if (!sprite)
            continue;
        const Position& at = entries[i];
        sprite->Draw(at.x - camera.roundedX(),
                     ScreenSize::kHeight + camera.roundedY() - at.y - sprite->GetHeight());
    }
}
