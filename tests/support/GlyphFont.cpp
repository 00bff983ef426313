#include "support/GlyphFont.h"

#include "gfx/HUDFont.h"
#include "gfx/ScoreFont.h"
#include "gfx/SpriteManager.h"
#include "support/BmpWriter.h"

#include <vector>

namespace GlyphFont {

namespace {

void Write(const ScratchFolder& folder) {
    constexpr std::uint32_t kMagenta = 0xFF00FF;
    std::vector<std::uint32_t> pixels(64 * 32, kMagenta);
    for (int y = 32 - kGlyphHeight; y < 32; ++y)
        for (int x = 0; x < kGlyphWidth; ++x)
            pixels[y * 64 + x] = kRed;
    folder.Write("data/font.bmp", BmpWriter(64, 32, 24, pixels).Bytes());
    folder.Write("data/font.fnt", "0 1\n64 32\n0 16\n1\n0 0\n31 0 0 0 9 0\n");
    SpriteInfo info;
    info.name = "FONT";
    Singleton<SpriteManager>::Instance().SetSpriteInfo(info);
}

} // namespace

void LoadGameFonts(const ScratchFolder& folder) {
    Write(folder);
    Singleton<HUDFont>::Instance().Load("data\\font.fnt", "font");
    Singleton<ScoreFont>::Instance().Load("data\\font.fnt", "font");
}

} // namespace GlyphFont
