#include "sound/PcmConverter.h"

#include "support/ScratchFolder.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

template <typename Sample>
PcmDescription Pcm(int rate, int channels, const std::vector<Sample>& samples) {
    PcmDescription pcm;
    pcm.sampleRate = rate;
    pcm.bitsPerSample = static_cast<int>(sizeof(Sample) * 8);
    pcm.channels = channels;
    pcm.frameCount = static_cast<int>(samples.size()) / channels;
    pcm.data.resize(samples.size() * sizeof(Sample));
    std::memcpy(pcm.data.data(), samples.data(), pcm.data.size());
    return pcm;
}

template <typename Sample> std::vector<Sample> SamplesOf(const PcmDescription& pcm) {
    std::vector<Sample> samples(pcm.data.size() / sizeof(Sample));
    std::memcpy(samples.data(), pcm.data.data(), samples.size() * sizeof(Sample));
    return samples;
}

TEST(PcmConverterTest, HighRateStereoBecomesHalfRateMonoFromEverySecondFrame) {
    const PcmDescription in = Pcm<int16_t>(44100, 2, {100, 300, 7, 7, -5, -6, 1000, -1000, 33, 0});
    const PcmDescription out = PcmConverter::ForDeviceBuffer(in, true);
    EXPECT_EQ(out.sampleRate, 22050);
    EXPECT_EQ(out.channels, 1);
    EXPECT_EQ(out.bitsPerSample, 16);
    EXPECT_EQ(out.frameCount, 2);
    EXPECT_EQ(SamplesOf<int16_t>(out), (std::vector<int16_t>{200, -5}));
}

TEST(PcmConverterTest, MonoMixHalvesEachChannelFirst) {
    const PcmDescription eight =
        PcmConverter::ForDeviceBuffer(Pcm<uint8_t>(11025, 2, {255, 255, 0, 255, 128, 128}), true);
    EXPECT_EQ(SamplesOf<uint8_t>(eight), (std::vector<uint8_t>{254, 127, 128}));
    const PcmDescription wide = PcmConverter::ForDeviceBuffer(
        Pcm<int32_t>(8000, 2, {2147483647, 2147483647, -3, -3}), true);
    EXPECT_EQ(SamplesOf<int32_t>(wide), (std::vector<int32_t>{2147483646, -2}));
}

TEST(PcmConverterTest, HalvingAloneKeepsBothChannels) {
    const PcmDescription out =
        PcmConverter::ForDeviceBuffer(Pcm<int16_t>(48000, 2, {1, 2, 3, 4, 5, 6, 7, 8}), false);
    EXPECT_EQ(out.sampleRate, 24000) << "halved once only";
    EXPECT_EQ(out.channels, 2);
    EXPECT_EQ(SamplesOf<int16_t>(out), (std::vector<int16_t>{1, 2, 5, 6}));
}

TEST(PcmConverterTest, SoundThatNeedsNoChangeIsCopied) {
    const PcmDescription in = Pcm<int16_t>(22050, 1, {9, -9, 12});
    const PcmDescription out = PcmConverter::ForDeviceBuffer(in, true);
    EXPECT_EQ(out.sampleRate, 22050);
    EXPECT_EQ(out.data, in.data);
}

TEST(PcmConverterTest, BytesBeyondTheLastWholeFrameAreDropped) {
    PcmDescription in = Pcm<int16_t>(8000, 1, {1, 2});
    in.data.push_back(0x7F);
    EXPECT_EQ(PcmConverter::ForDeviceBuffer(in, false).data.size(), 4u);
    in.sampleRate = 44100;
    in.channels = 2;
    in.frameCount = 2;
    const PcmDescription out = PcmConverter::ForDeviceBuffer(in, true);
    EXPECT_EQ(out.frameCount, 1);
    EXPECT_EQ(out.data.size(), 2u);
}

TEST(PcmConverterTest, OtherSampleWidthsGiveNoData) {
    ScratchFolder folder;
    PcmDescription in = Pcm<uint8_t>(8000, 1, {1, 2, 3, 4, 5, 6});
    in.bitsPerSample = 24;
    in.frameCount = 2;
    const PcmDescription out = PcmConverter::ForDeviceBuffer(in, true);
    EXPECT_TRUE(out.data.empty());
    EXPECT_EQ(out.frameCount, 2);
    EXPECT_EQ(folder.Read("debug.txt"), "Unsupported num bits per Sample.\n");
}

} // namespace
