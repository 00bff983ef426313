#include "core/StringUtil.h"

#include <cctype>
#include <cstdio>

namespace StringUtil {

std::string ToUpper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string ToLower(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

std::string Utf8ToLatin1(std::string_view utf8) {
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            bytes += static_cast<char>(lead);
            continue;
        }
        // Latin-1 is exactly the two-byte sequences led by C2 and C3.
        const bool latin1 = (lead == 0xC2 || lead == 0xC3) && i + 1 < utf8.size() &&
                            (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80;
        bytes += latin1 ? static_cast<char>((lead & 0x1F) << 6 | (utf8[i + 1] & 0x3F)) : '?';
        // Skip the rest of the sequence, whatever it was.
        while (i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80)
            ++i;
    }
    return bytes;
}

std::string RemoveChars(std::string_view text, std::string_view characters) {
    std::string result;
    result.reserve(text.size());
    for (char c : text)
        if (characters.find(c) == std::string_view::npos)
            result += c;
    return result;
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string result = FormatV(format, args);
    va_end(args);
    return result;
}

std::string FormatV(const char* format, va_list args) {
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
        return {};
    std::string result(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(result.data(), result.size(), format, args);
    result.resize(static_cast<size_t>(length));
    return result;
}

} // namespace StringUtil
