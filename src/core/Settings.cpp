#include "core/Settings.h"

#include "core/File.h"
#include "core/Log.h"
#include "core/StringUtil.h"
#include "core/Tokenizer.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace {

constexpr const char* kDelimiters = " \t";
constexpr int kReadBufferSize = 1024;

// GetLine fills the buffer like fgets, which reports no length. The buffer is zeroed first,
// so a line feed found in it was read, even behind NUL bytes of a damaged file.
std::size_t ReadLength(const std::array<char, kReadBufferSize>& buffer) {
    const auto* lineFeed =
        static_cast<const char*>(std::memchr(buffer.data(), '\n', buffer.size()));
    if (lineFeed)
        return static_cast<std::size_t>(lineFeed - buffer.data()) + 1;
    const auto lastByte =
        std::find_if(buffer.rbegin(), buffer.rend(), [](char c) { return c != '\0'; });
    return static_cast<std::size_t>(buffer.rend() - lastByte);
}

// One line up to and including its line feed, however long; false when nothing was left.
bool ReadLine(File& file, std::string& line) {
    line.clear();
    std::array<char, kReadBufferSize> buffer;
    while (!file.Eof()) {
        buffer.fill('\0');
        if (!file.GetLine(buffer.data(), kReadBufferSize))
            break;
        line.append(buffer.data(), ReadLength(buffer));
        if (!line.empty() && line.back() == '\n')
            return true;
    }
    return !line.empty();
}

// The line's first token upper-cased, the tokens after it left in `tokens`; none for a comment
// (a '#' in the very first column) or a blank line.
std::optional<std::string> KeywordOf(const std::string& line, Tokenizer& tokens) {
    if ((!line.empty() && line.front() == '#') || !tokens.HasMoreTokens())
        return std::nullopt;
    return StringUtil::ToUpper(tokens.NextToken());
}

// Files are read in binary, so a config saved with CRLF line ends keeps its carriage returns.
void StripLineEnd(std::string& line) {
    if (!line.empty() && line.back() == '\n')
        line.pop_back();
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
}

void StoreLine(std::vector<std::string>& lines, std::string line) {
    if (line.size() <= Settings::MaxLineLength) {
        lines.push_back(std::move(line));
        return;
    }
    for (std::size_t start = 0; start < line.size(); start += Settings::MaxLineLength)
        lines.push_back(line.substr(start, Settings::MaxLineLength));
}

} // namespace

bool Settings::Load(const std::string& name) {
    fileName = name;
    lines.clear();
    firstLineOfKey.clear();
    namelessSections = 0;
    File file;
    if (!file.Open(name, "r")) {
        Log("Settings::Load could not open file <%s>\n", name.c_str());
        return false;
    }
    if (file.Length() > MaxFileBytes) {
        Log("Settings::Load: %s holds more than %zu bytes and is not read\n", name.c_str(),
            MaxFileBytes);
        return false;
    }
    std::string line;
    while (ReadLine(file, line)) {
        StripLineEnd(line);
        StoreLine(lines, std::move(line));
    }
    file.Close();
    IndexKeys();
    return true;
}

void Settings::IndexKeys() {
    for (std::size_t index = 0; index < lines.size(); ++index) {
        Tokenizer tokens(lines[index], kDelimiters);
        const std::optional<std::string> keyword = KeywordOf(lines[index], tokens);
        if (!keyword)
            continue;
        if (*keyword == "SECTION" && !tokens.HasMoreTokens())
            ++namelessSections;
        firstLineOfKey.try_emplace(*keyword, KeyLine{index, namelessSections});
    }
}

// Each lookup used to pass these lines, and logs that read them expect the same lines.
void Settings::ReportNamelessSections(int count) {
    for (int i = 0; i < count; ++i)
        Log("Section defined without name\n");
}

std::optional<std::string> Settings::FindLine(std::string_view key,
                                              std::string_view section) const {
    const std::string wantedKey = StringUtil::ToUpper(key);
    if (section.empty()) {
        const auto hit = firstLineOfKey.find(wantedKey);
        ReportNamelessSections(hit == firstLineOfKey.end() ? namelessSections
                                                           : hit->second.namelessSectionsBefore);
        if (hit == firstLineOfKey.end())
            return std::nullopt;
        return lines[hit->second.line];
    }
    const std::string wantedSection = StringUtil::ToUpper(section);
    bool inSection = false;
    for (const std::string& line : lines) {
        Tokenizer tokens(line, kDelimiters);
        const std::optional<std::string> found = KeywordOf(line, tokens);
        if (!found)
            continue;
        const std::string& keyword = *found;
        if (keyword == "SECTION") {
            if (!tokens.HasMoreTokens())
                Log("Section defined without name\n");
            else if (StringUtil::ToUpper(tokens.NextToken()) == wantedSection)
                inSection = true;
        }
        if (keyword == "ENDSECTION")
            inSection = false;
        if (inSection && keyword == wantedKey)
            return line;
    }
    return std::nullopt;
}
