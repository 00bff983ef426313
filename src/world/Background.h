#pragma once

#include "world/GameObject.h"

#include <memory>
#include <string>

class BackgroundBand;
class Image;
class LevelSettings;

// The level's picture behind everything, scrolled up and down with the camera.
class Background : public GameObject {
  public:
    Background();
    ~Background() override;
    Background(const Background&) = delete;
    Background& operator=(const Background&) = delete;

    static constexpr const char* kSpriteLabel = "BACKGROUND";

    // Builds the window of the world picture for the level of `settings`; false, and no
    // background for the level, when the picture cannot be had.
    bool init(const LevelSettings& settings);
    // (x, y): the rounded camera position.
    void scrollTo(int x, int y);
    void update(float dt) override;

    bool isShown() const { return band != nullptr; }

  private:
    bool loadPicture(int world);
    bool buildBand(const LevelSettings& settings);
    void draw();

    std::unique_ptr<Image> picture;
    int pictureWorld = -1;
    // Shared only with the link the sprite manager restores; declared after the picture it
    // shows, so that it goes first.
    std::shared_ptr<BackgroundBand> band;
    int backgroundHeight = 0;
    int scrollX = 0;
    int scrollY = 0;
    int previousX = 0;
    int previousY = 0;
};
