#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "app/CommandLine.h"

namespace {

using Request = CommandLine::Request;

// What Answer wrote to a stream.
std::string Written(std::FILE* stream) {
    std::string text(static_cast<size_t>(std::ftell(stream)), '\0');
    std::rewind(stream);
    text.resize(std::fread(text.data(), 1, text.size(), stream));
    return text;
}

struct Answered {
    std::optional<int> exitCode;
    std::string out;
    std::string err;
};

Answered Answer(const std::vector<std::string>& arguments) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Answered answered{CommandLine(arguments).Answer(out, err), Written(out), Written(err)};
    std::fclose(out);
    std::fclose(err);
    return answered;
}

TEST(CommandLineTest, EachOptionAndItsShortFormAskForTheSame) {
    EXPECT_EQ(CommandLine(std::vector<std::string>{}).request(), Request::Play);
    EXPECT_EQ(CommandLine({"-h"}).request(), Request::Help);
    EXPECT_EQ(CommandLine({"--help"}).request(), Request::Help);
    EXPECT_EQ(CommandLine({"-v"}).request(), Request::Version);
    EXPECT_EQ(CommandLine({"--version"}).request(), Request::Version);
    EXPECT_EQ(CommandLine({"--version", "--help"}).request(), Request::Version);
}

TEST(CommandLineTest, AnythingUnknownIsInvalidWhereverItStands) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--fullscreen"}, {"-x"}, {"--help", "-q"}, {"level3"}, {"--HELP"}, {"--help="}}) {
        const CommandLine line(arguments);
        EXPECT_EQ(line.request(), Request::Invalid) << arguments.back();
        EXPECT_NE(line.problem().find(arguments.back()), std::string::npos) << line.problem();
    }
}

TEST(CommandLineTest, ArgvSkipsTheProgramName) {
    const char* argv[] = {"quagleaper", "-v"};
    EXPECT_EQ(CommandLine(2, argv).request(), Request::Version);
    EXPECT_EQ(CommandLine(1, argv).request(), Request::Play);
    EXPECT_EQ(CommandLine(0, argv).request(), Request::Play);
}

TEST(CommandLineTest, HelpAndVersionGoToStandardOutputAndEndWithZero) {
    const Answered help = Answer({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out, CommandLine::Usage());
    EXPECT_NE(help.out.find("--version"), std::string::npos);
    EXPECT_EQ(help.err, "");

    const Answered version = Answer({"-v"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, CommandLine::Version() + "\n");
    const std::string number = CommandLine::Version().substr(std::string("quagleaper ").size());
    EXPECT_TRUE(CommandLine::Version().starts_with("quagleaper ")) << version.out;
    EXPECT_EQ(std::count(number.begin(), number.end(), '.'), 2) << number;
    EXPECT_EQ(number.find_first_not_of("0123456789."), std::string::npos) << number;
}

TEST(CommandLineTest, AnUnknownOptionPrintsTheUsageToStandardErrorAndEndsWithTwo) {
    const Answered answered = Answer({"--bogus"});
    EXPECT_EQ(answered.exitCode, 2);
    EXPECT_EQ(answered.out, "");
    EXPECT_EQ(answered.err, "quagleaper: unknown option --bogus\n" + CommandLine::Usage());
    EXPECT_EQ(Answer({}).exitCode, std::nullopt);
}

} // namespace
