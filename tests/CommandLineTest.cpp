#include "app/CommandLine.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <tuple>

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
    for (const char* unknown : {"--fullscreen", "-x", "level3", "--HELP", "--help="}) {
        const CommandLine line({"-h", unknown});
        EXPECT_EQ(line.request(), Request::Invalid) << unknown;
        EXPECT_NE(line.problem().find(unknown), std::string::npos) << line.problem();
    }
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
