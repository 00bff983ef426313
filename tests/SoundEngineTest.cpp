#include "SoundTestBed.h"

using namespace SoundFixtures;

namespace {

using SoundEngineTest = SoundTestBed;

TEST_F(SoundEngineTest, InitListsTheRegisteredTypesAndCreatesTheLoaders) {
    EXPECT_EQ(LogText(), "Initializing Sound Engine\n"
                         "Registered Sfx Loading types\n  OggLoader\n  WavLoader\n\n"
                         "Registered Sfx Streaming types\n  OggStreaming\n\n"
                         "Creating registered sfx-loaders:\n  OggLoader\n  WavLoader\n");
}

TEST_F(SoundEngineTest, AHighRateStereoWavAskedForInMonoPlaysAtHalfRateInMono) {
    const std::string file =
        DataFile("beep.wav", Wav(2, 44100, 16, Tone16(1000, 2, 44100, 440, 8000)));
    ASSERT_TRUE(engine.createSfx("beep", file, 0, true));
    const platform::AudioBuffer* buffer = engine.find("beep")->buffer();
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->format().sampleRate, 22050);
    EXPECT_EQ(buffer->format().channels, 1);
    EXPECT_EQ(buffer->format().bitsPerSample, 16);
    EXPECT_EQ(buffer->size(), 500 * 2);
    EXPECT_TRUE(Logged("SoundEngine::CreateSfx data\\beep.wav\nWavLoader::Load data\\beep.wav\n"));
}

TEST_F(SoundEngineTest, OggEffectsLoadToo) {
    ASSERT_TRUE(engine.createSfx("theme", DataFile("theme.ogg", OggTone(4410, 1, 22050, 300, 0.4f)),
                                 1, true));
    EXPECT_EQ(engine.find("theme")->buffer()->size(), 4410 * 2);
}

TEST_F(SoundEngineTest, TheSameLabelTwiceKeepsTheLaterEffect) {
    const std::string first = DataFile("a.wav", Wav(1, 8000, 8, std::string(100, '\x80')));
    const std::string second = DataFile("b.wav", Wav(1, 8000, 8, std::string(300, '\x80')));
    ASSERT_TRUE(engine.createSfx("hop", first, 0, true));
    ASSERT_TRUE(engine.createSfx("hop", second, 0, true));
    EXPECT_EQ(engine.find("hop")->label(), "hop");
    EXPECT_EQ(engine.find("hop")->fileName(), second);
    EXPECT_EQ(engine.find("hop")->buffer()->size(), 300);
}

TEST_F(SoundEngineTest, AFileNoLoaderTakesMakesNoEffect) {
    EXPECT_FALSE(engine.createSfx("gone", "data\\gone.wav", 0, true));
    EXPECT_FALSE(engine.createSfx("mp3", DataFile("x.mp3", "ID3"), 0, true));
    EXPECT_FALSE(engine.createSfx("empty", DataFile("empty.wav", Wav(1, 8000, 8, "")), 0, true));
    EXPECT_TRUE(Logged(
        "Zero length wav sample\nSoundEngine::Load could not load filename data\\empty.wav\n"));
    EXPECT_TRUE(Logged("SoundEngine::Load could not load filename data\\x.mp3\n"));
    EXPECT_EQ(engine.find("gone"), nullptr);
    EXPECT_EQ(engine.find("mp3"), nullptr);
    EXPECT_EQ(engine.find("empty"), nullptr);
}

TEST_F(SoundEngineTest, AnEffectTheDeviceRefusesExistsButStaysSilent) {
    ASSERT_TRUE(engine.createSfx(
        "odd", DataFile("odd.wav", Wav(3, 8000, 16, std::string(60, '\1'))), 0, true));
    EXPECT_TRUE(Logged("SoundFx::CreateSoundBuffer: 88780064\n"));
    SoundFx* effect = engine.find("odd");
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->buffer(), nullptr);
    effect->play();
    effect->setVolume(0.5f);
    EXPECT_FALSE(effect->isPlaying());
}

TEST_F(SoundEngineTest, ByLabelCallsPlayStopAndAskWhileSoundIsOn) {
    ASSERT_TRUE(engine.createSfx(
        "croak", DataFile("croak.wav", Wav(1, 8000, 8, std::string(8000, '\x90'))), 0, true));
    engine.playSound("croak");
    EXPECT_TRUE(engine.isSoundPlaying("croak", false));
    engine.stopSound("croak");
    EXPECT_FALSE(engine.isSoundPlaying("croak", true));
    engine.playSound("nothing");
    engine.stopSound("nothing");
    EXPECT_TRUE(engine.isSoundPlaying("nothing", true));
    EXPECT_FALSE(engine.isSoundPlaying("nothing", false));
}

TEST_F(SoundEngineTest, ByLabelCallsDoNothingWhileSoundIsOff) {
    ASSERT_TRUE(engine.createSfx(
        "croak", DataFile("croak.wav", Wav(1, 8000, 8, std::string(8000, '\x90'))), 0, true));
    engine.setSoundEnabled(false);
    engine.playSound("croak");
    EXPECT_FALSE(engine.find("croak")->isPlaying());
    EXPECT_TRUE(engine.isSoundPlaying("croak", true)) << "the fallback answers while sound is off";

    engine.setSoundEnabled(true);
    engine.playSound("croak");
    engine.setSoundEnabled(false);
    engine.stopSound("croak");
    EXPECT_TRUE(engine.find("croak")->isPlaying());
}

TEST_F(SoundEngineTest, ShutdownLetsGoOfEffectsAndDevice) {
    ASSERT_TRUE(engine.createSfx(
        "croak", DataFile("croak.wav", Wav(1, 8000, 8, std::string(800, '\x90'))), 0, true));
    engine.shutdown();
    EXPECT_EQ(engine.find("croak"), nullptr);
    EXPECT_FALSE(engine.createSfx("croak", "data\\croak.wav", 0, true)) << "the loaders are gone";
    platform::AudioFormat format{8000, 8, 1};
    std::unique_ptr<platform::AudioBuffer> buffer;
    EXPECT_EQ(headless.audio().createBuffer(format, 100, 0, buffer),
              platform::AudioError::NoDevice);
}

} // namespace
