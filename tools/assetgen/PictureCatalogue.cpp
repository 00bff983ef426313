#include "PictureCatalogue.h"

#include "FrogAnimations.h"
#include "RoadRiverPictures.h"
#include "app/AssetCatalogue.h"
#include "gfx/SpriteLabel.h"

namespace PictureCatalogue {
namespace {

// The labels this generator draws; how each is built comes from the game's own catalogue.
constexpr const char* kStillLabels[] = {
    "PROGRESS_BAR",
    "INVISIBLE_OBJECT",
    "CURSOR",
    "CURSOR_DOWN",
    "WATER_LILY_GOAL",
    "HUD_FONT",
    "SCORE_FONT",
    "STAR",
    "FROG_HEAD",
    "FROG_TO_GOAL",
    "FROG_TO_GOAL_LEFT",
    "FROG_IN_GOAL",
    "TITLE_MENU",
    "HIGH_SCORE",
    "HELP",
    "CREDITS",
    "CREDITS_MASK",
    "PRELOAD",
    "CHECK_MUSIC",
    "CHECK_SHADOW",
    "LOGO_OSTREL",
    "LOGO_BRIMVALE",
    "BUTTON_START_HIGH_LIGHT",
    "BUTTON_HELP_HIGH_LIGHT",
    "BUTTON_HIGH_SCORE_HIGH_LIGHT",
    "BUTTON_EXIT_HIGH_LIGHT",
    "BUTTON_MUSIC_HIGH_LIGHT",
    "BUTTON_SHADOW_HIGH_LIGHT",
    "BUTTON_BACK_HELP_HIGH_LIGHT",
    "BUTTON_CREDITS_HIGH_LIGHT",
    "BUTTON_BACK_HIGH_SCORE_HIGH_LIGHT",
    "BUTTON_BACK_CREDITS_HIGH_LIGHT",
    "BUTTON_OPTIONS_HIGH_LIGHT",
    "OPTIONS",
    "OPTIONS_ROW_HIGH_LIGHT",
    "BUTTON_TWO_PLAYERS_HIGH_LIGHT",
    "ROAD_TOP_LAYER_00",
    "ROAD_TOP_LAYER_01",
    "ROAD_TOP_LAYER_02",
    "TOP_LAYER_00",
    "ROAD_TOP_LAYER_03",
    "TOP_LAYER_01",
    "TOP_LAYER_02",
    "ROAD_TOP_LAYER_04",
    "ROAD_TOP_LAYER_05",
    "ROAD_TOP_LAYER_06",
};

std::vector<SpriteInfo> Build() {
    std::vector<SpriteInfo> infos;
    for (const char* label : kStillLabels)
        if (const std::optional<SpriteInfo> info = AssetCatalogue::Definition(label))
            infos.push_back(*info);
    for (const FrogAnimations::Animation& animation : FrogAnimations::All())
        if (const std::optional<SpriteInfo> info = AssetCatalogue::Definition(animation.label))
            infos.push_back(*info);
    for (const std::string& label : RoadRiverPictures::Labels())
        if (const std::optional<SpriteInfo> info = AssetCatalogue::Definition(label))
            infos.push_back(*info);
    return infos;
}

} // namespace

const std::vector<SpriteInfo>& StillPictures() {
    static const std::vector<SpriteInfo> infos = Build();
    return infos;
}

const SpriteInfo* Find(const std::string& label) {
    const std::string name = NormalizeLabel(label);
    for (const SpriteInfo& info : StillPictures())
        if (info.name == name)
            return &info;
    return nullptr;
}

} // namespace PictureCatalogue
