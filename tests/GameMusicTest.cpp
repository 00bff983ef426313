#include "SoundTestBed.h"
#include "app/Game.h"

namespace {

// The title menu's music switch and the way back from the high-score screen.
class GameMusicTest : public SoundTestBed {
  protected:
    GameMusicTest() {
        const std::string tone = SoundFixtures::Tone16(22050, 1, 22050, 440.0, 8000);
        engine.createSfx("soundtheme",
                         DataFile("soundtheme.wav", SoundFixtures::Wav(1, 22050, 16, tone)), 0,
                         false);
        engine.createSfx("soundhighscore",
                         DataFile("soundhighscore.wav", SoundFixtures::Wav(1, 22050, 16, tone)), 0,
                         false);
    }

    bool ThemePlaying() const { return engine.find("soundtheme")->isPlaying(); }

    Game& game = Singleton<Game>::Instance();
};

TEST_F(GameMusicTest, ToggleMusicStopsAndRestartsTheTheme) {
    game.ToggleMusic();
    EXPECT_FALSE(game.musicOn);
    EXPECT_FALSE(ThemePlaying());
    game.ToggleMusic();
    EXPECT_TRUE(game.musicOn);
    EXPECT_TRUE(ThemePlaying());
    // A looping theme is still playing long after its one second has run out.
    Advance(3000);
    EXPECT_TRUE(ThemePlaying());
}

TEST_F(GameMusicTest, LeavingTheHighScoresSwapsTheirTuneForTheTheme) {
    game.CutToState(GameState::HighScores);
    engine.playSound("soundhighscore");
    game.LeaveHighScores();
    EXPECT_EQ(game.State(), GameState::TitleMenu);
    EXPECT_FALSE(engine.find("soundhighscore")->isPlaying());
    EXPECT_TRUE(ThemePlaying());
}

TEST_F(GameMusicTest, LeavingTheHighScoresKeepsTheMusicOffWhenSwitchedOff) {
    game.ToggleMusic();
    game.CutToState(GameState::HighScores);
    game.LeaveHighScores();
    EXPECT_FALSE(ThemePlaying());
}

TEST_F(GameMusicTest, WithSoundDisabledTheSwitchOnlyFlipsTheFlag) {
    engine.setSoundEnabled(false);
    game.ToggleMusic();
    game.ToggleMusic();
    EXPECT_TRUE(game.musicOn);
    EXPECT_FALSE(ThemePlaying());
}

} // namespace
