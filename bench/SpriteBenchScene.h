#pragma once

// What the sprite benchmarks share: the game's display on the headless platform at one depth,
// a test picture, and SDL surfaces of the same pixels for SDL's own software blitter.

#include "core/ScreenSize.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "platform/headless/HeadlessPlatform.h"

#include <SDL.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>

namespace bench {

constexpr int kSide = 128;
// Enough positions that neither blitter draws into the same cache lines every time.
constexpr int kPositions = 16;

inline int PositionX(int64_t draw) {
    return 40 + static_cast<int>(draw % kPositions) * 41;
}
inline int PositionY(int64_t draw) {
    return 30 + static_cast<int>(draw % kPositions) * 27;
}

// Inside a disc: a colourful pixel; outside: black, the transparent colour.
inline uint32_t DiscColour(int x, int y) {
    const int dx = x - kSide / 2;
    const int dy = y - kSide / 2;
    if (dx * dx + dy * dy > (kSide / 2 - 2) * (kSide / 2 - 2))
        return 0;
    return 0x400000u | static_cast<uint32_t>(x * 2) << 8 | static_cast<uint32_t>(y * 2);
}

// A soft edge: opaque inside, fading over the last 16 pixels of the radius.
inline uint8_t DiscAlpha(int x, int y) {
    const float distance = std::hypot(x - kSide / 2.0f, y - kSide / 2.0f);
    const float fade = (kSide / 2.0f - distance) / 16.0f;
    return static_cast<uint8_t>(std::clamp(fade, 0.0f, 1.0f) * 255.0f);
}

class Scene {
  public:
    explicit Scene(int depth) : depth(depth) {
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        platform::Platform::install(&headless);
        headless.display().setDesktopDepth(depth);
        display.Init(headless.window(), ScreenSize::kWidth, ScreenSize::kHeight, depth, true);
        screen = SDL_CreateRGBSurfaceWithFormat(0, ScreenSize::kWidth, ScreenSize::kHeight, depth,
                                                ScreenFormat());
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0x80, 0x90, 0xA0));
        display.GetBackBuffer()->fill(nullptr, SDL_MapRGB(screen->format, 0x80, 0x90, 0xA0));
    }
    ~Scene() {
        SDL_FreeSurface(screen);
        display.Shutdown();
        platform::Platform::install(nullptr);
    }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    uint32_t ScreenFormat() const {
        return depth == 16 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888;
    }

    // The disc in the screen's format, as the game loads its pictures.
    std::unique_ptr<Image> Picture() const {
        auto image = std::make_unique<Image>();
        image->Create(kSide, kSide, PixelFormat::Screen());
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const uint32_t c = DiscColour(x, y);
                image->SetPixel(x, y, c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
            }
        return image;
    }

    std::unique_ptr<Image> Alpha() const {
        auto image = std::make_unique<Image>();
        image->Create(kSide, kSide, 8);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                image->GetData()[y * kSide + x] = DiscAlpha(x, y);
        return image;
    }

    // The disc for SDL in `format`; with `alpha` its alpha channel is the soft edge.
    SDL_Surface* SdlPicture(uint32_t format, bool alpha) const {
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, kSide, kSide, 32, format);
        SDL_Surface* converted = nullptr;
        SDL_LockSurface(surface);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const uint32_t c = DiscColour(x, y);
                const uint8_t a = alpha ? DiscAlpha(x, y) : 255;
                auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                                        y * surface->pitch);
                row[x] = SDL_MapRGBA(surface->format, c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF, a);
            }
        SDL_UnlockSurface(surface);
        if (alpha)
            return surface;
        converted = SDL_ConvertSurfaceFormat(surface, ScreenFormat(), 0);
        SDL_FreeSurface(surface);
        return converted;
    }

    void Report(benchmark::State& state) const {
        state.SetItemsProcessed(state.iterations() * kSide * kSide);
    }

    int depth;
    platform::HeadlessPlatform headless;
    DirectDraw& display = Singleton<DirectDraw>::Instance();
    SDL_Surface* screen = nullptr;
};

// SDL blits `source` at the next position, the way our sprites are drawn.
inline void SdlBlits(benchmark::State& state, SDL_Surface* source, SDL_Surface* screen) {
    int64_t draw = 0;
    for (auto _ : state) {
        SDL_Rect to{PositionX(draw), PositionY(draw), kSide, kSide};
        SDL_BlitSurface(source, nullptr, screen, &to);
        ++draw;
    }
    benchmark::ClobberMemory();
}

} // namespace bench
