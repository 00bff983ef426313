#include "platform/headless/HeadlessPlatform.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class MixBufferTest : public ::testing::Test {
  protected:
    MixBufferTest() { headless.audio().open(); }

    std::unique_ptr<AudioBuffer> Create(const AudioFormat& format, int bytes, unsigned caps = 0) {
        std::unique_ptr<AudioBuffer> buffer;
        EXPECT_EQ(headless.audio().createBuffer(format, bytes, caps, buffer), AudioError::None);
        return buffer;
    }

    AudioResult Refused(const AudioFormat& format, int bytes) {
        std::unique_ptr<AudioBuffer> buffer;
        const AudioResult result = headless.audio().createBuffer(format, bytes, 0, buffer);
        EXPECT_EQ(buffer, nullptr);
        return result;
    }

    static int PlayPosition(const AudioBuffer& buffer) {
        int play = -1;
        int write = -1;
        buffer.positions(play, write);
        return play;
    }

    HeadlessPlatform headless;
};

TEST_F(MixBufferTest, TheDeviceRefusesWhatItCannotPlay) {
    EXPECT_EQ(Refused({0, 16, 1}, 100), AudioError::BadFormat);
    EXPECT_EQ(Refused({22050, 24, 1}, 99), AudioError::BadFormat);
    EXPECT_EQ(Refused({22050, 16, 3}, 120), AudioError::BadFormat);
    EXPECT_EQ(Refused({22050, 16, 0}, 100), AudioError::BadFormat);
    EXPECT_EQ(Refused({22050, 16, 1}, 0), AudioError::InvalidParam);
    EXPECT_EQ(Refused({22050, 32, 2}, 4), AudioError::InvalidParam);
    EXPECT_EQ(Refused({22050, 16, 1}, -8), AudioError::InvalidParam);
    headless.audio().close();
    EXPECT_EQ(Refused({22050, 16, 1}, 100), AudioError::NoDevice);
}

TEST_F(MixBufferTest, ANewBufferIsSilentAndStopped) {
    const auto wide = Create({8000, 16, 1}, 8);
    const auto narrow = Create({8000, 8, 1}, 8);
    LockedRegions regions;
    ASSERT_EQ(narrow->lock(0, 8, regions), AudioError::None);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(regions.first), 8), std::string(8, '\x80'));
    narrow->unlock(regions);
    EXPECT_FALSE(wide->status().playing);
    EXPECT_EQ(wide->volume(), 0);
    EXPECT_EQ(wide->frequency(), 8000);
}

TEST_F(MixBufferTest, ALockPastTheEndWrapsIntoASecondRegion) {
    const auto buffer = Create({8000, 8, 1}, 100);
    LockedRegions regions;
    ASSERT_EQ(buffer->lock(90, 30, regions), AudioError::None);
    EXPECT_EQ(regions.firstBytes, 10);
    EXPECT_EQ(regions.secondBytes, 20);
    std::memset(regions.first, 1, 10);
    std::memset(regions.second, 2, 20);
    EXPECT_EQ(buffer->lock(0, 10, regions), AudioError::InvalidCall) << "one lock at a time";
    ASSERT_EQ(buffer->unlock(regions), AudioError::None);

    ASSERT_EQ(buffer->lock(0, 100, regions), AudioError::None);
    EXPECT_EQ(regions.second, nullptr);
    EXPECT_EQ(regions.first[19], 2);
    EXPECT_EQ(regions.first[20], 0x80);
    EXPECT_EQ(regions.first[90], 1);
    buffer->unlock(regions);
    EXPECT_EQ(buffer->unlock(regions), AudioError::InvalidCall);
}

TEST_F(MixBufferTest, LocksOutsideTheBufferAreRefused) {
    const auto buffer = Create({8000, 8, 1}, 100);
    LockedRegions regions;
    EXPECT_EQ(buffer->lock(100, 1, regions), AudioError::InvalidParam);
    EXPECT_EQ(buffer->lock(-1, 1, regions), AudioError::InvalidParam);
    EXPECT_EQ(buffer->lock(0, 101, regions), AudioError::InvalidParam);
    EXPECT_EQ(buffer->lock(0, 0, regions), AudioError::InvalidParam);
}

TEST_F(MixBufferTest, VolumeAndFrequencyKeepToTheirRanges) {
    const auto buffer = Create({8000, 16, 1}, 800, AudioCaps::Volume | AudioCaps::Frequency);
    EXPECT_EQ(buffer->setVolume(-10001), AudioError::InvalidParam);
    EXPECT_EQ(buffer->setVolume(1), AudioError::InvalidParam);
    EXPECT_EQ(buffer->setVolume(-10000), AudioError::None);
    EXPECT_EQ(buffer->volume(), -10000);
    EXPECT_EQ(buffer->setFrequency(99), AudioError::InvalidParam);
    EXPECT_EQ(buffer->setFrequency(200001), AudioError::InvalidParam);
    EXPECT_EQ(buffer->setFrequency(11025), AudioError::None);
    EXPECT_EQ(buffer->frequency(), 11025);
    EXPECT_EQ(buffer->setFrequency(0), AudioError::None);
    EXPECT_EQ(buffer->frequency(), 8000) << "0 is the format's own rate";

    const auto plain = Create({8000, 16, 1}, 800);
    EXPECT_EQ(plain->setVolume(-100), AudioError::ControlUnavailable);
    EXPECT_EQ(plain->setFrequency(11025), AudioError::ControlUnavailable);
}

TEST_F(MixBufferTest, PositionsFollowTheVirtualClock) {
    const auto buffer = Create({8000, 16, 2}, 8000 * 4);
    ASSERT_EQ(buffer->setPlayPosition(402), AudioError::None);
    EXPECT_EQ(PlayPosition(*buffer), 400) << "whole frames";
    EXPECT_EQ(buffer->setPlayPosition(8000 * 4), AudioError::InvalidParam);
    buffer->setPlayPosition(0);
    buffer->play(false);
    headless.clock().advance(250);
    int play = 0;
    int write = 0;
    buffer->positions(play, write);
    EXPECT_EQ(play, 2000 * 4);
    EXPECT_EQ(write, play + 4);
    headless.clock().advance(750);
    EXPECT_FALSE(buffer->status().playing);
    EXPECT_EQ(PlayPosition(*buffer), 0) << "a buffer played once rewinds at its end";
}

TEST_F(MixBufferTest, ALoopingBufferWrapsAround) {
    const auto buffer = Create({8000, 8, 1}, 800);
    buffer->play(true);
    EXPECT_TRUE(buffer->status().looping);
    headless.clock().advance(1025);
    EXPECT_TRUE(buffer->status().playing);
    EXPECT_EQ(PlayPosition(*buffer), 200);
    buffer->stop();
    headless.clock().advance(100);
    EXPECT_EQ(PlayPosition(*buffer), 200) << "a stopped buffer keeps its place";
    EXPECT_FALSE(buffer->status().looping);
}

TEST_F(MixBufferTest, ABufferOutlivingItsDeviceFailsQuietly) {
    std::unique_ptr<AudioBuffer> buffer;
    {
        HeadlessPlatform other;
        other.audio().open();
        ASSERT_EQ(other.audio().createBuffer({8000, 8, 1}, 100, 0, buffer), AudioError::None);
        buffer->play(true);
    }
    EXPECT_EQ(buffer->play(false), AudioError::NoDevice);
    EXPECT_FALSE(buffer->status().playing);
    LockedRegions regions;
    EXPECT_EQ(buffer->lock(0, 10, regions), AudioError::NoDevice);
}

} // namespace
