#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Splits a text at any character of a delimiter set. Runs of delimiters count as one, so no
// token is ever empty; there is no quoting or escaping.
class Tokenizer {
  public:
    Tokenizer(std::string_view text, std::string_view delimiters);

    bool HasMoreTokens() const;

    // The token at the read position, which then moves on; empty once all are read.
    std::string NextToken();

  private:
    std::vector<std::string> tokens;
    std::size_t position = 0;
};
