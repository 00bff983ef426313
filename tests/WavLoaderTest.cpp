#include "sound/WavLoader.h"

#include "support/ScratchFolder.h"
#include "support/SoundFixtures.h"

#include <gtest/gtest.h>

using namespace SoundFixtures;

namespace {

class WavLoaderTest : public ::testing::Test {
  protected:
    // Loads `bytes` as data/test.wav.
    bool Load(const std::string& bytes) {
        folder.Write("data/test.wav", bytes);
        pcm = {};
        return loader.load("data\\test.wav", pcm);
    }

    bool Logged(const std::string& line) const {
        return folder.Read("debug.txt").find(line) != std::string::npos;
    }

    ScratchFolder folder;
    WavLoader loader;
    PcmDescription pcm;
};

TEST_F(WavLoaderTest, OnlyTheLastThreeCharactersOfTheNameCountInAnyCase) {
    for (const char* name : {"a.wav", "B.WAV", "c.Wav", "d.wAV", "wav", "noDotwav"})
        EXPECT_TRUE(loader.canLoad(name)) << name;
    for (const char* name : {"a.wave", "a.ogg", "av", "", "a.wav "})
        EXPECT_FALSE(loader.canLoad(name)) << name;
    EXPECT_FALSE(loader.load("data\\x.wave", pcm));
    EXPECT_FALSE(Logged("WavLoader::Load")) << "a rejected name is not even tried";
}

TEST_F(WavLoaderTest, DecodesFormatAndSamples) {
    const std::string samples = Samples16({1, -2, 300, -400, 5000, -6000});
    ASSERT_TRUE(Load(Wav(2, 11025, 16, samples)));
    EXPECT_EQ(pcm.sampleRate, 11025);
    EXPECT_EQ(pcm.bitsPerSample, 16);
    EXPECT_EQ(pcm.channels, 2);
    EXPECT_EQ(pcm.frameCount, 3);
    EXPECT_EQ(std::string(pcm.data.begin(), pcm.data.end()), samples);
    EXPECT_TRUE(Logged("WavLoader::Load data\\test.wav\n"));
}

TEST_F(WavLoaderTest, ChunksBeforeTheFormatAreSkippedWhenIdsStayFourBytesApart) {
    const std::string samples(8, '\x40');
    const std::string format = Chunk("fmt ", FormatFields(1, 8000, 8));
    ASSERT_TRUE(Load(
        Riff(Chunk("LIST", "INFOabcd") + Chunk("junk", "1234") + format + Chunk("data", samples))));
    EXPECT_EQ(pcm.frameCount, 8);

    EXPECT_FALSE(Load(Riff(Chunk("LIST", "INFOab") + format + Chunk("data", samples))));
    EXPECT_TRUE(Logged("could not find fmt chunk\n"));
}

TEST_F(WavLoaderTest, AFormatChunkLongerThanSixteenBytesIsPassedOver) {
    const std::string samples = Samples16({7, 8});
    ASSERT_TRUE(Load(Riff(Chunk("fmt ", FormatFields(1, 8000, 16) + Le16(0) + Le16(0)) +
                          Chunk("data", samples))));
    EXPECT_EQ(pcm.frameCount, 2);
    EXPECT_EQ(std::string(pcm.data.begin(), pcm.data.end()), samples);
}

TEST_F(WavLoaderTest, MissingChunksAreNamedInTheLog) {
    EXPECT_FALSE(Load("RIFF" + Le32(4) + "WAVX"));
    EXPECT_TRUE(Logged("could not find WAVE chunk\n"));
    EXPECT_FALSE(Load(Riff(Chunk("data", "12"))));
    EXPECT_TRUE(Logged("could not find fmt chunk\n"));
    EXPECT_FALSE(Load(Riff(Chunk("fmt ", FormatFields(1, 8000, 8)))));
    EXPECT_TRUE(Logged("could not find data chunk\n"));
    EXPECT_FALSE(loader.load("data\\missing.wav", pcm));
}

TEST_F(WavLoaderTest, AnEmptyDataChunkIsRefused) {
    EXPECT_FALSE(Load(Wav(1, 8000, 8, "")));
    EXPECT_TRUE(Logged("Zero length wav sample\n"));
}

TEST_F(WavLoaderTest, FormatsThatCannotPlayAreRefusedBeforeAnyDivision) {
    EXPECT_FALSE(Load(Wav(0, 8000, 16, "abcd")));
    EXPECT_FALSE(Load(Wav(1, 8000, 0, "abcd")));
    EXPECT_FALSE(Load(Wav(1, 8000, 4, "abcd")));
    EXPECT_FALSE(Load(Wav(1, 0, 16, "abcd")));
    EXPECT_TRUE(Logged("WavLoader: data\\test.wav has 0 channels of 16 bits at 8000 Hz, which "
                       "cannot be played\n"));
    EXPECT_TRUE(Logged(
        "WavLoader: data\\test.wav has 1 channels of 16 bits at 0 Hz, which cannot be played\n"));
}

TEST_F(WavLoaderTest, AShortOrOverlongFormatChunkIsRefused) {
    EXPECT_FALSE(
        Load(Riff(Chunk("fmt ", FormatFields(1, 8000, 8).substr(0, 12)) + Chunk("data", "abcd"))));
    EXPECT_TRUE(Logged("WavLoader: the fmt chunk of data\\test.wav is shorter than 16 bytes\n"));
    EXPECT_FALSE(
        Load(Riff("fmt " + Le32(1000) + FormatFields(1, 8000, 8) + Chunk("data", "abcd"))));
    EXPECT_TRUE(
        Logged("WavLoader: the fmt chunk of data\\test.wav reaches past the end of the file\n"));
    EXPECT_FALSE(Load(Riff("fmt " + Le32(0xFFFFFFF8u) + FormatFields(1, 8000, 8))));
}

TEST_F(WavLoaderTest, ADataChunkPastTheEndKeepsTheBytesThatAreThere) {
    ASSERT_TRUE(Load(
        Riff(Chunk("fmt ", FormatFields(1, 8000, 16)) + "data" + Le32(0xFFFFFFFFu) + "abcdef")));
    EXPECT_EQ(std::string(pcm.data.begin(), pcm.data.end()), "abcdef");
    EXPECT_EQ(pcm.frameCount, 3);
    EXPECT_TRUE(Logged("WavLoader: the data chunk of data\\test.wav reaches past the end of the "
                       "file, 6 bytes are used\n"));
}

TEST_F(WavLoaderTest, AnOddDataSizeCountsWholeFramesOnly) {
    ASSERT_TRUE(Load(Wav(2, 8000, 16, "abcdefghijk")));
    EXPECT_EQ(pcm.frameCount, 2);
    EXPECT_EQ(pcm.data.size(), 11u);
}

TEST_F(WavLoaderTest, EveryTruncationOfAGoodFileLoadsOrFailsCleanly) {
    const std::string good =
        Riff(Chunk("LIST", "INFO") + Chunk("fmt ", FormatFields(2, 22050, 16)) +
             Chunk("data", Tone16(4, 2, 22050, 440, 1000)));
    for (std::size_t length = 0; length < good.size(); ++length) {
        if (Load(good.substr(0, length))) {
            EXPECT_LE(pcm.data.size(), length);
            EXPECT_EQ(pcm.channels, 2);
        }
    }
}

} // namespace
