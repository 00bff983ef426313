#pragma once

#include "Canvas.h"

#include <memory>
#include <string>
#include <vector>

// A bitmap font made from DejaVu Sans Bold: every glyph outlined so it reads on any ground,
// packed into a picture, and the definition file that tells the game's font reader where each
// glyph lies (rows counted from the picture's bottom; the top row written 4 pixels left, as
// the reader moves it back).
class FontAtlas {
  public:
    struct Style {
        double size;        // pixels
        std::uint32_t fill; // 0xRRGGBB
        double outline;     // width of the dark outline
    };
    struct Glyph {
        unsigned char code; // Latin-1
        int x;              // left column in the picture
        int top;            // top row in the picture
        int width;
    };

    static constexpr int kPictureWidth = 512;

    explicit FontAtlas(const Style& style);

    // The characters every font carries: printable ASCII without the space, and Ä Ö Ü ä ö ü ß.
    static const std::vector<unsigned char>& Characters();

    const Canvas& Picture() const { return *picture; }
    const std::vector<Glyph>& Glyphs() const { return glyphs; }
    int LineHeight() const { return lineHeight; }
    // The ".fnt" definition text.
    std::string Definition() const;

  private:
    std::unique_ptr<Canvas> picture;
    std::vector<Glyph> glyphs;
    int lineHeight = 0;
};
