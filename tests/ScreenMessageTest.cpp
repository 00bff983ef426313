#include "score/ScreenMessage.h"

#include "WorldConfig.h"
#include "core/Translation.h"
#include "gfx/DirectDraw.h"
#include "platform/DisplaySurface.h"
#include "support/GeneratedData.h"
#include "support/GlyphFont.h"
#include "support/HeadlessScreen.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Both fonts draw "1" as a red block.
class ScreenMessageTest : public ::testing::Test {
  protected:
    ScreenMessageTest() {
        LoadWorldConfig(folder, "messageInterval 2\nvertOffsetMessageLine1 100\n"
                                "vertOffsetMessageLine2 140\nscoreDisplayTime 3\n"
                                "scoreScrollSpeed 40\n");
        GlyphFont::LoadGameFonts(folder);
        folder.Write("data/de.mo", GeneratedData::ReadLoose("de.mo"));
        Singleton<Translation>::Instance().Load(Language::German);
        Messages().init();
    }

    static ScreenMessage& Messages() { return Singleton<ScreenMessage>::Instance(); }
    static bool RedAt(int x, int y) {
        return Singleton<DirectDraw>::Instance().GetBackBuffer()->pixelAt(x, y) == GlyphFont::kRed;
    }

    ScratchFolder folder;
    HeadlessScreen screen{32};
};

} // namespace

TEST_F(ScreenMessageTest, LinesAreCentredWithTheHudFontAtTheirOffsets) {
    Messages().showMessage("11", "");
    EXPECT_TRUE(Messages().isActive());
    // Two glyphs nine pixels apart, with a pixel of spacing each.
    EXPECT_EQ(Messages().lineX(0), (800 - 20) / 2);
    EXPECT_EQ(Messages().lineY(0), 100);
    EXPECT_EQ(Messages().lineX(1), 400) << "an empty line sits at the middle";
    EXPECT_EQ(Messages().lineY(1), 140);
}

TEST_F(ScreenMessageTest, TheLastOfTwoMessagesShowsForAWholeIntervalIncludingItsEnd) {
    Messages().showLevelDone();
    Messages().showTruckToTruck();
    EXPECT_EQ(Messages().line1(), "Truck To Truck Travel!");
    EXPECT_EQ(Messages().line2(), "100 Punkte!");
    Messages().update(1.0f);
    Messages().update(1.0f);
    EXPECT_TRUE(Messages().isActive()) << "shown time equal to the interval";
    Messages().update(0.02f);
    EXPECT_FALSE(Messages().isActive());
    EXPECT_EQ(Messages().line1(), "");
}

TEST_F(ScreenMessageTest, TheNamedMessagesHaveTheirFixedTextsInEachLanguage) {
    Messages().showTimeOut();
    EXPECT_EQ(Messages().line1(), "Deine Zeit ist abgelaufen!");
    EXPECT_EQ(Messages().line2(), "");
    Messages().showBonusLife();
    EXPECT_EQ(Messages().line1(), "Bonus Leben!");
    Messages().showStarBonus();
    EXPECT_EQ(Messages().line1(), "Stern Bonus!");
    EXPECT_EQ(Messages().line2(), "200 Punkte!");
    Messages().showLevelDone();
    EXPECT_EQ(Messages().line1(), "Level geschafft!");
    EXPECT_EQ(Messages().line2(), "200 Punkte!");

    Singleton<Translation>::Instance().Load(Language::English);
    Messages().showTimeOut();
    EXPECT_EQ(Messages().line1(), "Your time is up!");
    Messages().showTruckToTruck();
    EXPECT_EQ(Messages().line1(), "Truck to truck travel!");
    EXPECT_EQ(Messages().line2(), "100 points!");
}

TEST_F(ScreenMessageTest, APopupDriftsRightAndUpAtHalfTheRateAndExpires) {
    Messages().showScore(100, 200, 1);
    Messages().update(1.0f);
    ASSERT_EQ(Messages().popups().size(), 1u);
    EXPECT_FLOAT_EQ(Messages().popups().front().x, 140.0f);
    EXPECT_FLOAT_EQ(Messages().popups().front().y, 220.0f);
    EXPECT_TRUE(RedAt(140, 600 - 220));
    EXPECT_TRUE(RedAt(149, 600 - 220 + 15));
    EXPECT_FALSE(RedAt(139, 600 - 220));
    Messages().update(2.0f);
    EXPECT_EQ(Messages().popups().size(), 1u) << "exactly the display time";
    Messages().update(0.1f);
    EXPECT_TRUE(Messages().popups().empty());
}

TEST_F(ScreenMessageTest, ClearEndsTheMessageAndThePopups) {
    Messages().showBonusLife();
    Messages().showScore(1, 2, 3);
    Messages().clear();
    EXPECT_FALSE(Messages().isActive());
    EXPECT_TRUE(Messages().popups().empty());
}
