#include "platform/Mixer.h"

#include "platform/AudioGuard.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr int kOutputRate = 22050;

// Tests mix on the calling thread, so nothing needs keeping out.
class SameThread final : public AudioGuard {
  public:
    void enter() override {}
    void leave() override {}
};

class MixerTest : public ::testing::Test {
  protected:
    MixerTest() { mixer.prepare(kOutputRate, 256); }

    // A buffer whose every sample is `level`.
    std::unique_ptr<AudioBuffer> Constant(const AudioFormat& format, int frames,
                                          const std::vector<uint8_t>& frame, unsigned caps = 0) {
        std::unique_ptr<AudioBuffer> buffer;
        EXPECT_EQ(mixer.createBuffer(format, frames * format.blockAlign(), caps, buffer),
                  AudioError::None);
        LockedRegions regions;
        buffer->lock(0, buffer->size(), regions);
        for (int i = 0; i < frames; ++i)
            std::memcpy(regions.first + i * format.blockAlign(), frame.data(), frame.size());
        buffer->unlock(regions);
        return buffer;
    }

    static std::vector<uint8_t> Frame16(std::initializer_list<int16_t> samples) {
        std::vector<uint8_t> bytes(samples.size() * 2);
        std::memcpy(bytes.data(), std::data(samples), bytes.size());
        return bytes;
    }

    std::vector<int16_t> Mix(int frames) {
        std::vector<int16_t> out(static_cast<std::size_t>(frames) * 2, 123);
        mixer.mix(out.data(), frames);
        return out;
    }

    static int CountSounding(const std::vector<int16_t>& out) {
        int count = 0;
        for (std::size_t i = 0; i < out.size(); i += 2)
            count += out[i] != 0;
        return count;
    }

    SameThread guard;
    Mixer mixer{guard};
};

TEST_F(MixerTest, NothingPlayingIsSilence) {
    const auto buffer = Constant({kOutputRate, 16, 1}, 100, Frame16({5000}));
    EXPECT_EQ(CountSounding(Mix(1000)), 0);
}

TEST_F(MixerTest, VolumeIsTenToTheHundredthsOverTwoThousand) {
    const auto buffer = Constant({kOutputRate, 16, 1}, 1000, Frame16({10000}), AudioCaps::Volume);
    buffer->setVolume(-600);
    buffer->play(true);
    const std::vector<int16_t> out = Mix(600);
    EXPECT_NEAR(out[0], 10000 * std::pow(10.0, -0.3), 1.0);
    EXPECT_EQ(out[0], out[1]) << "mono goes to both sides";
    EXPECT_EQ(out[0], out[1198]);
}

TEST_F(MixerTest, StereoKeepsItsSides) {
    const auto buffer = Constant({kOutputRate, 16, 2}, 500, Frame16({1000, -1000}));
    buffer->play(true);
    const std::vector<int16_t> out = Mix(300);
    EXPECT_EQ(out[400], 1000);
    EXPECT_EQ(out[401], -1000);
}

TEST_F(MixerTest, EveryWidthComesOutAtTheSameScale) {
    const auto eight = Constant({kOutputRate, 8, 1}, 100, {128 + 64});
    const auto wide = Constant({kOutputRate, 32, 1}, 100, {0, 0, 0, 0xC0});
    eight->play(true);
    EXPECT_EQ(Mix(10)[0], 64 * 256);
    eight->stop();
    wide->play(true);
    EXPECT_EQ(Mix(10)[0], -16384);
}

TEST_F(MixerTest, TheSumIsClampedToSixteenBits) {
    const auto a = Constant({kOutputRate, 16, 2}, 100, Frame16({30000, -30000}));
    const auto b = Constant({kOutputRate, 16, 2}, 100, Frame16({30000, -30000}));
    a->play(true);
    b->play(true);
    const std::vector<int16_t> out = Mix(50);
    EXPECT_EQ(out[10], 32767);
    EXPECT_EQ(out[11], -32768);
}

TEST_F(MixerTest, EachBufferIsResampledByItsOwnFrequency) {
    const auto slow = Constant({kOutputRate / 2, 16, 1}, 1000, Frame16({100}));
    slow->play(false);
    EXPECT_EQ(CountSounding(Mix(4000)), 2000) << "1000 frames at half the output rate";

    const auto fast = Constant({kOutputRate, 16, 1}, 1000, Frame16({100}), AudioCaps::Frequency);
    fast->setFrequency(kOutputRate * 2);
    fast->play(false);
    EXPECT_EQ(CountSounding(Mix(4000)), 500);
    EXPECT_FALSE(fast->status().playing);
}

TEST_F(MixerTest, ResamplingInterpolatesBetweenFrames) {
    std::unique_ptr<AudioBuffer> buffer;
    ASSERT_EQ(mixer.createBuffer({kOutputRate / 2, 16, 1}, 4, 0, buffer), AudioError::None);
    LockedRegions regions;
    buffer->lock(0, 4, regions);
    const std::vector<uint8_t> ramp = Frame16({0, 1000});
    std::memcpy(regions.first, ramp.data(), 4);
    buffer->unlock(regions);
    buffer->play(false);
    const std::vector<int16_t> out = Mix(4);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[2], 500);
    EXPECT_EQ(out[4], 1000);
}

TEST_F(MixerTest, AMixLongerThanOnePassIsMixedWhole) {
    const auto buffer = Constant({kOutputRate, 16, 1}, 5000, Frame16({77}));
    buffer->play(false);
    EXPECT_EQ(CountSounding(Mix(6000)), 5000);
}

} // namespace
