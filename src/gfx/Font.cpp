#include "gfx/Font.h"

#include "core/File.h"
#include "core/Log.h"
#include "core/Quit.h"
#include "core/SettingsManager.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"

#include <cstdio>

namespace {

constexpr int kLineBytes = 1024;
constexpr int kTopRowShift = 4;

// Truncates toward zero, as the game's scaled text positions do after every step.
int Truncated(float value) {
    return static_cast<int>(value);
}

} // namespace

bool Font::Load(const std::string& path, const std::string& fontLabel) {
    sizeFactor = Singleton<SettingsManager>::Instance().GetFloat("smallFontSizeFactor");
    label = fontLabel;
    spacing = 1;
    spaceWidth = 8;
    File file;
    if (!file.Open(path, "r")) {
        QuitFatally("Failed to open font definition file %s.\n", path.c_str());
        return false;
    }
    char line[kLineBytes];
    int unused = 0;
    int stored = 0;
    if (file.GetLine(line, kLineBytes))
        std::sscanf(line, "%d %d", &unused, &stored);
    if (file.GetLine(line, kLineBytes))
        std::sscanf(line, "%d %d", &imageWidth, &imageHeight);
    if (file.GetLine(line, kLineBytes))
        std::sscanf(line, "%d %d", &stored, &lineHeight);
    if (file.GetLine(line, kLineBytes))
        std::sscanf(line, "%d", &glyphCount);
    if (file.GetLine(line, kLineBytes))
        std::sscanf(line, "%d %d", &stored, &unused);
    // Without a picture width no glyph column can be placed; the file says too little.
    if (imageWidth <= 0) {
        Log("Font::Load: %s gives no picture width; the font has no glyphs\n", path.c_str());
        return false;
    }
    for (int read = 0; read < glyphCount && file.GetLine(line, kLineBytes); ++read)
        ReadGlyphLine(line);
    return true;
}

void Font::ReadGlyphLine(const char* line) {
    unsigned int low = 0;
    unsigned int high = 0;
    int x1 = 0;
    int y = 0;
    int x2 = 0;
    int unused = 0;
    std::sscanf(line, "%x %x %d %d %d %d", &low, &high, &x1, &y, &x2, &unused);
    InclusiveRect glyph;
    glyph.top = imageHeight - lineHeight - y;
    glyph.bottom = imageHeight - y - 1;
    // The definition files place the top row's glyphs 4 pixels left of where they are.
    const int shift = glyph.top == 0 ? kTopRowShift : 0;
    glyph.left = (x1 + shift) % imageWidth;
    glyph.right = (x2 + shift) % imageWidth;
    glyphs[static_cast<int>(low + 256 * high)] = glyph;
}

InclusiveRect Font::Glyph(unsigned char character) const {
    const auto found = glyphs.find(character);
    return found == glyphs.end() ? InclusiveRect{} : found->second;
}

bool Font::DrawText(int x, int y, const std::string& text, bool rightAligned) {
    Sprite* sprite = Singleton<SpriteManager>::Instance().GetSprite(label);
    if (!sprite)
        return false;
    int p = x;
    if (!rightAligned) {
        for (const char c : text) {
            if (c == ' ') {
                p += spaceWidth;
                continue;
            }
            const InclusiveRect glyph = Glyph(static_cast<unsigned char>(c));
            sprite->DrawPart(glyph, p, y);
            p += spacing + glyph.right - glyph.left;
        }
        return true;
    }
    for (auto c = text.rbegin(); c != text.rend(); ++c) {
        if (*c == ' ') {
            p -= spaceWidth;
            continue;
        }
        const InclusiveRect glyph = Glyph(static_cast<unsigned char>(*c));
        p += glyph.left - glyph.right - spacing;
        sprite->DrawPart(glyph, p, y);
    }
    return true;
}

bool Font::DrawTextScaled(int x, int y, const std::string& text, bool rightAligned) {
    Sprite* sprite = Singleton<SpriteManager>::Instance().GetSprite(label);
    if (!sprite)
        return false;
    const float f = sizeFactor;
    auto destination = [&](const InclusiveRect& glyph, int p) {
        return InclusiveRect{p, y, Truncated(p + (glyph.right - glyph.left) * f),
                             Truncated(y + (glyph.bottom - glyph.top) * f)};
    };
    int p = x;
    if (!rightAligned) {
        for (const char c : text) {
            if (c == '\r')
                break;
            if (c == ' ') {
                p = Truncated(p + spaceWidth * f);
                continue;
            }
            const InclusiveRect glyph = Glyph(static_cast<unsigned char>(c));
            sprite->DrawPartScaled(glyph, destination(glyph, p));
            p = Truncated(p + (glyph.right - glyph.left) * f + spacing);
        }
        return true;
    }
    for (auto c = text.rbegin(); c != text.rend(); ++c) {
        if (*c == '\r')
            break;
        if (*c == ' ') {
            p = Truncated(p - spaceWidth * f);
            continue;
        }
        const InclusiveRect glyph = Glyph(static_cast<unsigned char>(*c));
        p = Truncated(p - ((glyph.right - glyph.left) * f + spacing));
        sprite->DrawPartScaled(glyph, destination(glyph, p));
    }
    return true;
}

int Font::GetTextWidth(const std::string& text) const {
    int width = 0;
    for (const char c : text) {
        if (c == '\r')
            break;
        if (c == ' ') {
            width += spaceWidth;
            continue;
        }
        const InclusiveRect glyph = Glyph(static_cast<unsigned char>(c));
        width += glyph.right - glyph.left + spacing;
    }
    return width;
}

int Font::GetTextWidthScaled(const std::string& text) const {
    return Truncated(GetTextWidth(text) * sizeFactor);
}
