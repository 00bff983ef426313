// One frame of the scrolling background: the rows that came into view copied into the ring,
// then the screen drawn from it, as the camera follows a frog up the level.
#include "SpriteBenchScene.h"
#include "core/ScreenSize.h"
#include "world/BackgroundBand.h"

namespace {

constexpr int kWindowHeight = 1500;
constexpr int kScrollRange = kWindowHeight - ScreenSize::kHeight;

std::unique_ptr<Image> Window() {
    auto window = std::make_unique<Image>();
    window->Create(ScreenSize::kWidth, kWindowHeight, PixelFormat::Screen());
    for (int y = 0; y < kWindowHeight; ++y)
        for (int x = 0; x < ScreenSize::kWidth; ++x)
            window->SetPixel(x, y, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                             0x60);
    return window;
}

void Scroll(benchmark::State& state) {
    bench::Scene scene(static_cast<int>(state.range(0)));
    BackgroundBand band;
    band.Create(Window());
    const int rowsPerFrame = static_cast<int>(state.range(1));
    int cameraY = 0;
    int direction = 1;
    for (auto _ : state) {
        if (cameraY + direction * rowsPerFrame < 0 ||
            cameraY + direction * rowsPerFrame > kScrollRange)
            direction = -direction;
        cameraY += direction * rowsPerFrame;
        band.ScrollTo(kScrollRange - cameraY);
        band.Draw(0, 0);
    }
    state.SetItemsProcessed(state.iterations() * ScreenSize::kWidth * ScreenSize::kHeight);
}
BENCHMARK(Scroll)->Name("BackgroundScroll")->Args({16, 4})->Args({32, 4})->Args({32, 0});

} // namespace
