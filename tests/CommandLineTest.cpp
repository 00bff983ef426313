#include "app/CommandLine.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>

namespace {

using Request = CommandLine::Request;

// What Answer wrote to a stream.
std::string Written(std::FILE* stream) {
    std::string text(static_cast<size_t>(std::ftell(stream)), '\0');
    std::rewind(stream);
    text.resize(std::fread(text.data(), 1, text.size(), stream));
    std::fclose(stream);
    return text;
}

TEST(CommandLineTest, OptionsInEitherFormAskOnceAndAnythingElseIsInvalid) {
    const char* argv[] = {"quagleaper", "-v", "--help"};
    EXPECT_EQ(CommandLine(3, argv).request(), Request::Version);
    EXPECT_EQ(CommandLine(1, argv).request(), Request::Play);
    EXPECT_EQ(CommandLine({"--help"}).request(), Request::Help);
    for (const char* unknown : {"--full", "-x", "level3", "--HELP", "--help=", "--nosound"}) {
        const CommandLine line({"-h", unknown});
        EXPECT_EQ(line.request(), Request::Invalid) << unknown;
        EXPECT_NE(line.problem().find(unknown), std::string::npos) << line.problem();
    }
}

TEST(CommandLineTest, StartChoicesAreReadAndTheLastModeWins) {
    const CommandLine none(std::vector<std::string>{});
    EXPECT_EQ(none.fullscreen(), std::nullopt);
    EXPECT_TRUE(none.sound());
    EXPECT_EQ(none.dataFolder(), "");

    const std::string folder = ::testing::TempDir();
    const std::string slashed = folder.ends_with('/') ? folder : folder + "/";
    const CommandLine windowed({"--fullscreen", "--no-sound", "--data", folder, "--window"});
    EXPECT_EQ(windowed.request(), Request::Play) << windowed.problem();
    EXPECT_EQ(windowed.fullscreen(), false);
    EXPECT_FALSE(windowed.sound());
    EXPECT_EQ(windowed.dataFolder(), slashed);
    EXPECT_EQ(CommandLine({"--window", "--fullscreen"}).fullscreen(), true);
    EXPECT_EQ(CommandLine({"--data=" + slashed}).dataFolder(), slashed);
    EXPECT_EQ(none.replay(), "");
    EXPECT_EQ(CommandLine({"--replay", "a.qlr", "--window"}).replay(), "a.qlr");
    EXPECT_EQ(CommandLine({"--replay=b.qlr"}).replay(), "b.qlr");
    for (const char* empty : {"--replay", "--replay="})
        EXPECT_EQ(CommandLine({empty}).request(), Request::Invalid) << empty;
}

TEST(CommandLineTest, DataNeedsAFolderThatExistsAndSaysWhich) {
    const std::string missing = ::testing::TempDir() + "/no-such-folder-here";
    const std::string file = ::testing::TempDir() + "/plain-file";
    std::fclose(std::fopen(file.c_str(), "w"));
    for (const auto& [arguments, named] :
         {std::pair{std::vector<std::string>{"--data"}, std::string("DIR")},
          std::pair{std::vector<std::string>{"--data="}, std::string("DIR")},
          std::pair{std::vector<std::string>{"--data", missing, "--help"}, missing},
          std::pair{std::vector<std::string>{"--data", file}, file}}) {
        const CommandLine line(arguments);
        EXPECT_EQ(line.request(), Request::Invalid) << named;
        EXPECT_NE(line.problem().find(named), std::string::npos) << line.problem();
        EXPECT_EQ(line.dataFolder(), "") << named;
    }
    std::remove(file.c_str());
}

TEST(CommandLineTest, AnswersGoToTheirStreamsWithTheirExitCodes) {
    for (const auto& [argument, code, toOut, toErr] :
         {std::tuple{"--help", 0, CommandLine::Usage(), std::string()},
          std::tuple{"-v", 0, CommandLine::Version() + "\n", std::string()},
          std::tuple{"--bogus", 2, std::string(),
                     "quagleaper: unknown option --bogus\n" + CommandLine::Usage()}}) {
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        EXPECT_EQ(CommandLine({argument}).Answer(out, err), code) << argument;
        EXPECT_EQ(Written(out), toOut) << argument;
        EXPECT_EQ(Written(err), toErr) << argument;
    }
    EXPECT_EQ(CommandLine(std::vector<std::string>{}).Answer(stdout, stderr), std::nullopt);
}

} // namespace
