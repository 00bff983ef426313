#pragma once

#include "gfx/InclusiveRect.h"

#include <string>
#include <unordered_map>

// A bitmap font: a picture registered as a sprite and a definition file saying where each
// character's glyph lies in it. Text is drawn glyph by glyph, at natural size or scaled by
// the setting smallFontSizeFactor.
class Font {
  public:
    virtual ~Font() = default;

    // Reads the definition file at `path`; the picture is the sprite `label`. A missing file is
    // fatal (a log line and a quit request).
    bool Load(const std::string& path, const std::string& label);

    // False, with nothing drawn, when the font's sprite cannot be had.
    bool DrawText(int x, int y, const std::string& text, bool rightAligned);
    bool DrawTextScaled(int x, int y, const std::string& text, bool rightAligned);
    int GetTextWidth(const std::string& text) const;
    int GetTextWidthScaled(const std::string& text) const;

    // The glyph of a character; all zero when it has none.
    InclusiveRect Glyph(unsigned char character) const;
    int ImageWidth() const { return imageWidth; }
    int ImageHeight() const { return imageHeight; }
    int LineHeight() const { return lineHeight; }
    int GlyphCount() const { return glyphCount; }

  protected:
    Font() = default;

  private:
    void ReadGlyphLine(const char* line);

    float sizeFactor = 1.0f;
    int imageWidth = 0;
    int imageHeight = 0;
    int lineHeight = 0;
    int glyphCount = 0;
    std::string label;
    int spacing = 1;
    int spaceWidth = 8;
    std::unordered_map<int, InclusiveRect> glyphs;
};
