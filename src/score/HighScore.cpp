#include "score/HighScore.h"

#include "core/FileLoader.h"
#include "core/FileUtil.h"
#include "core/Log.h"
#include "core/StringUtil.h"
#include "gfx/HUDFont.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kTitle = "Quagleaper - Highscores\n\n";
constexpr const char* kSeparator = "---------------------------------\n";
constexpr int kLineSize = 1024;
// A valid table is a few hundred bytes; far more is no table, whatever it holds.
constexpr std::size_t kMaxFileBytes = 64 * 1024;
// How many refused tables are kept aside, newest first: HighScore.txt.rejected, then .1, .2 ...
constexpr int kRejectedKept = 5;
constexpr char kBackspace = 8;
constexpr char kReturn = 13;
constexpr std::uint32_t kBlinkMilliseconds = 333;

const HighScore::Entry kDefaultTable[] = {
    {1000, "Alvara"}, {900, "Bronik"}, {800, "Cessan"}, {700, "Dorwin"}, {600, "Elsin"},
    {500, "Fennick"}, {400, "Garrow"}, {300, "Hesp"},   {200, "Ilvora"}, {100, "Jorrel"},
};

bool StartsWith(const char* line, const char* prefix) {
    return std::string_view(line).starts_with(prefix);
}

// "*%d:" without the undefined overflow of scanf: out-of-range scores are held at the int range.
int ParseScore(const char* line) {
    const long long value = std::strtoll(line + 1, nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

std::string ParseName(const char* line) {
    std::string name;
    const char* colon = std::strchr(line, ':');
    if (!colon)
        return name;
    for (const char* c = colon + 1; *c != '\0' && *c != '\n'; ++c)
        if (HighScore::isAllowedNameChar(static_cast<unsigned char>(*c)))
            name += *c;
    return name;
}

bool PathTaken(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

// A table the player made read-only stays as it is (the save then says it could not write);
// a link is replaced by a file of our own, never written through, but not without a word.
bool MayReplace(const std::string& target) {
    struct stat status {};
    if (::lstat(target.c_str(), &status) != 0)
        return true;
    if (S_ISLNK(status.st_mode)) {
        Log("HighScore: %s is a link; it is replaced by a file of the game's own.\n",
            target.c_str());
        return true;
    }
    // The rename would replace it all the same, as it needs only the folder's permission.
    return ::access(target.c_str(), W_OK) == 0;
}

std::string WithoutLastChar(const std::string& text) {
    return text.empty() ? text : text.substr(0, text.size() - 1);
}

} // namespace

void HighScore::init() {
    if (!load()) {
        reset();
        save();
    }
    editing = -1;
    buffer.clear();
}

bool HighScore::load() {
    table.clear();
    // The player's file, on disk beside the data container and never inside it.
    const std::unique_ptr<std::FILE, decltype(&std::fclose)> file(
        FileUtil::OpenRegularFile(FileUtil::NativePath(path()), kMaxFileBytes), &std::fclose);
    const auto reject = [this] {
        keepRejectedFile();
        return false;
    };
    // Whatever stands in the table's place and cannot be read as one is kept aside, not lost.
    if (!file)
        return PathTaken(FileUtil::NativePath(path())) ? reject() : false;
    const auto readLine = [&file](char* line) {
        return std::fgets(line, kLineSize, file.get()) != nullptr;
    };
    std::string hashed;
    char line[kLineSize];
    while (static_cast<int>(table.size()) < kEntries) {
        if (!readLine(line))
            return reject();
        hashed += line;
        if (line[0] == '*')
            insert(ParseScore(line), ParseName(line));
    }
    do {
        if (!readLine(line))
            return reject();
        if (!StartsWith(line, kSeparator))
            hashed += line;
    } while (!StartsWith(line, kSeparator));
    if (!readLine(line))
        return reject();
    if (line != checksumLine(WithoutLastChar(hashed))) {
        // Kept as written: logs and their readers rely on this exact line.
        Log("You cheated you high scores! - lets reset.\n");
        return reject();
    }
    editing = -1;
    return true;
}

void HighScore::reset() {
    table.assign(std::begin(kDefaultTable), std::end(kDefaultTable));
    editing = -1;
}

void HighScore::save() {
    if (editing >= 0) {
        table[static_cast<std::size_t>(editing)].name = buffer;
        editing = -1;
    }
    // Said once: a table that could not be written is not tried again at shutdown.
    unsaved = false;
    const std::string text = tableText();
    const std::string target = FileUtil::NativePath(path());
    if (!MayReplace(target) ||
        !FileUtil::WriteAndReplace(target, text + kSeparator + checksumLine(WithoutLastChar(text))))
        Log("HighScore: could not write %s; the table is kept until the next save.\n",
            target.c_str());
}

void HighScore::saveIfChanged() {
    if (unsaved)
        save();
}

bool HighScore::addScore(int score) {
    if (table.empty() || table.back().score >= score)
        return false;
    table.pop_back();
    editing = insert(score, buffer);
    unsaved = true;
    return true;
}

void HighScore::typeChar(char c) {
    if (editing < 0)
        return;
    Entry& entry = table[static_cast<std::size_t>(editing)];
    if (c == kBackspace) {
        if (!buffer.empty()) {
            buffer.pop_back();
            entry.name = buffer;
        }
    } else if (c == kReturn) {
        entry.name = buffer;
        editing = -1;
        save();
    } else if (buffer.size() < kMaxNameLength && isAllowedNameChar(static_cast<unsigned char>(c))) {
        buffer += c;
    }
}

void HighScore::draw() const {
    HUDFont& font = Singleton<HUDFont>::Instance();
    const std::uint32_t now = platform::Platform::current().clock().milliseconds();
    const bool editedRowHidden = now / kBlinkMilliseconds % 3 == 0;
    int y = kFirstRowY;
    for (int i = 0; i < static_cast<int>(table.size()); ++i, y += kRowStep) {
        const bool edited = i == editing;
        if (edited && editedRowHidden)
            continue;
        const Entry& entry = table[static_cast<std::size_t>(i)];
        font.DrawText(kNameX, y, edited ? buffer : entry.name, false);
        font.DrawText(kScoreRightX, y, std::to_string(entry.score), true);
    }
}

bool HighScore::isAllowedNameChar(unsigned char c) {
    switch (c) {
    case 0xC4:
    case 0xD6:
    case 0xDC:
    case 0xE4:
    case 0xF6:
    case 0xFC:
    case 0xDF:
        return true;
    default:
        return c >= 0x20 && c <= 0x7E && c != '%';
    }
}

std::uint32_t HighScore::hash(const std::string& text) {
    std::uint32_t h = 0;
    for (const char c : text) {
        const auto b =
            static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
        h = ((h << 8) | (h >> 24)) + b;
    }
    return h;
}

std::string HighScore::checksumLine(const std::string& hashedText) {
    const std::uint32_t h = hash(hashedText);
    return StringUtil::Format("%x%x---%x", h, ~(h + 1u), (2u * h) ^ 0x5d2e91b7u);
}

// After the entries of equal score, so that the older of two equal scores stays above.
int HighScore::insert(int score, const std::string& name) {
    const auto place = std::find_if(table.begin(), table.end(),
                                    [score](const Entry& entry) { return entry.score < score; });
    return static_cast<int>(table.insert(place, Entry{score, name}) - table.begin());
}

std::string HighScore::tableText() const {
    std::string text = kTitle;
    for (const Entry& entry : table)
        text += StringUtil::Format("*%d:%s\n", entry.score, entry.name.c_str());
    return text;
}

std::string HighScore::path() const {
    return Singleton<FileLoader>::Instance().GetBasePath() + kFileName;
}

void HighScore::keepRejectedFile() const {
    const std::string target = FileUtil::NativePath(path());
    const std::string aside = target + ".rejected";
    const auto older = [&aside](int age) {
        return age == 0 ? aside : aside + "." + std::to_string(age);
    };
    // The oldest goes; every other steps one name on, so that no refused table overwrites another.
    std::remove(older(kRejectedKept - 1).c_str());
    for (int age = kRejectedKept - 2; age >= 0; --age)
        std::rename(older(age).c_str(), older(age + 1).c_str());
    if (std::rename(target.c_str(), aside.c_str()) == 0)
        Log("HighScore: %s is not a valid table; kept as %s.\n", target.c_str(), aside.c_str());
}
