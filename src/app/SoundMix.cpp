#include "app/SoundMix.h"

#include "actors/Frog.h"
#include "core/Rounding.h"
#include "core/Singleton.h"
#include "gfx/SpriteLabel.h"
#include "sound/SoundEngine.h"
#include "world/Level.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

enum Ambient { kRiver, kRoad, kUnderground, kInsects, kAmbientCount };

const std::array<std::string, kAmbientCount>& AmbientLabels() {
    static const std::array<std::string, kAmbientCount> labels = {
        NormalizeLabel("SOUND_AMBIENT_RIVER"), NormalizeLabel("SOUND_AMBIENT_ROAD"),
        NormalizeLabel("SOUND_AMBIENT_ROAD_UNDERGROUND"), NormalizeLabel("SOUND_AMBIENT_INSECTS")};
    return labels;
}

// Each source is heard at full volume next to the frog and fades with distance.
constexpr float kRiverRows = 40.0f;
constexpr float kRoadUnits = 3000.0f;
constexpr float kInsectSquaredUnits = 20000.0f;
constexpr int kUndergroundRoad = 0;

SoundFx* Find(const std::string& label) {
    SoundEngine& sound = Singleton<SoundEngine>::Instance();
    return sound.soundEnabled() ? sound.find(label) : nullptr;
}

std::array<float, kAmbientCount> AmbientVolumes(const Level& level, const Frog& frog,
                                                const InsectList& insects) {
    std::array<float, kAmbientCount> volume{};
    const float fx = frog.getX();
    const float fy = frog.getY();
    const int frogRow = RoundToInt(fy) / LevelSettings::kCellHeight;
    for (const auto& area : level.getAreas()) {
        if (area->isRiver()) {
            const int rows =
                std::max({0, area->getFirstRow() - frogRow, frogRow - area->getLastRow()});
            volume[kRiver] =
                std::max(volume[kRiver], kRiverRows / (static_cast<float>(rows) + kRiverRows));
            continue;
        }
        const float road = kRoadUnits / (area->nearestObjectDistance(fx, fy) + kRoadUnits);
        volume[kRoad] = std::max(volume[kRoad], road);
        if (area->getType() == kUndergroundRoad)
            volume[kUnderground] = std::max(volume[kUnderground], road);
    }
    for (const auto& insect : insects) {
        const float dx = static_cast<float>(RoundToInt(insect->getX())) - fx;
        const float dy = static_cast<float>(RoundToInt(insect->getY())) - fy;
        volume[kInsects] = std::max(
            volume[kInsects], kInsectSquaredUnits / (dx * dx + dy * dy + kInsectSquaredUnits));
    }
    return volume;
}

} // namespace

void SoundMix::SetThemeVolume(float factor) {
    static const std::string theme = NormalizeLabel("SOUND_THEME");
    if (SoundFx* music = Find(theme))
        music->setVolume(factor);
}

void SoundMix::UpdateMenu(bool paused, float themeVolumeDb) {
    for (const std::string& label : AmbientLabels())
        Singleton<SoundEngine>::Instance().stopSound(label);
    SetThemeVolume(paused ? ThemeFactor(themeVolumeDb) : 1.0f);
}

void SoundMix::UpdateLevel(const Level& level, const Frog& frog, const InsectList& insects,
                           float themeVolumeDb) {
    SetThemeVolume(ThemeFactor(themeVolumeDb));
    const std::array<float, kAmbientCount> volume = AmbientVolumes(level, frog, insects);
    for (int i = 0; i < kAmbientCount; ++i) {
        SoundFx* ambient = Find(AmbientLabels()[static_cast<std::size_t>(i)]);
        if (ambient == nullptr)
            continue;
        if (!ambient->isPlaying())
            ambient->playLooping();
        ambient->setVolume(volume[static_cast<std::size_t>(i)]);
    }
}
