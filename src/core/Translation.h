#pragma once

#include "core/Language.h"
#include "core/Singleton.h"

#include <map>
#include <string>
#include <string_view>

// The texts a player reads, in the active language. The game's source texts are English; each
// other language has a gettext catalogue (po/<code>.po, compiled by msgfmt at build time into
// data\<code>.mo). The game reads the .mo itself instead of through glibc's gettext, which picks
// catalogues from the process locale (it needs that locale installed, and the "C" locale
// ignores LANGUAGE) and cannot change language while the program runs, as an options screen
// must.
//
// A damaged catalogue is never read outside its bytes: it is refused whole, with a log line,
// and the game speaks the source texts.
class Translation {
  public:
    // Makes `language` active and reads its catalogue from the data; English needs none. False,
    // with a log line, when the catalogue cannot be read or is damaged.
    bool Load(Language language);
    // Takes the bytes of a .mo file as the catalogue; false, with a log line naming `origin`,
    // when they are damaged, which leaves the catalogue empty.
    bool Parse(std::string_view bytes, const std::string& origin);

    Language Active() const { return active; }
    std::size_t Size() const { return texts.size(); }
    // `english` in the active language: Latin-1, as the game's fonts draw it.
    std::string Screen(std::string_view english) const;
    // The same in UTF-8, for texts the system shows: stderr and message boxes.
    std::string System(std::string_view english) const;

  private:
    friend class Singleton<Translation>;
    Translation() = default;

    struct Text {
        std::string utf8;
        std::string latin1;
    };

    bool ParseEntries(std::string_view bytes, const std::string& origin);

    Language active = Language::German;
    std::map<std::string, Text, std::less<>> texts;
};

// The short call for code: a source text as the player's screen shows it, Tr("Pause").
std::string Tr(std::string_view english);
// Marks a source text that waits in a table, so that the catalogue finds it; Tr translates it
// where it is shown.
constexpr const char* N_(const char* english) {
    return english;
}
