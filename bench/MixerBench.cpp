// The audio thread's work: one second of 44.1 kHz stereo output, mixed from 1, 8 and 32 voices
// of 22050 Hz mono 16-bit sound playing in a loop at a lowered volume.
#include "platform/AudioGuard.h"
#include "platform/Mixer.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr int kOutputRate = 44100;
constexpr int kFramesPerCallback = 1024;
constexpr int kVoiceRate = 22050;

// The benchmark mixes on one thread.
class SameThread final : public platform::AudioGuard {
  public:
    void enter() override {}
    void leave() override {}
};

std::unique_ptr<platform::AudioBuffer> LoopingVoice(platform::Mixer& mixer, int index) {
    std::unique_ptr<platform::AudioBuffer> voice;
    mixer.createBuffer({kVoiceRate, 16, 1}, kVoiceRate * 2, platform::AudioCaps::Volume, voice);
    platform::LockedRegions regions;
    voice->lock(0, voice->size(), regions);
    for (int frame = 0; frame < kVoiceRate; ++frame) {
        const auto sample = static_cast<int16_t>(8000 * std::sin(0.05 * (index + 1) * frame));
        std::memcpy(regions.first + 2 * frame, &sample, sizeof sample);
    }
    voice->unlock(regions);
    voice->setVolume(-600);
    voice->play(true);
    return voice;
}

void MixOneSecond(benchmark::State& state) {
    SameThread guard;
    platform::Mixer mixer(guard);
    mixer.prepare(kOutputRate, kFramesPerCallback);
    std::vector<std::unique_ptr<platform::AudioBuffer>> voices;
    for (int i = 0; i < state.range(0); ++i)
        voices.push_back(LoopingVoice(mixer, i));
    std::vector<int16_t> out(static_cast<std::size_t>(kFramesPerCallback) * 2);
    for (auto _ : state) {
        for (int left = kOutputRate; left > 0; left -= kFramesPerCallback) {
            mixer.mix(out.data(), std::min(left, kFramesPerCallback));
            benchmark::DoNotOptimize(out.data());
        }
    }
}

} // namespace

BENCHMARK(MixOneSecond)->Arg(1)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);
