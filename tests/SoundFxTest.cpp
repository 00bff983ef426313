#include "SoundTestBed.h"

using namespace SoundFixtures;

namespace {

class SoundFxTest : public SoundTestBed {
  protected:
    // A mono 8-bit sound of `ms` milliseconds at 8000 Hz, created with `flags`.
    SoundFx& Effect(int ms, unsigned flags = 0) {
        const std::string file = DataFile(
            "fx.wav", Wav(1, 8000, 8, std::string(static_cast<std::size_t>(ms * 8), '\x90')));
        EXPECT_TRUE(engine.createSfx("fx", file, flags, true));
        return *engine.find("fx");
    }

    int PlayPosition(const SoundFx& effect) const {
        int play = -1;
        int write = -1;
        EXPECT_EQ(const_cast<platform::AudioBuffer*>(effect.buffer())->positions(play, write), 0u);
        return play;
    }
};

TEST_F(SoundFxTest, VolumeIsAttenuationInHundredthsOfADecibel) {
    SoundFx& effect = Effect(100, SfxFlag::VolumeControl);
    effect.setVolume(0.5f);
    EXPECT_EQ(effect.buffer()->volume(), -5000);
    effect.setVolume(0.0f);
    EXPECT_EQ(effect.buffer()->volume(), -10000);
    effect.setVolume(0.75f);
    EXPECT_EQ(effect.buffer()->volume(), -2500);
    effect.setVolume(1.5f);
    EXPECT_EQ(effect.buffer()->volume(), -2500) << "louder than recorded is refused by the device";
    effect.setVolume(1.0f);
    EXPECT_EQ(effect.buffer()->volume(), 0);
}

TEST_F(SoundFxTest, VolumeAndFrequencyNeedTheirFlags) {
    SoundFx& effect = Effect(100);
    effect.setVolume(0.5f);
    effect.setFrequency(16000);
    EXPECT_EQ(effect.buffer()->volume(), 0);
    EXPECT_EQ(effect.buffer()->frequency(), 8000);
}

TEST_F(SoundFxTest, AHigherFrequencyPlaysTheSoundFaster) {
    SoundFx& effect = Effect(1000, SfxFlag::FrequencyControl);
    effect.setFrequency(16000);
    EXPECT_EQ(effect.buffer()->frequency(), 16000);
    effect.play();
    Advance(480);
    EXPECT_TRUE(effect.isPlaying());
    Advance(40);
    EXPECT_FALSE(effect.isPlaying());
}

TEST_F(SoundFxTest, AnEffectPlayedOnceStopsAfterItsLength) {
    SoundFx& effect = Effect(500);
    effect.play();
    Advance(490);
    EXPECT_TRUE(effect.isPlaying());
    Advance(20);
    EXPECT_FALSE(effect.isPlaying());
}

TEST_F(SoundFxTest, PlayOnAPlayingEffectStartsItFromTheBeginning) {
    SoundFx& effect = Effect(500);
    effect.play();
    Advance(300);
    EXPECT_EQ(PlayPosition(effect), 2400);
    effect.play();
    EXPECT_EQ(PlayPosition(effect), 0);
    Advance(300);
    EXPECT_TRUE(effect.isPlaying()) << "500 ms from the restart, not from the first start";
}

TEST_F(SoundFxTest, ALoopingEffectPlaysOnUntilStopped) {
    SoundFx& effect = Effect(200);
    effect.playLooping();
    Advance(1050);
    EXPECT_TRUE(effect.isPlaying());
    EXPECT_EQ(PlayPosition(effect), 400);
    effect.stop();
    EXPECT_FALSE(effect.isPlaying());
}

TEST_F(SoundFxTest, OnlyStartingWaitsForSoundToBeOn) {
    SoundFx& effect = Effect(500, SfxFlag::VolumeControl);
    engine.setSoundEnabled(false);
    effect.play();
    effect.playLooping();
    EXPECT_FALSE(effect.isPlaying());
    effect.setVolume(0.5f);
    EXPECT_EQ(effect.buffer()->volume(), -5000);

    engine.setSoundEnabled(true);
    effect.playLooping();
    engine.setSoundEnabled(false);
    effect.stop();
    EXPECT_FALSE(effect.isPlaying());
}

} // namespace
