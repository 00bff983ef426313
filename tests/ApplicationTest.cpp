#include "app/Application.h"

#include "app/Game.h"
#include "app/HarnessScript.h"
#include "app/ScriptDriver.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/GeneratedData.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// The whole program in this process, driven by a harness script, in a folder of its own.
class ApplicationTest : public ::testing::Test {
  protected:
    ApplicationTest() {
        // The game's own data as the build drew it.
        std::filesystem::create_directories(folder.Path() / "data");
        for (const auto& file : std::filesystem::directory_iterator(GeneratedData::LooseFolder()))
            std::filesystem::create_symlink(file.path(),
                                            folder.Path() / "data" / file.path().filename());
        platform::Platform::install(&headless);
    }

    int Run(const std::string& source) {
        std::string error;
        script = HarnessScript::Parse("trace trace.jsonl\n" + source, error);
        EXPECT_TRUE(script) << error;
        ScriptDriver driver(*script, headless);
        return Application(&driver).Run();
    }

    std::vector<int> States() const {
        // Each line reads {"turn":N,"ms":N,"state":N,...}.
        std::istringstream trace(folder.Read("trace.jsonl"));
        std::vector<int> states;
        for (std::string line; std::getline(trace, line);) {
            const size_t at = line.find("\"state\":");
            if (at != std::string::npos)
                states.push_back(std::atoi(line.c_str() + at + 8));
        }
        return states;
    }

    std::string Log() const { return folder.Read("debug.txt"); }

    // Settings that take the place of the generated ones (the first line of a key wins).
    void SetFirst(const std::string& settings) const {
        // The link is removed first so that the build's own file stays as it is.
        std::filesystem::remove("data/config.txt");
        folder.Write("data/config.txt", settings + GeneratedData::ReadLoose("config.txt"));
    }

    // Each step of the preload presents one frame with its progress logged.
    int PreloadSteps() const {
        const std::string log = Log();
        int steps = 0;
        for (size_t at = log.find("RelProg: "); at != std::string::npos;
             at = log.find("RelProg: ", at + 1))
            ++steps;
        return steps;
    }

    ScratchFolder folder;
    platform::HeadlessPlatform headless;
    std::optional<HarnessScript> script;
    Game& game = Singleton<Game>::Instance();
};

TEST_F(ApplicationTest, EscapeOnTheTitleMenuEndsTheProgramInOrder) {
    EXPECT_EQ(Run("focus on\nrun 3\nkey ESC\nrun 2\n"), 0);
    EXPECT_TRUE(headless.window().isCreated());
    const std::string log = Log();
    const std::string ending = "Received WM_QUI.\nExiting game.\n"
                               "Shutting down SoundEngine.\nShutting down FileLoader.\n"
                               "Shutting down DirectDraw.\nReleasing FadeBuffer.\n"
                               "Releasing BackBuffer.\nReleasing Primary.\nReleasing DD2.\n"
                               "Releasing DD.\nExiting.\n";
    ASSERT_GE(log.size(), ending.size());
    EXPECT_EQ(log.substr(log.size() - ending.size()), ending);
}

TEST_F(ApplicationTest, AQuitRequestIsFollowedByExactlyOneMoreTick) {
    Run("focus on\nrun 3\nkey ESC\nrun 5\n");
    EXPECT_EQ(States(), (std::vector<int>{11, 11, 11, 11}));
}

TEST_F(ApplicationTest, ClosingTheWindowEndsTheProgram) {
    EXPECT_EQ(Run("focus on\nrun 1\nclose\nrun 10\n"), 0);
    EXPECT_EQ(States().size(), 2u);
}

TEST_F(ApplicationTest, TheEndOfTheScriptQuitsWithCodeZero) {
    EXPECT_EQ(Run("run 2\n"), 0);
    EXPECT_EQ(States().size(), 3u);
    EXPECT_EQ(headless.display().framesShown(), PreloadSteps()) << "no game frame without focus";
}

TEST_F(ApplicationTest, PausePausesPlayAndReturnsToIt) {
    Run("focus on\nkey P\nrun 1\nkey S\nrun 1\nkey P\nrun 1\nkey P\nrun 1\nkey ESC\nrun 1\n");
    EXPECT_EQ(States(), (std::vector<int>{11, 1, 7, 1, 11, 11}));
}

TEST_F(ApplicationTest, MenuKeysMoveBetweenScreens) {
    Run("focus on\nkey H\nrun 1\nkey C\nrun 1\nkey M\nrun 1\nkey G\nrun 1\nkey M\nrun 1\n"
        "key G\nrun 1\nkey ESC\nrun 1\nkey H\nrun 1\nkey ESC\nrun 1\n");
    EXPECT_EQ(States(), (std::vector<int>{6, 13, 11, 8, 11, 8, 11, 6, 11, 11}));
}

TEST_F(ApplicationTest, KeysOutsideTheirScreenDoNothing) {
    Run("focus on\nkey C\nkey M\nkey P\nrun 1\nkey S\nkey G\nkey H\nkey T\nkey U\nrun 1\n");
    EXPECT_EQ(States(), (std::vector<int>{11, 1, 1}));
    EXPECT_TRUE(game.shadowsOn);
    EXPECT_TRUE(game.musicOn);
}

TEST_F(ApplicationTest, TitleMenuTogglesShadowsAndMusic) {
    Run("focus on\nkey T\nkey U\nrun 1\n");
    EXPECT_FALSE(game.shadowsOn);
    EXPECT_FALSE(game.musicOn);
}

TEST_F(ApplicationTest, ELeavesFromTheTitleMenu) {
    EXPECT_EQ(Run("focus on\nrun 1\nkey E\nrun 5\n"), 0);
    EXPECT_EQ(States().size(), 2u);
}

TEST_F(ApplicationTest, ThePreloadCountsEverySoundAndPictureBeforeTheTitleMenu) {
    EXPECT_EQ(Run("focus on\nrun 2\nkey ESC\nrun 1\n"), 0);
    const std::string log = Log();
    EXPECT_EQ(PreloadSteps(), 149);
    EXPECT_LT(log.find("RelProg: 0.00\n"), log.find("RelProg: 0.01\n"));
    EXPECT_NE(log.find("RelProg: 0.99\nLoading waterlilyswimming...\nRelProg: 0.99\n"),
              std::string::npos);
    EXPECT_EQ(log.find("Disabling Sound"), std::string::npos);
    // The theme has no ".wav": it comes from its ".ogg" and plays from the first menu frame.
    EXPECT_NE(log.find("SoundEngine::Load could not load filename data\\soundtheme.wav\n"
                       "SoundEngine::CreateSfx data\\soundtheme.ogg\n"),
              std::string::npos);
    EXPECT_NE(folder.Read("trace.jsonl").find("\"sounds\":[\"soundtheme\"]"), std::string::npos);
    EXPECT_EQ(States().front(), static_cast<int>(GameState::TitleMenu));
}

TEST_F(ApplicationTest, SoundSwitchedOffLoadsOnlyThePictures) {
    SetFirst("enableSound 0\n");
    EXPECT_EQ(Run("focus on\nrun 1\n"), 0);
    EXPECT_EQ(PreloadSteps(), 110);
    EXPECT_EQ(Log().find("Disabling Sound"), std::string::npos);
    EXPECT_EQ(Log().find("SoundEngine::CreateSfx"), std::string::npos);
}

TEST_F(ApplicationTest, WithoutASoundCardTheGamePlaysSilently) {
    headless.audio().unplug();
    SetFirst("enableSound 0\n");
    EXPECT_EQ(Run("focus on\nrun 2\nkey S\nrun 5\n"), 0);
    EXPECT_NE(Log().find("Disabling Sound due to invalid device.\n"), std::string::npos)
        << "logged even with sound switched off";
    EXPECT_EQ(States().back(), static_cast<int>(GameState::Playing));
    EXPECT_EQ(folder.Read("trace.jsonl").find("\"sounds\":[\""), std::string::npos);
}

TEST_F(ApplicationTest, ClosingTheWindowDuringThePreloadSkipsTheMainLoop) {
    headless.window().push({platform::Message::Type::Destroy});
    EXPECT_EQ(Run("focus on\nrun 5\n"), 0);
    const std::string log = Log();
    EXPECT_NE(
        log.find("RelProg: 0.00\nReceived WM_QUI.\nFailed to update after loading soundhighscore"
                 "Exiting game.\n"),
        std::string::npos);
    EXPECT_EQ(PreloadSteps(), 1);
    EXPECT_TRUE(States().empty()) << "no turn of the main loop";
}

TEST_F(ApplicationTest, AMissingPictureEndsThePreloadWithCodeMinusOne) {
    std::filesystem::remove("data/star.bmp");
    EXPECT_EQ(Run("focus on\nrun 5\n"), -1);
    EXPECT_NE(Log().find("Failed to update after loading star"), std::string::npos);
    EXPECT_TRUE(States().empty());
}

TEST_F(ApplicationTest, ALogThatCannotBeCreatedEndsTheProgramWithCodeOne) {
    std::filesystem::create_directory("debug.txt");
    EXPECT_EQ(Run("run 1\n"), 1);
    EXPECT_FALSE(headless.window().isCreated());
}

TEST_F(ApplicationTest, MissingConfigurationIsLoggedAndTheGameStillRuns) {
    std::filesystem::remove("data/config.txt");
    EXPECT_EQ(Run("focus on\nrun 1\n"), 0);
    EXPECT_NE(
        Log().find("SettingsManager::LoadSettings: could not load settings <data\\config.txt>\n"),
        std::string::npos);
}

TEST_F(ApplicationTest, TheWindowShowsTheFrogIconWithItsMagentaTransparent) {
    Run("run 1\n");
    const platform::HeadlessWindow& window = headless.window();
    ASSERT_EQ(window.iconWidthShown(), 64);
    ASSERT_EQ(window.iconHeightShown(), 64);
    const std::vector<uint32_t>& icon = window.iconShown();
    EXPECT_EQ(icon.front(), 0u) << "the corner is transparent";
    EXPECT_EQ(icon[32 * 64 + 32] >> 24, 0xFFu) << "the frog is opaque";
}

} // namespace
