// The present path: the screen-format frame converted for the window's texture, the flip or
// the windowed copy, and a transition composed over the frame.
#include "core/ScreenSize.h"
#include "gfx/DirectDraw.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <vector>

namespace {

using ScreenSize::kHeight;
using ScreenSize::kWidth;

platform::DisplaySurface NoisySurface(int depth) {
    platform::DisplaySurface surface(kWidth, kHeight, platform::SurfaceFormat::ForDepth(depth),
                                     nullptr);
    platform::SurfaceDescription locked;
    surface.lock(nullptr, locked);
    uint32_t seed = 12345;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth * locked.format.bytesPerPixel(); ++x) {
            seed = seed * 1103515245u + 12345u;
            locked.bits[y * locked.pitch + x] = static_cast<uint8_t>(seed >> 16);
        }
    surface.unlock();
    return surface;
}

// What the desktop backend does with every frame before the upload: one row at a time into
// the texture's memory.
void ConvertFrame(benchmark::State& state) {
    const platform::DisplaySurface frame = NoisySurface(static_cast<int>(state.range(0)));
    std::vector<uint32_t> texture(static_cast<size_t>(kWidth) * kHeight);
    for (auto _ : state) {
        for (int y = 0; y < kHeight; ++y)
            frame.format().rowToXrgb(frame.row(y), texture.data() + static_cast<size_t>(y) * kWidth,
                                     kWidth);
        benchmark::DoNotOptimize(texture.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(ConvertFrame)->Arg(16)->Arg(32);

// The display on the headless platform, which keeps a copy of every shown frame as the
// desktop backend uploads one.
class HeadlessDisplay {
  public:
    HeadlessDisplay(int depth, bool fullscreen) {
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        platform::Platform::install(&headless);
        headless.display().setDesktopDepth(depth);
        display.Init(headless.window(), kWidth, kHeight, depth, fullscreen);
    }
    ~HeadlessDisplay() { display.Shutdown(); }

    platform::HeadlessPlatform headless;
    DirectDraw& display = Singleton<DirectDraw>::Instance();
};

void PresentFrame(benchmark::State& state) {
    HeadlessDisplay screen(static_cast<int>(state.range(0)), state.range(1) != 0);
    for (auto _ : state)
        screen.display.Present();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PresentFrame)
    ->ArgNames({"depth", "fullscreen"})
    ->Args({16, 1})
    ->Args({32, 1})
    ->Args({16, 0})
    ->Args({32, 0});

// A frame in the middle of a transition, zooming or sliding: the stretching blit of the new
// screen comes first.
void PresentDuringTransition(benchmark::State& state) {
    HeadlessDisplay screen(16, true);
    for (auto _ : state) {
        state.PauseTiming();
        screen.display.StartFade(state.range(0) != 0);
        screen.display.fadeTime = 0.2f;
        state.ResumeTiming();
        screen.display.Present();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PresentDuringTransition)->ArgName("zoom")->Arg(0)->Arg(1);

} // namespace
