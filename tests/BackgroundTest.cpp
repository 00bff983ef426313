#include "world/Background.h"

#include "core/FileLoader.h"
#include "core/SettingsManager.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "support/BmpWriter.h"
#include "support/SpriteScreen.h"
#include "world/LevelSettings.h"

#include <filesystem>
#include <vector>

namespace {

constexpr int kPictureWidth = 800;
// Room for the three-area level at every place of its group, and one area more.
constexpr int kPictureHeight = 1500 + 4 * 450;
constexpr int kProbeColumn = 13;

const char* const kConfig =
    "numAreas 7\nnumVisibleAreas 3\nnumTracksPerArea 5\nnumCellsStartStrip 1\n"
    "numCellsPerGrassStrip 1\nnumCellsPerTrack 1\nnumFrogsToGoal 3\nlevelTimeSeconds 90\n";

// A colour that names its picture row in five bits per channel, which a 16-bit screen keeps
// whole, with no low bits for the conversion to spread; never black or magenta.
std::uint32_t RowColour(int row) {
    const auto bits = static_cast<std::uint32_t>(row);
    return (bits % 32) << 19 | (bits / 32 % 32) << 11 | (bits / 1024 % 16 + 16) << 3;
}

class BackgroundTest : public SpriteScreen {
  protected:
    BackgroundTest() {
        folder.Write("data/config.txt", kConfig);
        Singleton<SettingsManager>::Instance().LoadSettings(
            Singleton<FileLoader>::Instance().GetBasePath() + "config.txt");
        settings.load();
        settings.updateVisibleAreas();
    }

    void WritePicture(int width = kPictureWidth, int height = kPictureHeight) {
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[static_cast<std::size_t>(y) * width + x] = RowColour(y);
        folder.Write("data/backgroundworld00.bmp", BmpWriter(width, height, 24, pixels).Bytes());
    }

    // The picture row the screen row shows, or -1 when the row is none of the picture's.
    int PictureRowOn(int screenRow) {
        const std::uint32_t shown = Back().pixelAt(kProbeColumn, screenRow);
        for (int row = 0; row < kPictureHeight; ++row)
            if (ScreenValue(RowColour(row)) == shown)
                return row;
        return -1;
    }

    // Every screen row shows the picture rows from `topRow` down, in order.
    void ExpectRowsFrom(int topRow) {
        FillBack(0);
        background.update(0.0f);
        for (int screenRow = 0; screenRow < 600; screenRow += 7)
            ASSERT_EQ(PictureRowOn(screenRow), topRow + screenRow) << "screen row " << screenRow;
        ASSERT_EQ(PictureRowOn(599), topRow + 599);
    }

    // The first picture row of the level's window.
    int WindowTop() const {
        return kPictureHeight - settings.backgroundHeight() - settings.levelInWorld * 450;
    }

    LevelSettings settings;
    Background background;
};

TEST_P(BackgroundTest, AtTheStartTheScreenShowsTheBottomOfTheWindow) {
    WritePicture();
    ASSERT_TRUE(background.init(settings));
    EXPECT_TRUE(background.isShown());
    ExpectRowsFrom(WindowTop() + 1500 - 600);
    EXPECT_EQ(WindowTop() + 1500 - 1, kPictureHeight - 1);
}

TEST_P(BackgroundTest, EachFurtherLevelOfAGroupShowsThePictureOneAreaHigher) {
    WritePicture();
    settings.levelInWorld = 2;
    ASSERT_TRUE(background.init(settings));
    ExpectRowsFrom(kPictureHeight - 2 * 450 - 600);
}

TEST_P(BackgroundTest, ScrollingUpAndDownShowsTheWindowRowsFromTheCameraUpward) {
    WritePicture();
    ASSERT_TRUE(background.init(settings));
    const int lowestTopRow = WindowTop() + 1500 - 600;
    for (const int cameraY : {37, 75, 400, 380, 900, 899, 310, 0, 600, 17}) {
        background.scrollTo(0, cameraY);
        SCOPED_TRACE(cameraY);
        ExpectRowsFrom(lowestTopRow - cameraY);
    }
}

TEST_P(BackgroundTest, ScrollingNeverReadsBeyondTheWindow) {
    WritePicture();
    ASSERT_TRUE(background.init(settings));
    background.scrollTo(0, 5000);
    ExpectRowsFrom(WindowTop());
    background.scrollTo(0, -200);
    ExpectRowsFrom(WindowTop() + 900);
    EXPECT_EQ(Log().find("Invalid image offset"), std::string::npos);
}

TEST_P(BackgroundTest, ASidewaysScrollIsReportedAndDrawsNothingNew) {
    WritePicture();
    ASSERT_TRUE(background.init(settings));
    background.scrollTo(0, 100);
    background.scrollTo(8, 300);
    EXPECT_EQ(Count(Log(), "No side srolling activated.\n"), 1);
    ExpectRowsFrom(WindowTop() + 900 - 100);
    background.scrollTo(8, 300);
    EXPECT_EQ(Count(Log(), "No side srolling activated.\n"), 1);
}

TEST_P(BackgroundTest, AMissingPictureLeavesTheLevelWithoutBackgroundAndTheGameRunning) {
    EXPECT_FALSE(background.init(settings));
    EXPECT_FALSE(background.isShown());
    EXPECT_EQ(Count(Log(), "Failed to load world background image backgroundworld00.\n"), 1);
    FillBack(kWhite);
    background.scrollTo(0, 50);
    background.update(0.5f);
    EXPECT_EQ(Back().pixelAt(kProbeColumn, 300), ScreenValue(kWhite));
    EXPECT_TRUE(Quits().empty());
    EXPECT_FLOAT_EQ(background.getStateTime(), 0.5f);
}

TEST_P(BackgroundTest, ThePictureIsLoadedOnceAndServesLaterLevels) {
    WritePicture();
    ASSERT_TRUE(background.init(settings));
    std::filesystem::remove_all("data");
    settings.levelInWorld = 1;
    ASSERT_TRUE(background.init(settings));
    ExpectRowsFrom(WindowTop() + 900);
}

TEST_P(BackgroundTest, ALevelAboveThePictureOrAPictureTooNarrowGetsNoBackground) {
    WritePicture();
    settings.levelInWorld = 5;
    EXPECT_FALSE(background.init(settings));
    EXPECT_FALSE(background.isShown());
    EXPECT_NE(Log().find("lies outside the world picture"), std::string::npos);

    std::filesystem::remove_all("data");
    WritePicture(400, kPictureHeight);
    Background narrow;
    settings.world = 0;
    settings.levelInWorld = 0;
    EXPECT_FALSE(narrow.init(settings));
    EXPECT_NE(Log().find("cannot show a level"), std::string::npos);
    EXPECT_TRUE(Quits().empty());
}

TEST_P(BackgroundTest, ALevelLowerThanTheScreenGetsNoBackground) {
    WritePicture();
    settings.cellsPerArea = 0;
    settings.startStripCells = 0;
    EXPECT_FALSE(background.init(settings));
    EXPECT_NE(Log().find("cannot show a level 75 units high"), std::string::npos);
}

TEST_P(BackgroundTest, AfterLostSurfacesTheRingIsFilledAgainForTheCurrentView) {
    WritePicture();
    ASSERT_TRUE(background.init(settings));
    background.scrollTo(0, 250);
    background.scrollTo(0, 420);
    LoseSurfaces();
    background.update(0.0f);
    SpriteManager& sprites = Singleton<SpriteManager>::Instance();
    ASSERT_TRUE(sprites.HasLostSurfaces());
    sprites.RestoreSurfaces();
    ExpectRowsFrom(WindowTop() + 900 - 420);
    background.scrollTo(0, 300);
    ExpectRowsFrom(WindowTop() + 900 - 300);
}

TEST_P(BackgroundTest, ARestoreAfterTheBackgroundIsGoneTouchesNothing) {
    WritePicture();
    {
        Background shortLived;
        ASSERT_TRUE(shortLived.init(settings));
    }
    LoseSurfaces();
    SpriteManager& sprites = Singleton<SpriteManager>::Instance();
    sprites.SetLostSurfaces();
    sprites.RestoreSurfaces();
    sprites.GetSprite(Background::kSpriteLabel)->Draw(0, 0);
    EXPECT_TRUE(Quits().empty());
}

INSTANTIATE_TEST_SUITE_P(Depths, BackgroundTest, ::testing::Values(16, 32));

} // namespace
