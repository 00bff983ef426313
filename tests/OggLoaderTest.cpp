#include "sound/OggLoader.h"

#include "support/ScratchFolder.h"
#include "support/SoundFixtures.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace SoundFixtures;

namespace {

class OggLoaderTest : public ::testing::Test {
  protected:
    bool Load(const std::string& bytes) {
        folder.Write("data/test.ogg", bytes);
        pcm = {};
        return loader.load("data\\test.ogg", pcm);
    }

    bool Logged(const std::string& line) const {
        return folder.Read("debug.txt").find(line) != std::string::npos;
    }

    ScratchFolder folder;
    OggLoader loader;
    PcmDescription pcm;
};

double Rms16(const std::vector<uint8_t>& data) {
    double sum = 0;
    const std::size_t count = data.size() / 2;
    for (std::size_t i = 0; i < count; ++i) {
        const auto sample = static_cast<int16_t>(data[2 * i] | data[2 * i + 1] << 8);
        sum += static_cast<double>(sample) * sample;
    }
    return count ? std::sqrt(sum / static_cast<double>(count)) : 0;
}

TEST_F(OggLoaderTest, OnlyTheLastThreeCharactersOfTheNameCountInAnyCase) {
    for (const char* name : {"a.ogg", "B.OGG", "c.Ogg", "ogg"})
        EXPECT_TRUE(loader.canLoad(name)) << name;
    for (const char* name : {"a.oga", "a.wav", "gg", "a.ogg.bak"})
        EXPECT_FALSE(loader.canLoad(name)) << name;
}

TEST_F(OggLoaderTest, HundredThousandBytesOfStereoAreTwentyFiveThousandFrames) {
    ASSERT_TRUE(Load(OggTone(25000, 2, 44100, 440, 0.5f)));
    EXPECT_EQ(pcm.data.size(), 100000u);
    EXPECT_EQ(pcm.frameCount, 25000);
    EXPECT_EQ(pcm.channels, 2);
    EXPECT_EQ(pcm.sampleRate, 44100);
    EXPECT_EQ(pcm.bitsPerSample, 16);
    EXPECT_TRUE(Logged("OggLoader::Load data\\test.ogg\n"));
}

TEST_F(OggLoaderTest, TheToneComesBackAtItsLevel) {
    ASSERT_TRUE(Load(OggTone(22050, 1, 22050, 500, 0.5f)));
    EXPECT_NEAR(Rms16(pcm.data), 0.5 * 32767 / std::sqrt(2.0), 300);
}

TEST_F(OggLoaderTest, BytesThatAreNoOggStreamAreRefused) {
    EXPECT_FALSE(Load(std::string(5000, 'x')));
    EXPECT_TRUE(Logged("OggLoader: <data\\test.ogg> does not appear to be an Ogg bitstream.\n"));
    EXPECT_FALSE(loader.load("data\\missing.ogg", pcm));
}

TEST_F(OggLoaderTest, ATruncatedOrDamagedStreamGivesWhatDecodesOrNothing) {
    const std::string good = OggTone(8000, 2, 22050, 300, 0.5f);
    for (std::size_t length = 0; length < good.size(); length += 61) {
        if (Load(good.substr(0, length))) {
            EXPECT_LT(pcm.frameCount, 8000) << length;
        }
    }
    std::string damaged = good;
    for (std::size_t at = good.size() / 2; at < good.size(); at += 7)
        damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
    if (Load(damaged)) {
        EXPECT_EQ(pcm.frameCount * 4, static_cast<int>(pcm.data.size()));
    }
}

} // namespace
