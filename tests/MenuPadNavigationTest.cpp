#include "WorldConfig.h"
#include "app/Game.h"
#include "app/MenuScreens.h"
#include "app/WindowProcedure.h"
#include "gfx/SpriteLabel.h"
#include "platform/VirtualKey.h"
#include "sound/SoundEngine.h"
#include "support/SoundFixtures.h"
#include "support/SpriteScreen.h"

#include <deque>
#include <string>
#include <vector>

namespace vk = platform::vk;
using platform::Message;

namespace {

// Where each highlight of the menus is drawn, with a colour of its own.
struct Highlight {
    const char* label;
    int left, top;
    std::uint32_t colour;
};

constexpr Highlight kMusic{"BUTTON_MUSIC_HIGH_LIGHT", 636, 107, 0x1010F0};
constexpr Highlight kShadow{"BUTTON_SHADOW_HIGH_LIGHT", 623, 156, 0x10F010};
constexpr Highlight kStart{"BUTTON_START_HIGH_LIGHT", 71, 512, 0xF01010};
constexpr Highlight kHelp{"BUTTON_HELP_HIGH_LIGHT", 228, 512, 0xF0F010};
constexpr Highlight kHighScores{"BUTTON_HIGH_SCORE_HIGH_LIGHT", 373, 512, 0x10F0F0};
constexpr Highlight kExit{"BUTTON_EXIT_HIGH_LIGHT", 610, 512, 0xF010F0};
constexpr Highlight kOptions{"BUTTON_OPTIONS_HIGH_LIGHT", 628, 258, 0x601060};
constexpr Highlight kTwoPlayers{"BUTTON_TWO_PLAYERS_HIGH_LIGHT", 628, 322, 0x106060};
constexpr Highlight kHelpBack{"BUTTON_BACK_HELP_HIGH_LIGHT", 416, 522, 0x808010};
constexpr Highlight kCredits{"BUTTON_CREDITS_HIGH_LIGHT", 281, 522, 0x108080};
constexpr Highlight kCreditsBack{"BUTTON_BACK_CREDITS_HIGH_LIGHT", 359, 523, 0x801080};
constexpr Highlight kAll[] = {kMusic,   kShadow,     kStart,    kHelp,    kHighScores, kExit,
                              kOptions, kTwoPlayers, kHelpBack, kCredits, kCreditsBack};

// The menus steered by a game controller, as its messages reach the window procedure, drawn on
// a headless screen and heard through the headless sound device.
class MenuPadNavigationTest : public SpriteScreen {
  protected:
    MenuPadNavigationTest() {
        LoadWorldConfig(folder, "");
        for (const Highlight& highlight : kAll)
            AddSprite(highlight.label, 8, 8, highlight.colour);
        EXPECT_TRUE(sound.init(screen.Window()));
        sound.setSoundEnabled(true);
        folder.Write(
            "data/click.wav",
            SoundFixtures::Wav(1, 22050, 16, SoundFixtures::Tone16(22050, 1, 22050, 660.0, 8000)));
        EXPECT_TRUE(sound.createSfx(click, "data\\click.wav", 0, false));
        game.CutToState(GameState::TitleMenu);
    }

    ~MenuPadNavigationTest() override { sound.shutdown(); }

    void Key(int key) { procedure.Handle({Message::Type::KeyDown, key}); }

    // The labels of the highlights drawn on a white screen; after a change of screen that is the
    // transition's buffer, at the transition's end, when it shows the whole screen.
    std::vector<std::string> Highlighted() {
        Display().fadeTime = Display().GetFadeDuration();
        platform::DisplaySurface& target = *Display().GetDrawTarget();
        target.fill(nullptr, ScreenValue(kWhite));
        game.menus.DrawButtonHighlights(game.State());
        std::vector<std::string> shown;
        for (const Highlight& highlight : kAll)
            if (target.pixelAt(highlight.left + 2, highlight.top + 2) ==
                ScreenValue(highlight.colour))
                shown.emplace_back(highlight.label);
        return shown;
    }

    static std::vector<std::string> Only(const Highlight& highlight) { return {highlight.label}; }

    bool Clicked() {
        const bool playing = sound.find(click)->isPlaying();
        sound.stopSound(click);
        return playing;
    }

    Game& game = Singleton<Game>::Instance();
    SoundEngine& sound = Singleton<SoundEngine>::Instance();
    const std::string click = NormalizeLabel("SOUND_MENU_BUTTON_CLICK");
    WindowProcedure procedure;
};

} // namespace

TEST_P(MenuPadNavigationTest, TheFirstPressOnlyShowsTheHighlightOnTheWayOut) {
    EXPECT_TRUE(Highlighted().empty());
    Key(vk::PadLeft);
    EXPECT_EQ(Highlighted(), Only(kStart));
    EXPECT_EQ(game.State(), GameState::TitleMenu);

    game.CutToState(GameState::Help);
    EXPECT_TRUE(Highlighted().empty()) << "the title's highlight stays on the title";
    Key(vk::PadA);
    EXPECT_EQ(Highlighted(), Only(kHelpBack));
    EXPECT_EQ(game.State(), GameState::Help);
    EXPECT_FALSE(Clicked());
}

TEST_P(MenuPadNavigationTest, TheDpadFollowsTheLayoutOfTheTitleMenu) {
    Key(vk::PadDown);
    const std::vector<std::pair<int, Highlight>> walk = {
        {vk::PadLeft, kStart},       {vk::PadUp, kStart},        {vk::PadRight, kHelp},
        {vk::PadRight, kHighScores}, {vk::PadUp, kOptions},      {vk::PadUp, kShadow},
        {vk::PadUp, kMusic},         {vk::PadUp, kMusic},        {vk::PadRight, kMusic},
        {vk::PadDown, kShadow},      {vk::PadDown, kOptions},    {vk::PadDown, kTwoPlayers},
        {vk::PadDown, kExit},        {vk::PadUp, kTwoPlayers},   {vk::PadDown, kExit},
        {vk::PadRight, kExit},       {vk::PadLeft, kHighScores}, {vk::PadLeft, kHelp},
        {vk::PadLeft, kStart}};
    for (const auto& [key, expected] : walk) {
        Key(key);
        EXPECT_EQ(Highlighted(), Only(expected)) << "after key " << key;
    }
    EXPECT_EQ(game.State(), GameState::TitleMenu);
    EXPECT_FALSE(Clicked());
}

TEST_P(MenuPadNavigationTest, APressesTheHighlightedButtonWithTheClick) {
    Key(vk::PadRight);
    Key(vk::PadRight);
    Key(vk::PadA);
    EXPECT_EQ(game.State(), GameState::Help);
    EXPECT_TRUE(Clicked());

    Key(vk::PadUp);
    Key(vk::PadLeft);
    EXPECT_EQ(Highlighted(), Only(kCredits));
    Key(vk::PadA);
    EXPECT_EQ(game.State(), GameState::Credits);
    EXPECT_TRUE(Clicked());

    Key(vk::PadA);
    EXPECT_EQ(game.State(), GameState::Credits) << "first the highlight";
    Key(vk::PadA);
    EXPECT_EQ(game.State(), GameState::TitleMenu);

    // Each screen starts over on its way out.
    EXPECT_TRUE(Highlighted().empty());
    Key(vk::PadUp);
    EXPECT_EQ(Highlighted(), Only(kStart));
    Key(vk::PadRight);
    Key(vk::PadRight);
    Key(vk::PadUp);
    Key(vk::PadUp);
    EXPECT_EQ(Highlighted(), Only(kShadow));
    const bool shadows = game.shadowsOn;
    Key(vk::PadA);
    EXPECT_NE(game.shadowsOn, shadows);
    for (int step = 0; step < 3; ++step)
        Key(vk::PadDown);
    Key(vk::PadA);
    EXPECT_EQ(Quits(), std::vector<int>{0}) << "the exit button, below options and two players";
}

TEST_P(MenuPadNavigationTest, TheKeyboardsArrowsAndSpaceLeaveTheMenusAlone) {
    for (const int key : {vk::Down, vk::Right, vk::Space, vk::Space})
        Key(key);
    EXPECT_TRUE(Highlighted().empty());
    EXPECT_EQ(game.State(), GameState::TitleMenu);
    EXPECT_FALSE(Clicked());
}

TEST_P(MenuPadNavigationTest, TheMouseTakesTheHighlightBackByMovingOnly) {
    const Message overShadowBox{Message::Type::MouseMove, 0, 700, 200};
    screen.Window().push(overShadowBox);
    EXPECT_EQ(Highlighted(), Only(kShadow));
    Key(vk::PadA);
    EXPECT_EQ(Highlighted(), Only(kStart)) << "one highlight at a time";

    procedure.Handle(overShadowBox);
    EXPECT_EQ(Highlighted(), Only(kShadow));
    const bool shadows = game.shadowsOn;
    game.menus.OnMouseDown(game.State(), 700, 200);
    EXPECT_TRUE(Clicked());
    game.menus.OnMouseUp(game.State(), 700, 200);
    EXPECT_NE(game.shadowsOn, shadows);
    Key(vk::PadA);
    EXPECT_EQ(Highlighted(), Only(kStart)) << "the pad starts over on its way out";
    EXPECT_EQ(game.State(), GameState::TitleMenu);
}

TEST_P(MenuPadNavigationTest, OutsideTheMenusThePadPlaysAsTheKeyboard) {
    game.CutToState(GameState::Playing);
    Key(vk::PadA);
    EXPECT_EQ(game.frog.getCommandQueue(), std::deque<int>{FS_CATCH_INSECT});
    EXPECT_FALSE(Clicked());
    EXPECT_TRUE(Highlighted().empty());
    Key(vk::PadLeft);
    EXPECT_EQ(game.frog.getCommandQueue(), std::deque<int>{FS_MOVE_LEFT});
}

INSTANTIATE_TEST_SUITE_P(Depths, MenuPadNavigationTest, ::testing::Values(32));
