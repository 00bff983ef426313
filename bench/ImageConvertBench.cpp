#include "core/ScreenSize.h"
#include "gfx/Image.h"
#include "gfx/ImageConverter.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>

namespace {

using ScreenSize::kHeight;
using ScreenSize::kWidth;

// A full-screen picture with every low bit in play, as painted art has.
std::unique_ptr<Image> Picture() {
    auto image = std::make_unique<Image>();
    image->Create(kWidth, kHeight, 24);
    std::uint32_t noise = 2463534242u;
    for (std::size_t byte = 0; byte < image->GetDataSize(); ++byte) {
        noise ^= noise << 13;
        noise ^= noise >> 17;
        noise ^= noise << 5;
        image->GetData()[byte] = static_cast<std::uint8_t>(noise);
    }
    return image;
}

void ConvertTrueColourTo565(benchmark::State& state) {
    const PixelFormat screen = PixelFormat::FromMasks(16, 0xF800, 0x07E0, 0x001F);
    ImageConverter& converter = Singleton<ImageConverter>::Instance();
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<Image> picture = Picture();
        state.ResumeTiming();
        std::unique_ptr<Image> converted = converter.ConvertTo16Bit(std::move(picture), screen);
        benchmark::DoNotOptimize(converted->GetData());
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(ConvertTrueColourTo565)->Unit(benchmark::kMillisecond);

} // namespace
