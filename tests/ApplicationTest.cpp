#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "app/Application.h"
#include "app/Game.h"
#include "app/HarnessScript.h"
#include "app/ScriptDriver.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/GeneratedData.h"
#include "support/ScratchFolder.h"

namespace {

// The whole program in this process, driven by a harness script, in a folder of its own.
class ApplicationTest : public ::testing::Test {
protected:
    ApplicationTest() {
        // The game's own data as the build drew it.
        std::filesystem::create_directories(folder.Path() / "data");
        for (const auto& file : std::filesystem::directory_iterator(GeneratedData::LooseFolder()))
            std::filesystem::create_symlink(file.path(), folder.Path() / "data" / file.path().filename());
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
        const std::string trace = folder.Read("trace.jsonl");
        static const std::regex state("\"ms\":\\d+,\"state\":(\\d+)");
        std::vector<int> states;
        for (auto it = std::sregex_iterator(trace.begin(), trace.end(), state);
             it != std::sregex_iterator(); ++it)
            states.push_back(std::stoi((*it)[1]));
        return states;
    }

    std::string Log() const { return folder.Read("debug.txt"); }

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
    EXPECT_EQ(headless.display().lastFrame(), nullptr) << "no frame without focus";
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

TEST_F(ApplicationTest, ALogThatCannotBeCreatedEndsTheProgramWithCodeOne) {
    std::filesystem::create_directory("debug.txt");
    EXPECT_EQ(Run("run 1\n"), 1);
    EXPECT_FALSE(headless.window().isCreated());
}

TEST_F(ApplicationTest, MissingConfigurationIsLoggedAndTheGameStillRuns) {
    std::filesystem::remove("data/config.txt");
    EXPECT_EQ(Run("focus on\nrun 1\n"), 0);
    EXPECT_NE(Log().find("SettingsManager::LoadSettings: could not load settings <data\\config.txt>\n"),
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
