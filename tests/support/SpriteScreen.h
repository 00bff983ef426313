#pragma once

#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/SpriteManager.h"
#include "gfx/SurfaceSprite.h"
#include "platform/DisplaySurface.h"
#include "support/HeadlessScreen.h"
#include "support/Probes.h"
#include "support/ScratchFolder.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// A headless screen of the test's depth (16 or 32) to draw sprites into, with pictures in the
// screen's format and a look at the back buffer, the log and the quit requests.
class SpriteScreen : public ::testing::TestWithParam<int> {
  protected:
    static constexpr std::uint32_t kWhite = 0xFFFFFF;

    int Depth() const { return GetParam(); }
    DirectDraw& Display() { return Singleton<DirectDraw>::Instance(); }
    platform::DisplaySurface& Back() { return *Display().GetBackBuffer(); }
    std::string Log() const { return folder.Read("debug.txt"); }

    // A picture in the screen's format; `colour` gives 0x00RRGGBB per pixel.
    static std::unique_ptr<Image> Picture(int width, int height,
                                          const std::function<std::uint32_t(int, int)>& colour) {
        auto image = std::make_unique<Image>();
        EXPECT_TRUE(image->Create(width, height, PixelFormat::Screen()));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const std::uint32_t c = colour(x, y);
                image->SetPixel(x, y, c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
            }
        return image;
    }

    // An 8-bit alpha map.
    static std::unique_ptr<Image> AlphaMap(int width, int height,
                                           const std::function<std::uint8_t(int, int)>& value) {
        auto image = std::make_unique<Image>();
        EXPECT_TRUE(image->Create(width, height, 8));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image->GetData()[y * width + x] = value(x, y);
        return image;
    }

    // A colour that names its place and is never black, for telling where a pixel came from.
    static std::uint32_t Tag(int x, int y) {
        return 0x800000 | static_cast<std::uint32_t>(x % 64) << 10 | (y % 64) << 2;
    }

    // The raw screen-format value of a picture's pixel.
    static std::uint32_t Raw(const Image& image, int x, int y) {
        std::uint32_t pixel = 0;
        const int bytes = image.BytesPerPixel();
        std::memcpy(&pixel,
                    image.GetData() + (static_cast<std::size_t>(y) * image.GetWidth() + x) * bytes,
                    bytes);
        return pixel;
    }

    // The raw value the screen stores for a colour.
    static std::uint32_t ScreenValue(std::uint32_t colour) {
        const auto image = Picture(1, 1, [colour](int, int) { return colour; });
        return Raw(*image, 0, 0);
    }

    void FillBack(std::uint32_t colour) { Back().fill(nullptr, ScreenValue(colour)); }

    // A plain sprite of one colour under `label`, as the catalogue would have built it.
    void AddSprite(const std::string& label, int width, int height, std::uint32_t colour) {
        auto sprite = std::make_unique<SurfaceSprite>();
        ASSERT_TRUE(sprite->Create(Picture(width, height, [colour](int, int) { return colour; }),
                                   width, height, 0, 0, false));
        Singleton<SpriteManager>::Instance().AddSprite(std::move(sprite), label, false);
    }

    std::vector<int> Quits() { return TakeQuitCodes(screen.Window()); }

    static int Count(const std::string& text, const std::string& part) {
        int count = 0;
        for (std::size_t at = text.find(part); at != std::string::npos;
             at = text.find(part, at + 1))
            ++count;
        return count;
    }

    void LoseSurfaces() { Display().GetDisplay()->loseSurfaces(); }

    ScratchFolder folder;
    HeadlessScreen screen{GetParam()};
};
