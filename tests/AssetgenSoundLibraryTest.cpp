#include "SoundTestBed.h"
#include "gfx/SpriteLabel.h"
#include "sound/OggLoader.h"
#include "sound/PcmConverter.h"
#include "sound/SoundLibrary.h"
#include "sound/WavLoader.h"
#include "support/GeneratedData.h"
#include "support/SoundMeasures.h"
#include "support/Spectrogram.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace SoundMeasures;

enum class Kind { OneShot, LoopedEffect, Theme, Ambience };

struct Expected {
    const char* label;
    Kind kind;
};

// The game's two sound lists; the croak and the high-score fanfare are played in loops.
const Expected kSounds[] = {{"SOUND_HIGHSCORE", Kind::LoopedEffect},
                            {"SOUND_FROG_DROWN", Kind::OneShot},
                            {"SOUND_FROG_EAT", Kind::OneShot},
                            {"SOUND_FROG_MOVE", Kind::OneShot},
                            {"SOUND_FROG_JUMP", Kind::OneShot},
                            {"SOUND_FROG_KNOCKED_OVER", Kind::OneShot},
                            {"SOUND_FROG_BLOCKED_MOVE", Kind::OneShot},
                            {"SOUND_FROG_PICK_STAR", Kind::OneShot},
                            {"SOUND_FROG_PIERCED", Kind::OneShot},
                            {"SOUND_FROG_IDLE", Kind::LoopedEffect},
                            {"SOUND_LEVEL_FINISHED", Kind::OneShot},
                            {"SOUND_LEVEL_FINISHED_FULL_LEVEL", Kind::OneShot},
                            {"SOUND_MENU_BUTTON_CLICK", Kind::OneShot},
                            {"SOUND_GAME_OVER", Kind::OneShot},
                            {"SOUND_BONUS_LIFE", Kind::OneShot},
                            {"SOUND_LOSE_LIFE", Kind::OneShot},
                            {"SOUND_COUNT_DOWN", Kind::OneShot},
                            {"SOUND_RAGTOP_CLOSED_CRASH", Kind::OneShot},
                            {"SOUND_RAGTOP_OPEN_CRASH", Kind::OneShot},
                            {"SOUND_SMALL_CAR_CRASH", Kind::OneShot},
                            {"SOUND_TRUCK_CRASH", Kind::OneShot},
                            {"SOUND_FROG_KILL_BOX_DROWN", Kind::OneShot},
                            {"SOUND_FROG_KILL_BOX_HAMMER", Kind::OneShot},
                            {"SOUND_FROG_KILL_CHEZ_FRED", Kind::OneShot},
                            {"SOUND_FROG_KILL_GARBAGE", Kind::OneShot},
                            {"SOUND_TRUCK_BREAK", Kind::OneShot},
                            {"SOUND_DIVE", Kind::OneShot},
                            {"SOUND_HIPPO_ANGRY", Kind::OneShot},
                            {"SOUND_FROG_KILL_BOX_RED_BUTTON", Kind::OneShot},
                            {"SOUND_FROG_KILL_AQUARIUM", Kind::OneShot},
                            {"SOUND_FROG_KILL_BOX_BOMB", Kind::OneShot},
                            {"SOUND_FROG_KILL_CEMENT_MIXER", Kind::OneShot},
                            {"SOUND_FROG_KILL_ELECTRIC", Kind::OneShot},
                            {"SOUND_FROG_KILL_PIRANHA", Kind::OneShot},
                            {"SOUND_THEME", Kind::Theme},
                            {"SOUND_AMBIENT_RIVER", Kind::Ambience},
                            {"SOUND_AMBIENT_ROAD", Kind::Ambience},
                            {"SOUND_AMBIENT_INSECTS", Kind::Ambience},
                            {"SOUND_AMBIENT_ROAD_UNDERGROUND", Kind::Ambience}};

constexpr float kCeilingDb = -1.0f;
// A sample this near zero makes no audible click.
constexpr float kQuietEnd = 0.01f;

bool IsEffect(Kind kind) {
    return kind == Kind::OneShot || kind == Kind::LoopedEffect;
}

// The seconds a sound of this kind may last.
std::pair<float, float> DurationRange(Kind kind) {
    switch (kind) {
    case Kind::OneShot:
        return {0.04f, 4.0f};
    case Kind::LoopedEffect:
        return {0.5f, 20.0f};
    case Kind::Theme:
        return {60.0f, 120.0f};
    case Kind::Ambience:
        return {5.0f, 30.0f};
    }
    return {0.0f, 0.0f};
}

struct Measured {
    Kind kind;
    float seconds;
    float loudnessDb;
    float rmsDb;
};

class AssetgenSoundLibraryTest : public SoundTestBed {
  protected:
    // Writes each measured sound as a spectrogram picture when QUAGLEAPER_SPECTROGRAMS names a
    // folder, so that people can look at what they will hear.
    static void Picture(const std::string& name, const std::vector<float>& mono, int rate) {
        const char* folder = std::getenv("QUAGLEAPER_SPECTROGRAMS");
        if (folder == nullptr)
            return;
        const int width = std::clamp(
            static_cast<int>(mono.size() / static_cast<std::size_t>(rate)) * 200, 400, 1600);
        EXPECT_TRUE(Spectrogram::WritePng((fs::path(folder) / (name + ".png")).string(), mono, rate,
                                          width, 300));
    }
};

// The sounds of the build, as the game finds them in the packed container.
TEST_F(AssetgenSoundLibraryTest, EverySoundOfTheBuildLoadsInTheGameAtItsLevelAndJoinsCleanly) {
    const GeneratedData data{folder};
    std::size_t soundFiles = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(GeneratedData::LooseFolder()))
        soundFiles += entry.path().filename().string().starts_with("sound") ? 1 : 0;
    EXPECT_EQ(soundFiles, std::size(kSounds));

    std::map<std::string, Measured> measured;
    bool someWideHighRate = false;
    bool someMonoLowRate = false;
    for (const Expected& sound : kSounds) {
        SCOPED_TRACE(sound.label);
        const std::string name = NormalizeLabel(sound.label);
        const std::string file = name + (IsEffect(sound.kind) ? ".wav" : ".ogg");
        const std::string other = name + (IsEffect(sound.kind) ? ".ogg" : ".wav");
        EXPECT_TRUE(fs::is_regular_file(fs::path(GeneratedData::LooseFolder()) / file));
        EXPECT_FALSE(fs::exists(fs::path(GeneratedData::LooseFolder()) / other));

        PcmDescription pcm;
        if (IsEffect(sound.kind))
            ASSERT_TRUE(WavLoader().load("data\\" + file, pcm));
        else
            ASSERT_TRUE(OggLoader().load("data\\" + file, pcm));
        EXPECT_EQ(pcm.bitsPerSample, 16);
        EXPECT_LE(PeakDb(Samples16(pcm)), kCeilingDb);
        someWideHighRate |= IsEffect(sound.kind) && pcm.sampleRate == 44100 && pcm.channels == 2;
        someMonoLowRate |= IsEffect(sound.kind) && pcm.sampleRate == 22050 && pcm.channels == 1;

        ASSERT_TRUE(engine.createSfx(name, "data\\" + file, IsEffect(sound.kind) ? 0 : 1, true));
        ASSERT_NE(engine.find(name)->buffer(), nullptr);
        // Measured as the game's buffer holds it: mono, at no more than 22050 Hz.
        const PcmDescription heard = PcmConverter::ForDeviceBuffer(pcm, true);
        const std::vector<float> mono = Samples16(heard);
        ASSERT_FALSE(mono.empty());
        const int rate = heard.sampleRate;

        const float seconds = static_cast<float>(mono.size()) / static_cast<float>(rate);
        const auto [shortest, longest] = DurationRange(sound.kind);
        EXPECT_GE(seconds, shortest);
        EXPECT_LE(seconds, longest);
        if (sound.kind == Kind::OneShot) {
            EXPECT_LE(std::fabs(mono.front()), kQuietEnd);
            EXPECT_LE(std::fabs(mono.back()), kQuietEnd);
        } else {
            // Played round, the last sample runs on into the first: no bigger step than the
            // sound itself takes all the time.
            EXPECT_LE(std::fabs(mono.back() - mono.front()),
                      std::max(kQuietEnd, StepPercentile(mono, 0.99f)));
        }
        measured[name] = {sound.kind, seconds, LoudnessDb(mono, rate), RmsDb(mono)};
        Picture(name, mono, rate);
    }
    EXPECT_FALSE(Logged("could not load"));
    EXPECT_TRUE(someWideHighRate);
    EXPECT_TRUE(someMonoLowRate);

    // Effects sit at one loudness; the music plays under the effects, the ambiences under both.
    float quietestEffect = 0.0f;
    float loudestEffect = -200.0f;
    for (const auto& [name, sound] : measured) {
        SCOPED_TRACE(name);
        if (IsEffect(sound.kind)) {
            EXPECT_GE(sound.loudnessDb, -19.0f);
            EXPECT_LE(sound.loudnessDb, -13.0f);
            quietestEffect = std::min(quietestEffect, sound.loudnessDb);
            loudestEffect = std::max(loudestEffect, sound.loudnessDb);
        } else if (sound.kind == Kind::Theme) {
            EXPECT_GE(sound.rmsDb, -22.0f);
            EXPECT_LE(sound.rmsDb, -15.0f);
        } else {
            EXPECT_GE(sound.rmsDb, -32.0f);
            EXPECT_LE(sound.rmsDb, measured["soundtheme"].rmsDb - 4.0f);
        }
    }
    EXPECT_LE(loudestEffect - quietestEffect, 3.0f);
}

TEST_F(AssetgenSoundLibraryTest, ASecondRunWritesTheSameBytesAsTheBuild) {
    fs::create_directories("again");
    ASSERT_TRUE(SoundLibrary::WriteAll("again"));
    std::size_t compared = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator("again")) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        EXPECT_TRUE(folder.Read("again/" + name) == GeneratedData::ReadLoose(name));
        ++compared;
    }
    EXPECT_EQ(compared, std::size(kSounds));
}

TEST_F(AssetgenSoundLibraryTest, AMissingFolderIsReportedAndNothingIsWritten) {
    EXPECT_FALSE(SoundLibrary::WriteAll("nowhere"));
    EXPECT_TRUE(Logged("SoundLibrary: no folder nowhere\n"));
    EXPECT_FALSE(fs::exists("nowhere"));
}

} // namespace
