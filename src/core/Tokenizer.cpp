#include "core/Tokenizer.h"

Tokenizer::Tokenizer(std::string_view text, std::string_view delimiters) {
    std::size_t start = text.find_first_not_of(delimiters);
    while (start != std::string_view::npos) {
        const std::size_t end = text.find_first_of(delimiters, start);
        tokens.emplace_back(text.substr(start, end - start));
        start = text.find_first_not_of(delimiters, end);
    }
}

bool Tokenizer::HasMoreTokens() const {
    return position < tokens.size();
}

std::string Tokenizer::NextToken() {
    if (!HasMoreTokens())
        return {};
    return tokens[position++];
}
