#include "CreditsText.h"

namespace CreditsText {
namespace {

constexpr const char* kLines[] = {
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

} // namespace

std::string ToLatin1(const std::string& utf8) {
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            bytes += static_cast<char>((c & 0x1F) << 6 |
                                       (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
            ++i;
        } else {
            bytes += static_cast<char>(c);
        }
    }
    return bytes;
}

std::string Latin1() {
    std::string text;
    for (const char* line : kLines)
        text += ToLatin1(line) + "\n";
    return text;
}

} // namespace CreditsText
