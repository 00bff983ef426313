#include "core/PlayerSettings.h"

#include "platform/VirtualKey.h"
#include "support/ScratchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

constexpr const char* kFile = "config/quagleaper/settings.txt";

int CountOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

PlayerSettings LoadedFrom(const ScratchFolder& folder, const std::string& text) {
    folder.Write(kFile, text);
    PlayerSettings settings;
    settings.UseFile(kFile);
    settings.Load();
    return settings;
}

} // namespace

TEST(PlayerSettingsTest, WhatItSavesItReadsBackAndBadLinesKeepTheDefaults) {
    ScratchFolder folder;
    PlayerSettings chosen;
    chosen.UseFile(kFile);
    chosen.musicVolume = 30;
    chosen.effectsVolume = 0;
    chosen.language = "en";
    chosen.fullscreen = false;
    chosen.windowWidth = 1024;
    chosen.windowHeight = 768;
    chosen.crispScaling = true;
    chosen.smoothMotion = true;
    chosen.pauseOnFocusLoss = true;
    chosen.shadows = false;
    ASSERT_TRUE(chosen.Bind(PlayerSettings::Action::Up, 'W'));
    ASSERT_TRUE(chosen.Save()) << "the folders are made as needed";
    EXPECT_FALSE(std::filesystem::exists(std::string(kFile) + ".new"));

    PlayerSettings read;
    read.UseFile(kFile);
    read.Load();
    EXPECT_EQ(read.ToText(), chosen.ToText());
    EXPECT_EQ(read.KeyOf(PlayerSettings::Action::Up), 'W');
    EXPECT_EQ(folder.Read("debug.txt"), "") << "a clean file says nothing";

    // Windows line ends, comments, unknown names, values out of range or off the steps of ten,
    // a key another action holds: each line is dropped alone, with one log line.
    const PlayerSettings damaged = LoadedFrom(folder, "# mine\r\n"
                                                      "musicVolume 55\r\n"
                                                      "effectsVolume 120\n"
                                                      "language fr\n"
                                                      "volume 3\n"
                                                      "fullscreen maybe\n"
                                                      "windowWidth 99999\n"
                                                      "keyDown UP\n"
                                                      "keyLeft F12\n"
                                                      "shadows off extra\n"
                                                      "motion smooth\n");
    EXPECT_EQ(damaged.musicVolume, 100);
    EXPECT_EQ(damaged.effectsVolume, 100);
    EXPECT_EQ(damaged.language, "");
    EXPECT_TRUE(damaged.fullscreen);
    EXPECT_EQ(damaged.windowWidth, 0);
    EXPECT_EQ(damaged.keys, PlayerSettings::DefaultKeys());
    EXPECT_TRUE(damaged.shadows);
    EXPECT_TRUE(damaged.smoothMotion) << "the good line after the bad ones still counts";
    EXPECT_EQ(CountOf(folder.Read("debug.txt"), "PlayerSettings: "), 9);
}

TEST(PlayerSettingsTest, KeysAreRefusedWhenTakenOrKeptByTheGame) {
    PlayerSettings settings;
    using Action = PlayerSettings::Action;
    EXPECT_FALSE(settings.Bind(Action::Up, platform::vk::Down)) << "Down hops down";
    EXPECT_FALSE(settings.Bind(Action::Up, platform::vk::Escape));
    EXPECT_FALSE(settings.Bind(Action::Up, platform::vk::PadA));
    EXPECT_TRUE(settings.Bind(Action::Up, platform::vk::Up)) << "its own key again";
    EXPECT_TRUE(settings.Bind(Action::Pause, '9'));
    EXPECT_EQ(settings.ActionOn('9'), Action::Pause);
    EXPECT_EQ(settings.ActionOn('P'), std::nullopt) << "the old key is free";
}

TEST(PlayerSettingsTest, AFileThatCannotBeWrittenIsLoggedOnceAndTheOldOneStays) {
    ScratchFolder folder;
    folder.Write(kFile, "musicVolume 40\n");
    // A folder in the way of the new file stops root as well as anyone.
    folder.Write(std::string(kFile) + ".new/in-the-way", "");
    PlayerSettings settings;
    settings.UseFile(kFile);
    settings.Load();
    settings.musicVolume = 60;
    EXPECT_FALSE(settings.Save());
    EXPECT_FALSE(settings.Save());
    EXPECT_EQ(CountOf(folder.Read("debug.txt"), "cannot be written"), 1);
    EXPECT_EQ(folder.Read(kFile), "musicVolume 40\n");
}

TEST(PlayerSettingsTest, TheFileLivesInTheDesktopsConfigurationFolder) {
    ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
    ::setenv("HOME", "/home/pat", 1);
    EXPECT_EQ(PlayerSettings::PathFromEnvironment(), "/xdg/quagleaper/settings.txt");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(PlayerSettings::PathFromEnvironment(), "/home/pat/.config/quagleaper/settings.txt");
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("HOME");
    EXPECT_EQ(PlayerSettings::PathFromEnvironment(), "");
}
