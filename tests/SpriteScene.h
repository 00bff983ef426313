#pragma once

#include "gfx/DirectDraw.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteInfo.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"
#include "support/BmpWriter.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// A set of small sprites of every kind, written as data files into data/ of the working folder,
// registered with the sprite manager, drawn into one frame and checked pixel by pixel. The
// colours have no bits below 5-bit fields, so they reach both screen depths unchanged. Every
// sprite is at least two pixels wide and high, as thinner parts are not drawn.
namespace scene {

constexpr std::uint32_t kRed = 0xF80000;
// Green's lowest bit is clear on 16-bit screens.
constexpr std::uint32_t kGreen = 0x00F800;
constexpr std::uint32_t kBlue = 0x0000F8;
constexpr std::uint32_t kWhite = 0xF8F8F8;
// The artwork's transparent colour.
constexpr std::uint32_t kMagenta = 0xFF00FF;
constexpr std::uint32_t kBlack = 0x000000;

// A screen pixel from 8-bit channels, by the layout of the screen format itself.
inline std::uint32_t Screen(int depth, int red, int green, int blue) {
    if (depth == 16)
        return static_cast<std::uint32_t>((red >> 3) << 11 | (green >> 2) << 5 | (blue >> 3));
    return static_cast<std::uint32_t>(red << 16 | green << 8 | blue);
}
inline std::uint32_t Screen(int depth, std::uint32_t rgb) {
    return Screen(depth, rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

inline void WriteData(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories("data");
    std::ofstream("data/" + name, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void WritePicture(const std::string& name, int width, int height,
                         std::vector<std::uint32_t> pixels) {
    WriteData(name, BmpWriter(width, height, 24, std::move(pixels)).Bytes());
}

inline SpriteInfo Info(const std::string& label, int type, int numFrames = 1, float duration = 0.0f,
                       bool loop = true) {
    SpriteInfo info;
    info.name = label;
    info.type = type;
    info.numFrames = numFrames;
    info.duration = duration;
    info.loop = loop;
    return info;
}

// Writes the files and registers a definition for each sprite of the scene.
inline void Register() {
    SpriteManager& manager = Singleton<SpriteManager>::Instance();
    // A keyed box: the magenta pixel lets the background through.
    WritePicture("box.bmp", 3, 2, {kRed, kRed, kRed, kRed, kMagenta, kRed});
    manager.SetSpriteInfo(Info("BOX", SpriteTypeSurface));
    // Opaque, half and clear.
    WritePicture("glow.bmp", 3, 2, std::vector<std::uint32_t>(6, kWhite));
    WritePicture("glowAlpha.bmp", 3, 2,
                 {0xFFFFFF, 0x808080, 0x000000, 0xFFFFFF, 0x808080, 0x000000});
    manager.SetSpriteInfo(Info("GLOW", SpriteTypeSurface));
    // Shadows are palette pictures, cut to the box of their non-black pixels, here from (1, 1).
    WriteData("shade.bmp",
              BmpWriter(4, 3, 8, {0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0, 0}, {kBlack, kWhite}).Bytes());
    manager.SetSpriteInfo(Info("SHADE", SpriteTypeShadow));
    // Two 2 x 2 frames, played back to front.
    WritePicture("blink.bmp", 2, 4, {kGreen, kGreen, kGreen, kGreen, kBlue, kBlue, kBlue, kBlue});
    WriteData("blinkFrames.txt", "1\n0\n");
    manager.SetSpriteInfo(Info("BLINK", SpriteTypeAnimated, 2, 1.0f));
    // Three 4 x 2 run-length frames, once through.
    WritePicture("wave.bmp", 4, 6,
                 {kRed,   kRed,   kRed,   kRed,     kRed,   kRed,   kRed,   kRed,
                  kGreen, kGreen, kGreen, kMagenta, kGreen, kGreen, kGreen, kMagenta,
                  kBlue,  kBlue,  kBlue,  kBlue,    kBlue,  kBlue,  kBlue,  kBlue});
    manager.SetSpriteInfo(Info("WAVE", SpriteTypeAnimatedRle, 3, 3.0f, false));
    WritePicture("arrow.bmp", 3, 2, {kRed, kGreen, kBlue, kRed, kGreen, kBlue});
    SpriteInfo arrow = Info("ARROW", SpriteTypeSurface);
    arrow.mirrored = true;
    manager.SetSpriteInfo(arrow);
}

inline void DrawAt(const std::string& label, int x, int y, float time = 0.0f,
                   bool mirrored = false) {
    Sprite* sprite = Singleton<SpriteManager>::Instance().GetSprite(label, mirrored);
    ASSERT_NE(sprite, nullptr) << label;
    sprite->time = time;
    sprite->Draw(x, y);
}

constexpr std::uint32_t kBackground = 0x808080;

// One frame of the scene over a grey back buffer.
inline void Draw() {
    DirectDraw& display = Singleton<DirectDraw>::Instance();
    const int depth = display.GetDepth();
    display.GetDrawTarget()->fill(nullptr, Screen(depth, kBackground));
    DrawAt("BOX", 10, 10);
    DrawAt("GLOW", 20, 10);
    DrawAt("SHADE", 30, 10);
    DrawAt("BLINK", 40, 10, 0.0f);
    DrawAt("BLINK", 50, 10, 0.6f);
    DrawAt("WAVE", 60, 10, 1.5f);
    DrawAt("WAVE", 60, 13, 5.0f);
    DrawAt("ARROW", 70, 10);
    DrawAt("ARROW", 70, 13, 0.0f, true);
}

struct Expected {
    int x;
    int y;
    std::uint32_t pixel;
    const char* what;
};

inline std::vector<Expected> ExpectedPixels(int depth) {
    const std::uint32_t grey = Screen(depth, kBackground);
    // White at alpha 128 over grey, channel by channel: d + (((s - d) * 128) >> 8) with five
    // bits a channel on 16-bit screens (green in its top five) and eight on 32-bit ones.
    const std::uint32_t halfGlow = depth == 16 ? (23u << 11 | 23u << 6 | 23u) : 0xBCBCBCu;
    // Grey with every channel halved.
    const std::uint32_t shadow = depth == 16 ? (8u << 11 | 16u << 5 | 8u) : 0x404040u;
    return {
        {10, 10, Screen(depth, kRed), "box"},
        {12, 11, Screen(depth, kRed), "box"},
        {11, 11, grey, "box key"},
        {13, 10, grey, "right of box"},
        {20, 10, Screen(depth, kWhite), "glow opaque"},
        {21, 10, halfGlow, "glow half"},
        {22, 10, grey, "glow clear"},
        {30, 10, grey, "shadow border"},
        {31, 11, shadow, "shadow"},
        {32, 11, shadow, "shadow"},
        {31, 12, shadow, "shadow"},
        {32, 12, grey, "shadow gap"},
        {40, 10, Screen(depth, kBlue), "blink step 0"},
        {41, 11, Screen(depth, kBlue), "blink step 0"},
        {50, 10, Screen(depth, kGreen), "blink step 1"},
        {51, 11, Screen(depth, kGreen), "blink step 1"},
        {60, 10, Screen(depth, kGreen), "wave step 1"},
        {62, 10, Screen(depth, kGreen), "wave step 1"},
        {63, 11, grey, "wave key"},
        {60, 12, grey, "below wave"},
        {60, 13, Screen(depth, kBlue), "wave held"},
        {63, 14, Screen(depth, kBlue), "wave held"},
        {70, 10, Screen(depth, kRed), "arrow"},
        {72, 11, Screen(depth, kBlue), "arrow"},
        {70, 13, Screen(depth, kBlue), "arrow mirrored"},
        {71, 14, Screen(depth, kGreen), "arrow mirrored"},
        {72, 13, Screen(depth, kRed), "arrow mirrored"},
    };
}

inline void Check(const platform::DisplaySurface& frame, int depth) {
    for (const Expected& expected : ExpectedPixels(depth))
        EXPECT_EQ(frame.pixelAt(expected.x, expected.y), expected.pixel)
            << expected.what << " at " << expected.x << ", " << expected.y << std::hex << " (depth "
            << std::dec << depth << ")";
}

} // namespace scene
