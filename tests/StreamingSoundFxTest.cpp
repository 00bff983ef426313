#include "SoundTestBed.h"
#include "sound/OggLoader.h"

using namespace SoundFixtures;

namespace {

constexpr int kRate = 22050;
constexpr int kBufferBytes = kRate * 2 * 2;
constexpr int kFirstWrite = 30000;

class StreamingSoundFxTest : public SoundTestBed {
  protected:
    // A streamed mono piece of `frames` frames under the label "music"; returns its decoded bytes.
    std::string Music(int frames) {
        const std::string file = DataFile("music.ogg", OggTone(frames, 1, kRate, 250, 0.5f));
        PcmDescription whole;
        EXPECT_TRUE(OggLoader().load(file, whole));
        EXPECT_TRUE(engine.createSfx("music", file, SfxFlag::Streaming, false));
        effect = engine.find("music");
        return {whole.data.begin(), whole.data.end()};
    }

    // `count` bytes of the ring from `offset` on, wrapping.
    std::string Ring(int offset, int count) {
        auto* buffer = const_cast<platform::AudioBuffer*>(effect->buffer());
        platform::LockedRegions regions;
        EXPECT_EQ(buffer->lock(offset, count, regions), 0u);
        std::string bytes(reinterpret_cast<const char*>(regions.first),
                          static_cast<std::size_t>(regions.firstBytes));
        if (regions.second)
            bytes.append(reinterpret_cast<const char*>(regions.second),
                         static_cast<std::size_t>(regions.secondBytes));
        buffer->unlock(regions);
        return bytes;
    }

    SoundFx* effect = nullptr;
};

TEST_F(StreamingSoundFxTest, TheBufferHoldsTwoSecondsOfTheStreamsFormat) {
    Music(2000);
    ASSERT_NE(effect->buffer(), nullptr);
    EXPECT_EQ(effect->buffer()->size(), kBufferBytes);
    EXPECT_EQ(effect->buffer()->format().sampleRate, kRate);
    EXPECT_TRUE(Logged("SoundEngine::CreateStreamingSfx data\\music.ogg\nOggStreaming::Create: "
                       "data\\music.ogg\n"));
}

TEST_F(StreamingSoundFxTest, ItAlwaysPlaysAndNeitherPlayNorStopChangeThat) {
    Music(2000);
    EXPECT_TRUE(effect->isPlaying());
    effect->playLooping();
    effect->stop();
    effect->play();
    EXPECT_TRUE(effect->buffer()->status().playing);
    EXPECT_TRUE(Logged("StreamingSoundFx::Stop noch nicht implementiert!StreamingSoundFx::Play "
                       "noch nicht implementiert!"));
    engine.setSoundEnabled(false);
    effect->play();
    EXPECT_EQ(LogText().find("Play noch"), LogText().rfind("Play noch"))
        << "no play message while sound is off";
}

TEST_F(StreamingSoundFxTest, TheFirstRefillWritesAheadOfThePlayPositionAndNoMoreThanItMay) {
    const std::string piece = Music(40000);
    effect->playLooping();
    EXPECT_EQ(Ring(kFirstWrite, 4096), std::string(4096, '\0')) << "nothing before the first tick";
    Advance(100);
    const std::string written = Ring(kFirstWrite, 40000);
    EXPECT_EQ(written, piece.substr(0, written.size()));
    EXPECT_EQ(Ring(kFirstWrite + 40000 + 4096, 4096), std::string(4096, '\0'))
        << "at most 40000 bytes a tick, in 4096-byte blocks";
}

TEST_F(StreamingSoundFxTest, TheEndOfThePieceStartsItAgain) {
    const std::string piece = Music(3000);
    effect->playLooping();
    for (int tick = 0; tick < 8; ++tick)
        Advance(100);
    const std::string looped = piece + piece + piece;
    EXPECT_EQ(Ring(kFirstWrite, static_cast<int>(looped.size())), looped);
}

TEST_F(StreamingSoundFxTest, TheRefillFollowsThePlayPositionAroundTheRing) {
    const std::string piece = Music(22050 * 3);
    effect->playLooping();
    Advance(5000);
    int play = 0;
    int write = 0;
    ASSERT_EQ(const_cast<platform::AudioBuffer*>(effect->buffer())->positions(play, write), 0u);
    EXPECT_EQ(play, (5000 * kRate / 1000 * 2) % kBufferBytes);
    // 5 s into the piece the ring holds what follows the play position, wrapped at the piece's end.
    const std::string ahead = Ring(play, 4096);
    const std::string looped = piece + piece;
    EXPECT_EQ(ahead, looped.substr(static_cast<std::size_t>(play + kBufferBytes * 2 - kFirstWrite) %
                                       piece.size(),
                                   4096));
}

TEST_F(StreamingSoundFxTest, ASecondStartDoesNotStartASecondRefill) {
    const std::string piece = Music(40000);
    effect->playLooping();
    effect->playLooping();
    Advance(100);
    EXPECT_EQ(Ring(kFirstWrite + 40000 + 4096, 4096), std::string(4096, '\0'));
}

TEST_F(StreamingSoundFxTest, NothingStartsWhileSoundIsOff) {
    Music(2000);
    engine.setSoundEnabled(false);
    effect->playLooping();
    Advance(300);
    EXPECT_FALSE(effect->buffer()->status().playing);
    EXPECT_EQ(Ring(kFirstWrite, 4096), std::string(4096, '\0'));
}

TEST_F(StreamingSoundFxTest, AStreamThatCannotOpenMakesAMuteEffect) {
    ASSERT_TRUE(
        engine.createSfx("music", DataFile("music.ogg", "not an ogg"), SfxFlag::Streaming, false));
    effect = engine.find("music");
    EXPECT_EQ(effect->buffer(), nullptr);
    effect->playLooping();
    Advance(300);
    EXPECT_TRUE(effect->isPlaying());
    EXPECT_FALSE(engine.createSfx("tune", DataFile("tune.wav", Wav(1, 8000, 8, "abcd")),
                                  SfxFlag::Streaming, false));
    EXPECT_TRUE(Logged("SoundEngine::Load could not load filename data\\tune.wav\n"));
}

TEST_F(StreamingSoundFxTest, ReplacingTheEffectEndsItsRefill) {
    Music(40000);
    effect->playLooping();
    Advance(100);
    ASSERT_TRUE(engine.createSfx("music", "data\\music.ogg", SfxFlag::Streaming, false));
    const std::string log = LogText();
    Advance(1000);
    EXPECT_EQ(LogText(), log);
    EXPECT_FALSE(engine.find("music")->buffer()->status().playing);
}

} // namespace
