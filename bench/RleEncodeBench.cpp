#include "gfx/Image.h"
#include "gfx/ImageUtil.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
const PixelFormat kScreen = PixelFormat::FromMasks(16, 0xF800, 0x07E0, 0x001F);

// Sprite-like content: transparent black around shapes of flat colour, with a noisy band where
// no run forms.
void Paint(Image& image) {
    std::uint32_t noise = 88172645u;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            const bool shape = (x / 40 + y / 30) % 3 == 0;
            const bool noisy = y % 100 < 20;
            const auto level = static_cast<std::uint8_t>(noisy ? noise : (shape ? x / 40 * 12 : 0));
            image.SetPixel(x, y, level, static_cast<std::uint8_t>(noisy ? noise >> 8 : level),
                           noisy || shape ? 64 : 0);
        }
    }
}

void EncodeFullScreen(benchmark::State& state) {
    ImageUtil& util = Singleton<ImageUtil>::Instance();
    Image painted;
    painted.Create(kWidth, kHeight, kScreen);
    Paint(painted);
    Image image;
    for (auto _ : state) {
        state.PauseTiming();
        image.Create(kWidth, kHeight, kScreen);
        std::copy_n(painted.GetData(), painted.GetDataSize(), image.GetData());
        state.ResumeTiming();
        util.RleEncode(image);
        benchmark::DoNotOptimize(image.GetData());
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
    state.counters["encodedBytes"] = static_cast<double>(image.GetDataSize());
}
BENCHMARK(EncodeFullScreen)->Unit(benchmark::kMillisecond);

} // namespace
