#include "app/HarnessScript.h"

#include <gtest/gtest.h>

namespace {

using Op = HarnessScript::Op;

std::optional<HarnessScript> Parse(const std::string& source, std::string* errorOut = nullptr) {
    std::string error;
    auto script = HarnessScript::Parse(source, error);
    if (errorOut)
        *errorOut = error;
    return script;
}

TEST(HarnessScriptTest, ReadsEveryCommand) {
    const auto script =
        Parse("# a comment\n\nseed 42\nstep 35\nfocus on\nkey ESC\nkey Q\n"
              "char 13\nchar x\nmouse 1 2\nclick 3 4\nclose\ntrace t.jsonl\nrun 2\r\n");
    ASSERT_TRUE(script);
    EXPECT_EQ(script->Seed(), 42u);
    const auto& commands = script->Commands();
    ASSERT_EQ(commands.size(), 11u);
    EXPECT_EQ(commands[0].op, Op::Step);
    EXPECT_EQ(commands[0].a, 35);
    EXPECT_EQ(commands[2].a, 27);
    EXPECT_EQ(commands[3].a, 'Q');
    EXPECT_EQ(commands[4].a, 13);
    EXPECT_EQ(commands[5].a, 'x');
    EXPECT_EQ(commands[7].op, Op::Click);
    EXPECT_EQ(commands[7].b, 4);
    EXPECT_EQ(commands[10].op, Op::Run);
    EXPECT_EQ(commands[10].line, 14);
}

TEST(HarnessScriptTest, TypeSendsEachByteIncludingSpaces) {
    const auto script = Parse("type Ab c\n");
    ASSERT_TRUE(script);
    std::string typed;
    for (const auto& command : script->Commands())
        typed += static_cast<char>(command.a);
    EXPECT_EQ(typed, "Ab c");
}

TEST(HarnessScriptTest, MalformedLinesAreRejectedWithTheirLineNumber) {
    const char* bad[] = {"jump 3",      "run",      "run -1",  "run 2x",    "key F1",
                         "focus maybe", "char 256", "mouse 1", "close now", "seed 99999999999",
                         "step 1 2"};
    for (const char* line : bad) {
        std::string error;
        EXPECT_FALSE(Parse(std::string("run 1\n") + line + "\n", &error)) << line;
        EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
    }
    std::string error;
    EXPECT_FALSE(Parse("autoplay maybe\n", &error));
    EXPECT_NE(error.find("'autoplay' takes 'on' or 'off'"), std::string::npos) << error;
}

TEST(HarnessScriptTest, LevelTakesALevelNumberOrTheShowdown) {
    const auto script = Parse("level 0\nlevel 15\nlevel showdown\n");
    ASSERT_TRUE(script);
    const auto& commands = script->Commands();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].op, Op::Level);
    EXPECT_EQ(commands[1].a, 15);
    EXPECT_EQ(commands[2].a, HarnessScript::kShowdownLevel);
    for (const char* line : {"level", "level -1", "level 1000", "level Showdown", "level 3 4"}) {
        std::string error;
        EXPECT_FALSE(Parse(std::string("run 1\n") + line + "\n", &error)) << line;
        EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
    }
}

} // namespace
