#include "world/Background.h"

#include "core/FileLoader.h"
#include "core/Log.h"
#include "core/ScreenSize.h"
#include "core/StringUtil.h"
#include "gfx/PictureLoader.h"
#include "gfx/SpriteLabel.h"
#include "gfx/SpriteManager.h"
#include "gfx/SubImage.h"
#include "world/BackgroundBand.h"
#include "world/BackgroundBandLink.h"
#include "world/Camera.h"
#include "world/LevelSettings.h"

#include <algorithm>

namespace {

std::string PictureName(int world) {
    return NormalizeLabel(StringUtil::Format("BACKGROUND_WORLD_%02d", world));
}

} // namespace

Background::Background() : GameObject("background") {}
Background::~Background() = default;

bool Background::init(const LevelSettings& settings) {
    band.reset();
    if (!loadPicture(settings.world))
        return false;
    return buildBand(settings);
}

bool Background::loadPicture(int world) {
    if (picture && pictureWorld == world)
        return true;
    picture.reset();
    pictureWorld = -1;
    const std::string name = PictureName(world);
    FileLoader& files = Singleton<FileLoader>::Instance();
    // Without the check a missing picture would end the game; the level can do without it.
    if (files.Exists(name, ".bmp") || files.Exists(name, ".jpg"))
        picture = Singleton<PictureLoader>::Instance().Load(name, true);
    if (!picture) {
        Log("Failed to load world background image %s.\n", name.c_str());
        return false;
    }
    pictureWorld = world;
    return true;
}

bool Background::buildBand(const LevelSettings& settings) {
    backgroundHeight = settings.backgroundHeight();
    const int top = picture->GetHeight() - backgroundHeight -
                    settings.levelInWorld * settings.cellsPerArea * LevelSettings::kCellHeight;
    if (backgroundHeight < ScreenSize::kHeight || picture->GetWidth() < ScreenSize::kWidth) {
        Log("Background: a %d x %d picture cannot show a level %d units high\n",
            picture->GetWidth(), picture->GetHeight(), backgroundHeight);
        return false;
    }
    // The window spans the picture's full width, as its rows are addressed with its own width.
    std::unique_ptr<Image> window =
        SubImage::Of(*picture, 0, top, picture->GetWidth(), backgroundHeight);
    if (!window) {
        Log("Background: level %d lies outside the world picture\n", settings.level);
        return false;
    }
    auto newBand = std::make_shared<BackgroundBand>();
    if (!newBand->Create(std::move(window)))
        return false;
    band = std::move(newBand);
    Singleton<SpriteManager>::Instance().AddSprite(std::make_unique<BackgroundBandLink>(band),
                                                   kSpriteLabel, false);
    scrollX = scrollY = previousX = previousY = 0;
    return true;
}

void Background::scrollTo(int x, int y) {
    if (x == scrollX && y == scrollY)
        return;
    previousX = scrollX;
    previousY = scrollY;
    scrollX = x;
    scrollY = y;
    if (x != previousX) {
        // Kept as written: logs and their readers rely on this exact line.
        Log("No side srolling activated.\n");
        return;
    }
    if (!band)
        return;
    // Never ask for rows above or below the window, whoever asks.
    const int lastTopRow = backgroundHeight - ScreenSize::kHeight;
    band->ScrollTo(std::clamp(lastTopRow - y, 0, lastTopRow));
}

void Background::update(float dt) {
    GameObject::update(dt);
    draw();
}

void Background::draw() {
    if (band)
        band->Draw(0, 0);
}
