#include "CreditsText.h"

#include "core/StringUtil.h"

#include <span>

namespace CreditsText {
namespace {

constexpr const char* kGerman[] = {
    "Quagleaper",
    "",
    "Ein Spiel vom Quagleaper-Team",
    "",
    "Spielidee und Regeln",
    "das Quagleaper-Team",
    "",
    "Programmierung",
    "die Entwickler des Quagleaper-Teams",
    "",
    "Grafik",
    "gezeichnet vom Datengenerator",
    "quagleaper-assetgen mit Cairo",
    "",
    "Musik und Klänge",
    "synthetisiert vom Datengenerator",
    "",
    "Leveldesign und Test",
    "das Quagleaper-Team",
    "",
    "Freie Bibliotheken",
    "SDL2 - zlib-Lizenz",
    "libjpeg-turbo - IJG- und BSD-Lizenz",
    "libpng - libpng-Lizenz",
    "libogg und libvorbis - BSD-Lizenz",
    "Cairo - LGPL 2.1 oder MPL 1.1",
    "",
    "Schriften",
    "DejaVu Sans - freie Bitstream-Vera-Lizenz",
    "",
    "Danke fürs Spielen!",
    "Viel Glück den Fröschen",
    "auf ihrem Weg zum Froschfest.",
    "",
    "",
    "Ostrel & Brimvale präsentieren",
};

// Line for line the German credits, so that the logos follow at the same height.
constexpr const char* kEnglish[] = {
    "Quagleaper",
    "",
    "A game by the Quagleaper team",
    "",
    "Game idea and rules",
    "the Quagleaper team",
    "",
    "Programming",
    "the developers of the Quagleaper team",
    "",
    "Graphics",
    "drawn by the data generator",
    "quagleaper-assetgen with Cairo",
    "",
    "Music and sounds",
    "synthesised by the data generator",
    "",
    "Level design and testing",
    "the Quagleaper team",
    "",
    "Free libraries",
    "SDL2 - zlib licence",
    "libjpeg-turbo - IJG and BSD licences",
    "libpng - libpng licence",
    "libogg and libvorbis - BSD licence",
    "Cairo - LGPL 2.1 or MPL 1.1",
    "",
    "Fonts",
    "DejaVu Sans - free Bitstream Vera licence",
    "",
    "Thanks for playing!",
    "Good luck to the frogs",
    "on their way to the frog festival.",
    "",
    "",
    "Ostrel & Brimvale present",
};

} // namespace

std::string Latin1(Language language) {
    const std::span<const char* const> lines =
        language == Language::German ? std::span(kGerman) : std::span(kEnglish);
    std::string text;
    for (const char* line : lines)
        text += StringUtil::Utf8ToLatin1(line) + "\n";
    return text;
}

} // namespace CreditsText
