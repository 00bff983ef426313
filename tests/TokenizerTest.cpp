#include "core/Tokenizer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> AllTokens(std::string_view text, std::string_view delimiters) {
    Tokenizer tokenizer(text, delimiters);
    std::vector<std::string> tokens;
    while (tokenizer.HasMoreTokens())
        tokens.push_back(tokenizer.NextToken());
    return tokens;
}

} // namespace

TEST(Tokenizer, DelimiterRunsAndEndsYieldNoEmptyTokens) {
    using Tokens = std::vector<std::string>;
    EXPECT_EQ(AllTokens("  speed\t \t5  # note\t", " \t"), (Tokens{"speed", "5", "#", "note"}));
    EXPECT_EQ(AllTokens("a,b;;c", ",;"), (Tokens{"a", "b", "c"}));
    EXPECT_EQ(AllTokens("\"a b\"", " "), (Tokens{"\"a", "b\""}));
    EXPECT_EQ(AllTokens("whole text", ""), (Tokens{"whole text"}));
    EXPECT_TRUE(AllTokens("", " \t").empty());
    EXPECT_TRUE(AllTokens(" \t \t", " \t").empty());
}

TEST(Tokenizer, ReadPositionAdvancesAndStopsAtTheEnd) {
    Tokenizer tokenizer("key value", " ");
    EXPECT_EQ(tokenizer.NextToken(), "key");
    ASSERT_TRUE(tokenizer.HasMoreTokens());
    EXPECT_EQ(tokenizer.NextToken(), "value");
    EXPECT_FALSE(tokenizer.HasMoreTokens());
    EXPECT_EQ(tokenizer.NextToken(), "");
    EXPECT_EQ(tokenizer.NextToken(), "");
}
