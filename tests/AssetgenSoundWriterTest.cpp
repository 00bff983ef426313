#include "sound/OggLoader.h"
#include "sound/OggVorbisWriter.h"
#include "sound/WavLoader.h"
#include "sound/WavWriter.h"
#include "support/ScratchFolder.h"
#include "support/SoundMeasures.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

SoundClip Sine(int rate, std::size_t frames, bool stereo) {
    SoundClip clip{rate, std::vector<float>(frames), {}};
    for (std::size_t i = 0; i < frames; ++i)
        clip.left[i] = 0.5f * std::sin(2.0f * 3.14159265f * 440.0f * static_cast<float>(i) /
                                       static_cast<float>(rate));
    if (stereo)
        for (const float sample : clip.left)
            clip.right.push_back(-sample);
    return clip;
}

TEST(AssetgenSoundWriterTest, AWavFileReadsBackThroughTheGamesLoaderSampleForSample) {
    ScratchFolder folder;
    SoundClip clip = Sine(44100, 1234, true);
    clip.left[10] = 3.0f; // beyond full scale: clipped, not wrapped round
    folder.Write("data/tone.wav", WavWriter::Encode(clip));
    PcmDescription pcm;
    ASSERT_TRUE(WavLoader().load("data\\tone.wav", pcm));
    EXPECT_EQ(pcm.sampleRate, 44100);
    EXPECT_EQ(pcm.channels, 2);
    EXPECT_EQ(pcm.bitsPerSample, 16);
    EXPECT_EQ(pcm.frameCount, 1234);
    const std::vector<float> samples = SoundMeasures::Samples16(pcm);
    EXPECT_NEAR(samples[2 * 10], 1.0f, 1e-3f);
    for (std::size_t i = 100; i < 110; ++i) {
        EXPECT_NEAR(samples[2 * i], clip.left[i], 1e-4f);
        EXPECT_NEAR(samples[2 * i + 1], clip.right[i], 1e-4f);
    }
}

TEST(AssetgenSoundWriterTest, AnOggFileDecodesToTheSameLengthAndSound) {
    ScratchFolder folder;
    const SoundClip clip = Sine(22050, 30000, false);
    const std::string bytes = OggVorbisWriter::Encode(clip, 0.3f);
    EXPECT_EQ(bytes, OggVorbisWriter::Encode(clip, 0.3f));
    folder.Write("data/tone.ogg", bytes);
    PcmDescription pcm;
    ASSERT_TRUE(OggLoader().load("data\\tone.ogg", pcm));
    EXPECT_EQ(pcm.sampleRate, 22050);
    EXPECT_EQ(pcm.channels, 1);
    EXPECT_EQ(pcm.frameCount, 30000);
    const std::vector<float> samples = SoundMeasures::Samples16(pcm);
    double error = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i)
        error += std::pow(samples[i] - clip.left[i], 2.0);
    EXPECT_LT(std::sqrt(error / static_cast<double>(samples.size())), 0.01);
}

TEST(AssetgenSoundWriterTest, AFormatTheEncoderRefusesGivesNoBytes) {
    ScratchFolder folder;
    SoundClip rateless = Sine(22050, 100, true);
    rateless.sampleRate = 0;
    EXPECT_TRUE(OggVorbisWriter::Encode(rateless, 0.3f).empty());
    EXPECT_NE(
        folder.Read("debug.txt")
            .find("OggVorbisWriter: the encoder refuses quality 0.30 for 2 channels at 0 Hz\n"),
        std::string::npos);
}

} // namespace
