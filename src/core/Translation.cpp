#include "core/Translation.h"

#include "core/File.h"
#include "core/FileLoader.h"
#include "core/Log.h"
#include "core/StringUtil.h"

#include <cstdint>

namespace {

constexpr std::uint32_t kMagic = 0x950412DE;
constexpr std::uint32_t kSwappedMagic = 0xDE120495;
constexpr std::size_t kHeaderBytes = 28;
// A catalogue of the game's few dozen texts is a few kilobytes.
constexpr std::size_t kMaxCatalogueBytes = std::size_t{1} << 20;

// The .mo file's 32-bit words, in whichever byte order the file was written.
class Words {
  public:
    Words(std::string_view bytes, bool swapped) : bytes(bytes), swapped(swapped) {}

    // False when the word at `offset` does not lie wholly inside the file.
    bool At(std::uint64_t offset, std::uint32_t& word) const {
        if (offset + 4 > bytes.size())
            return false;
        word = 0;
        for (int i = 0; i < 4; ++i) {
            const auto byte = static_cast<unsigned char>(bytes[offset + (swapped ? i : 3 - i)]);
            word = word << 8 | byte;
        }
        return true;
    }

    // The string a table row (length, offset) points at, or false when it reaches past the end.
    bool String(std::uint64_t row, std::string_view& text) const {
        std::uint32_t length = 0;
        std::uint32_t offset = 0;
        if (!At(row, length) || !At(row + 4, offset) ||
            std::uint64_t{offset} + length > bytes.size())
            return false;
        text = bytes.substr(offset, length);
        return true;
    }

  private:
    std::string_view bytes;
    bool swapped;
};

// The first of a plural entry's forms, which are separated by NULs.
std::string_view FirstForm(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

} // namespace

bool Translation::Load(Language language) {
    active = language;
    texts.clear();
    if (language == Language::English)
        return true;
    const std::string path =
        Singleton<FileLoader>::Instance().GetBasePath() + LanguageCode(language) + ".mo";
    File file;
    if (!Singleton<FileLoader>::Instance().Exists(path) || !file.Open(path, "r")) {
        Log("Translation: cannot read the catalogue %s; the texts stay English.\n", path.c_str());
        return false;
    }
    if (file.Length() > kMaxCatalogueBytes) {
        Log("Translation: the catalogue %s is too large; the texts stay English.\n", path.c_str());
        return false;
    }
    std::string bytes(file.Length(), '\0');
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    return Parse(bytes, path);
}

bool Translation::Parse(std::string_view bytes, const std::string& origin) {
    texts.clear();
    if (ParseEntries(bytes, origin))
        return true;
    texts.clear();
    return false;
}

bool Translation::ParseEntries(std::string_view bytes, const std::string& origin) {
    std::uint32_t magic = 0;
    if (!Words(bytes, false).At(0, magic) || (magic != kMagic && magic != kSwappedMagic) ||
        bytes.size() < kHeaderBytes) {
        Log("Translation: %s is not a gettext catalogue.\n", origin.c_str());
        return false;
    }
    const Words words(bytes, magic == kSwappedMagic);
    std::uint32_t revision = 0;
    std::uint32_t count = 0;
    std::uint32_t sources = 0;
    std::uint32_t targets = 0;
    words.At(4, revision);
    words.At(8, count);
    words.At(12, sources);
    words.At(16, targets);
    // Major revisions 0 and 1 share the layout read here.
    if (revision >> 16 > 1) {
        Log("Translation: %s has the unknown revision %u.\n", origin.c_str(), revision >> 16);
        return false;
    }
    for (std::uint64_t i = 0; i < count; ++i) {
        std::string_view source;
        std::string_view target;
        if (!words.String(sources + i * 8, source) || !words.String(targets + i * 8, target)) {
            Log("Translation: entry %llu of %s reaches past its end.\n",
                static_cast<unsigned long long>(i), origin.c_str());
            return false;
        }
        // The empty source text carries the catalogue's header, which the game does not need; an
        // empty translation means none, as in gettext.
        if (source.empty() || FirstForm(target).empty())
            continue;
        const std::string_view text = FirstForm(target);
        texts[std::string(FirstForm(source))] = {std::string(text), StringUtil::Utf8ToLatin1(text)};
    }
    return true;
}

std::string Translation::Screen(std::string_view english) const {
    const auto found = texts.find(english);
    return found == texts.end() ? std::string(english) : found->second.latin1;
}

std::string Translation::System(std::string_view english) const {
    const auto found = texts.find(english);
    return found == texts.end() ? std::string(english) : found->second.utf8;
}

std::string Tr(std::string_view english) {
    return Singleton<Translation>::Instance().Screen(english);
}
