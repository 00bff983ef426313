#include "FrogWorld.h"
#include "SoundTestBed.h"
#include "app/Game.h"
#include "app/SoundMix.h"
#include "gfx/SpriteLabel.h"

#include <string>

namespace {

// The sounds of a running level: the countdown of the level clock, the theme's volume and the
// ambient mix, heard through the headless sound device.
class GameSoundTest : public SoundTestBed {
  protected:
    GameSoundTest() {
        const std::string beep = SoundFixtures::Tone16(2205, 1, 22050, 880.0, 8000);
        for (const char* label :
             {"SOUND_COUNT_DOWN", "SOUND_THEME", "SOUND_AMBIENT_RIVER", "SOUND_AMBIENT_ROAD",
              "SOUND_AMBIENT_ROAD_UNDERGROUND", "SOUND_AMBIENT_INSECTS"}) {
            const std::string name = NormalizeLabel(label);
            engine.createSfx(name, DataFile(name + ".wav", SoundFixtures::Wav(1, 22050, 16, beep)),
                             SfxFlag::VolumeControl, false);
        }
    }

    // Hundredths of a decibel below full volume.
    int Volume(const char* label) const {
        return engine.find(NormalizeLabel(label))->buffer()->volume();
    }
    bool Playing(const char* label) const {
        return engine.find(NormalizeLabel(label))->isPlaying();
    }
};

TEST_F(GameSoundTest, TheLastTenSecondsCountDownAloudAndTheEndIsSilent) {
    Game& game = Singleton<Game>::Instance();
    game.level.grid.init(16, 10, 50, 75);
    game.level.frog = &game.frog;
    game.frog.setWorld({&game.level, nullptr, &game.insects.all()});
    game.frog.setPosition(425.0f, 37.0f);
    game.frog.setState(FS_IDLE);
    game.level.settings.lives = 1;
    game.level.settings.levelTime = 10.3f;
    game.CutToState(GameState::Playing);
    game.themeVolumeDb = 10.0f;

    int beeps = 0;
    bool wasPlaying = false;
    float timeAtLastBeep = 0.0f;
    game.Tick(true);
    while (game.State() == GameState::Playing) {
        Advance(20);
        game.Tick(true);
        const bool playing = Playing("SOUND_COUNT_DOWN");
        if (playing && !wasPlaying) {
            ++beeps;
            timeAtLastBeep = game.level.settings.levelTime;
        }
        wasPlaying = playing;
    }
    EXPECT_EQ(beeps, 10) << "9, 8, ... 1 and 0";
    EXPECT_GT(timeAtLastBeep, -0.01f);
    EXPECT_LT(game.level.settings.levelTime, 0.0f);
    EXPECT_EQ(game.State(), GameState::FrogDying);
    EXPECT_EQ(game.frog.getState(), FS_KNOCKED_OVER);
    // The theme plays ten decibels quieter in the level and at full volume on the menus.
    EXPECT_EQ(Volume("SOUND_THEME"), -1000);
    SoundMix::UpdateMenu(false, 10.0f);
    EXPECT_EQ(Volume("SOUND_THEME"), 0);
    EXPECT_FALSE(Playing("SOUND_AMBIENT_RIVER"));
    SoundMix::UpdateMenu(true, 10.0f);
    EXPECT_EQ(Volume("SOUND_THEME"), -1000) << "the pause keeps the level's volume";
}

TEST_F(GameSoundTest, TheRiverIsLoudestBesideItAndFadesRowByRow) {
    FrogWorld w("initInterval 0\n");
    auto riverAt = [&](int row) {
        w.frog.setPosition(425.0f, static_cast<float>(FrogWorld::CentreY(row)));
        SoundMix::UpdateLevel(w.level, w.frog, w.insects.all(), 10.0f);
        return Volume("SOUND_AMBIENT_RIVER");
    };
    EXPECT_EQ(riverAt(FrogWorld::kRiverRow), 0);
    EXPECT_TRUE(Playing("SOUND_AMBIENT_RIVER"));
    EXPECT_EQ(riverAt(12), -243) << "one row away: 40 / 41";
    EXPECT_EQ(riverAt(3), -909) << "four rows away: 40 / 44";
    EXPECT_EQ(Volume("SOUND_THEME"), -1000);
}

} // namespace
