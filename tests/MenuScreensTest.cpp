#include "app/MenuScreens.h"

#include "WorldConfig.h"
#include "app/Game.h"
#include "app/WindowProcedure.h"
#include "platform/VirtualKey.h"
#include "score/HighScore.h"
#include "support/SpriteScreen.h"

namespace {

constexpr std::uint32_t kHighlight = 0x30C0F0;
constexpr std::uint32_t kPointer = 0xE04020;
constexpr std::uint32_t kPointerDown = 0x40E020;
constexpr std::uint32_t kLogo = 0x8040C0;

class MenuScreensTest : public SpriteScreen {
  protected:
    MenuScreensTest() {
        LoadWorldConfig(folder, "");
        AddSprite("BUTTON_SHADOW_HIGH_LIGHT", 20, 20, kHighlight);
        AddSprite("CURSOR", 5, 5, kPointer);
        AddSprite("CURSOR_DOWN", 5, 5, kPointerDown);
        AddSprite("LOGO_OSTREL", 10, 10, kLogo);
        AddSprite("LOGO_BRIMVALE", 10, 10, kLogo);
        game.CutToState(GameState::TitleMenu);
    }

    void Pointer(platform::Message::Type type, int x, int y) {
        screen.Window().push({type, 0, x, y});
    }
    void Click(int x, int y) {
        game.menus.OnMouseDown(game.State(), x, y);
        game.menus.OnMouseUp(game.State(), x, y);
    }
    bool Shows(int x, int y, std::uint32_t colour) {
        return Back().pixelAt(x, y) == ScreenValue(colour);
    }

    Game& game = Singleton<Game>::Instance();
};

} // namespace

TEST_P(MenuScreensTest, AButtonEdgeIsOutsideItsRectangle) {
    Click(623, 200);
    EXPECT_TRUE(game.shadowsOn);
    Click(624, 200);
    EXPECT_FALSE(game.shadowsOn);
    Click(71, 540);
    EXPECT_EQ(game.State(), GameState::TitleMenu);
    Click(72, 540);
    EXPECT_EQ(game.State(), GameState::Playing);
}

TEST_P(MenuScreensTest, MovingOffAButtonBeforeTheReleaseDoesNothing) {
    game.menus.OnMouseDown(game.State(), 100, 540);
    game.menus.OnMouseUp(game.State(), 300, 100);
    EXPECT_EQ(game.State(), GameState::TitleMenu);
}

TEST_P(MenuScreensTest, TheButtonsOfOtherScreensDoNotAnswer) {
    game.CutToState(GameState::Help);
    Click(300, 540);
    EXPECT_EQ(game.State(), GameState::Credits);
    Click(300, 540);
    EXPECT_EQ(game.State(), GameState::Credits) << "the help screen's credits button";
    Click(400, 540);
    EXPECT_EQ(game.State(), GameState::TitleMenu) << "the credits' back button";
}

TEST_P(MenuScreensTest, TheHighlightSitsAtTheButtonCornerAndThePointerTenPixelsLeft) {
    FillBack(kWhite);
    Pointer(platform::Message::Type::MouseMove, 700, 200);
    game.menus.DrawButtonHighlights(game.State());
    game.menus.DrawPointer();
    EXPECT_TRUE(Shows(623, 156, kHighlight));
    EXPECT_FALSE(Shows(622, 156, kHighlight));
    EXPECT_TRUE(Shows(690, 200, kPointer));
    EXPECT_FALSE(Shows(689, 200, kPointer));

    Pointer(platform::Message::Type::LeftDown, 300, 300);
    game.menus.DrawPointer();
    EXPECT_TRUE(Shows(290, 300, kPointerDown));
}

TEST_P(MenuScreensTest, TheCreditsScrollAndStartOverAfterEightySeconds) {
    game.CutToState(GameState::Credits);
    for (int frame = 0; frame < 400; ++frame)
        game.menus.RunFrame(GameState::Credits, 0.1f);
    EXPECT_NEAR(game.menus.CreditsOffset(), -1000.0f, 0.1f);
    EXPECT_FALSE(Shows(200, 599, kLogo)) << "the logos are still below the screen";
    // They reach the bottom edge after 42 seconds.
    for (int frame = 0; frame < 24; ++frame)
        game.menus.RunFrame(GameState::Credits, 0.1f);
    EXPECT_TRUE(Shows(200, 595, kLogo));
    EXPECT_FALSE(Shows(200, 585, kLogo));
    for (int frame = 0; frame < 377; ++frame)
        game.menus.RunFrame(GameState::Credits, 0.1f);
    EXPECT_GT(game.menus.CreditsOffset(), -10.0f) << "started over";

    game.FadeToState(GameState::TitleMenu);
    game.FadeToState(GameState::Credits);
    EXPECT_EQ(game.menus.CreditsOffset(), 0.0f);
}

TEST_P(MenuScreensTest, CreditsAreReadLineByLineAndAMissingFileSaysNothing) {
    game.menus.LoadCredits();
    EXPECT_TRUE(game.menus.CreditsLines().empty());
    EXPECT_EQ(folder.Read("debug.txt").find("credits"), std::string::npos);
    folder.Write("data/credits.txt", "Quagleaper\n\nMusic\n");
    game.menus.LoadCredits();
    EXPECT_EQ(game.menus.CreditsLines(),
              (std::vector<std::string>{"Quagleaper\n", "\n", "Music\n"}));
}

TEST_P(MenuScreensTest, WhileANameIsTypedTheLetterMIsPartOfIt) {
    HighScore& table = Singleton<HighScore>::Instance();
    table.init();
    game.CutToState(GameState::HighScores);
    ASSERT_TRUE(table.addScore(5000));
    WindowProcedure procedure;
    procedure.Handle({platform::Message::Type::KeyDown, 'M'});
    procedure.Handle({platform::Message::Type::Char, 'M'});
    EXPECT_EQ(game.State(), GameState::HighScores);
    EXPECT_EQ(table.editBuffer(), "M");
    procedure.Handle({platform::Message::Type::Char, 13});
    procedure.Handle({platform::Message::Type::KeyDown, 'M'});
    EXPECT_EQ(game.State(), GameState::TitleMenu);
}

INSTANTIATE_TEST_SUITE_P(Depths, MenuScreensTest, ::testing::Values(32));
