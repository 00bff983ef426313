#include "sound/OggStreaming.h"

#include "sound/OggLoader.h"
#include "support/ScratchFolder.h"
#include "support/SoundFixtures.h"

#include <gtest/gtest.h>

using namespace SoundFixtures;

namespace {

class OggStreamingTest : public ::testing::Test {
  protected:
    // Everything `read` gives until it first returns 0.
    std::string ReadPiece() {
        std::string piece;
        char block[4096];
        while (const int count = stream.read(block, sizeof block))
            piece.append(block, static_cast<std::size_t>(count));
        return piece;
    }

    bool Logged(const std::string& line) const {
        return folder.Read("debug.txt").find(line) != std::string::npos;
    }

    ScratchFolder folder;
    OggStreaming stream;
    PcmDescription format;
};

TEST_F(OggStreamingTest, OpenReportsTheFormatOnly) {
    folder.Write("data/music.ogg", OggTone(5000, 2, 22050, 200, 0.3f));
    ASSERT_TRUE(stream.open("data\\music.ogg", format));
    EXPECT_EQ(format.sampleRate, 22050);
    EXPECT_EQ(format.bitsPerSample, 16);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.frameCount, 0);
    EXPECT_TRUE(format.data.empty());
    EXPECT_TRUE(Logged("OggStreaming::Create: data\\music.ogg\n"));
}

TEST_F(OggStreamingTest, ThePieceStartsOverAfterItsEnd) {
    folder.Write("data/music.ogg", OggTone(6000, 1, 22050, 200, 0.3f));
    PcmDescription whole;
    ASSERT_TRUE(OggLoader().load("data\\music.ogg", whole));
    ASSERT_TRUE(stream.open("data\\music.ogg", format));
    const std::string expected(whole.data.begin(), whole.data.end());
    EXPECT_EQ(ReadPiece(), expected);
    EXPECT_EQ(ReadPiece(), expected) << "the read after the end starts the piece again";
}

TEST_F(OggStreamingTest, OnlyOggNamesAreStreamed) {
    EXPECT_TRUE(stream.canStream("x.OGG"));
    EXPECT_FALSE(stream.canStream("x.wav"));
    EXPECT_FALSE(stream.open("data\\x.wav", format));
}

TEST_F(OggStreamingTest, BytesThatAreNoOggStreamGiveNothing) {
    folder.Write("data/music.ogg", std::string(3000, '\0'));
    EXPECT_FALSE(stream.open("data\\music.ogg", format));
    EXPECT_TRUE(Logged("OggStreaming: Input does not appear to be an Ogg bitstream.\n"));
    char block[64];
    EXPECT_EQ(stream.read(block, sizeof block), 0);
    EXPECT_EQ(format.sampleRate, 0);
}

TEST_F(OggStreamingTest, ATruncatedPieceStillLoops) {
    const std::string good = OggTone(200000, 1, 22050, 200, 0.3f);
    folder.Write("data/music.ogg", good.substr(0, good.size() * 2 / 3));
    ASSERT_TRUE(stream.open("data\\music.ogg", format));
    const std::string first = ReadPiece();
    EXPECT_GT(first.size(), 0u);
    EXPECT_LT(first.size(), 400000u);
    EXPECT_EQ(ReadPiece(), first);
}

TEST_F(OggStreamingTest, CloseLetsGoOfThePiece) {
    folder.Write("data/music.ogg", OggTone(3000, 1, 22050, 200, 0.3f));
    ASSERT_TRUE(stream.open("data\\music.ogg", format));
    EXPECT_TRUE(stream.close());
    char block[64];
    EXPECT_EQ(stream.read(block, sizeof block), 0);
}

} // namespace
