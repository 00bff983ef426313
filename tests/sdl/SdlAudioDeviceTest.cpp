#include "sdl/SdlSoundTestBed.h"

#include <chrono>
#include <cmath>
#include <thread>

using namespace SoundFixtures;
using namespace std::chrono_literals;

namespace {

using SdlAudioDeviceTest = SdlSoundTestBed;

// 44.1 kHz output frames of silence we ask for at least after a stop.
constexpr std::size_t kSilentFramesAfterStop = 4410;

TEST_F(SdlAudioDeviceTest, AToneComesOutAtTheLevelOfItsVolumeAndStopsIntoSilence) {
    constexpr int kAmplitude = 16000;
    folder.Write("data/tone.wav", Wav(1, 22050, 16, Tone16(22050, 1, 22050, 441, kAmplitude)));
    ASSERT_TRUE(engine.init(desktop.window()));
    engine.setSoundEnabled(true);
    ASSERT_TRUE(engine.createSfx("tone", "data\\tone.wav", SfxFlag::VolumeControl, true));
    SoundFx* tone = engine.find("tone");
    tone->setVolume(0.9f);
    tone->playLooping();
    std::this_thread::sleep_for(500ms);
    tone->stop();
    std::this_thread::sleep_for(400ms);
    engine.shutdown();

    const std::vector<int16_t> out = Output();
    std::size_t first = out.size();
    std::size_t last = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] != 0) {
            first = std::min(first, i);
            last = i;
        }
    }
    ASSERT_LT(first, last) << "nothing was heard";
    EXPECT_GE(out.size() - last, kSilentFramesAfterStop * 2) << "the tone went on after stop";

    // The middle half of what sounded, away from the start and the stop.
    const std::size_t begin = first + (last - first) / 4 / 2 * 2;
    const std::size_t end = last - (last - first) / 4;
    double sum = 0;
    for (std::size_t i = begin; i < end; i += 2) {
        EXPECT_EQ(out[i], out[i + 1]) << "a mono sound is the same on both sides";
        sum += static_cast<double>(out[i]) * out[i];
    }
    const double rms = std::sqrt(sum / static_cast<double>((end - begin) / 2));
    const double expected = kAmplitude / std::sqrt(2.0) * std::pow(10.0, -1000 / 2000.0);
    EXPECT_NEAR(rms, expected, expected * 0.02);
}

TEST_F(SdlAudioDeviceTest, WithoutASoundDriverTheEngineReportsNoDevice) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    folder.Write("data/tone.wav", Wav(1, 22050, 16, Tone16(2205, 1, 22050, 441, 1000)));
    EXPECT_FALSE(engine.init(desktop.window()));
    EXPECT_TRUE(Logged("SoundEngine: DirectSoundCreate\n"));
    ASSERT_TRUE(engine.createSfx("tone", "data\\tone.wav", 0, true));
    EXPECT_TRUE(Logged("SoundFx::CreateSoundBuffer: 88780078\n"));
    EXPECT_EQ(engine.find("tone")->buffer(), nullptr);
}

} // namespace
