#include "sound/SoundLibrary.h"

#include "core/Log.h"
#include "gfx/SpriteLabel.h"
#include "sound/AmbienceRecipes.h"
#include "sound/EffectRecipes.h"
#include "sound/Mastering.h"
#include "sound/OggVorbisWriter.h"
#include "sound/Reverb.h"
#include "sound/ThemeMusic.h"
#include "sound/WavWriter.h"

#include <filesystem>
#include <fstream>
#include <utility>

namespace {

// Effects sit at one loudness so that none drowns another; the loops play under them. The game
// turns the theme down in play by its own setting, and raises each ambience to full only when
// the frog is right beside its source.
constexpr float kEffectLoudnessDb = -16.0f;
constexpr float kThemeRmsDb = -18.0f;
constexpr float kAmbienceRmsDb = -26.0f;
constexpr float kCeilingDb = -1.0f;
// 44100 Hz files lose every second frame in the game; this keeps their sound below the new
// Nyquist frequency.
constexpr float kHalvedRateLimitHz = 9500.0f;
constexpr float kFadeInSeconds = 0.002f;
constexpr float kFadeOutSeconds = 0.02f;
// A share of room in each ear is what makes a stereo effect wide; its centre stays dry.
constexpr float kStereoRoom = 0.12f;

enum class Kind { Effect, LoopedEffect, Music, Ambience };

struct Format {
    int rate;
    bool stereo;
};

constexpr Format kWideHigh{44100, true};
constexpr Format kMonoHigh{44100, false};
constexpr Format kWideLow{22050, true};
constexpr Format kMonoLow{22050, false};

using Render = SoundClip (*)(int rate);

struct Entry {
    const char* label;
    Kind kind;
    Format format;
    Render render;
};

template <Track (*Recipe)(int)> SoundClip Dry(int rate) {
    return {rate, Recipe(rate).data(), {}};
}

SoundClip Widened(SoundClip clip) {
    Reverb leftRoom(clip.sampleRate, 0.3f, 0.5f);
    Reverb rightRoom(clip.sampleRate, 0.3f, 0.5f, 23);
    clip.right = clip.left;
    for (std::size_t i = 0; i < clip.frames(); ++i) {
        const float dry = clip.left[i];
        clip.left[i] = dry + kStereoRoom * leftRoom.process(dry);
        clip.right[i] = dry + kStereoRoom * rightRoom.process(dry);
    }
    return clip;
}

// Every sound of the game: the 34 effects, then the music and the ambiences.
const Entry kSounds[] = {
    {"SOUND_HIGHSCORE", Kind::LoopedEffect, kWideHigh, EffectRecipes::Highscore},
    {"SOUND_FROG_DROWN", Kind::Effect, kMonoLow, Dry<EffectRecipes::FrogDrown>},
    {"SOUND_FROG_EAT", Kind::Effect, kMonoLow, Dry<EffectRecipes::FrogEat>},
    {"SOUND_FROG_MOVE", Kind::Effect, kMonoLow, Dry<EffectRecipes::FrogMove>},
    {"SOUND_FROG_JUMP", Kind::Effect, kWideHigh, Dry<EffectRecipes::FrogJump>},
    {"SOUND_FROG_KNOCKED_OVER", Kind::Effect, kMonoLow, Dry<EffectRecipes::FrogKnockedOver>},
    {"SOUND_FROG_BLOCKED_MOVE", Kind::Effect, kMonoLow, Dry<EffectRecipes::FrogBlockedMove>},
    {"SOUND_FROG_PICK_STAR", Kind::Effect, kWideHigh, Dry<EffectRecipes::FrogPickStar>},
    {"SOUND_FROG_PIERCED", Kind::Effect, kMonoLow, Dry<EffectRecipes::FrogPierced>},
    {"SOUND_FROG_IDLE", Kind::Effect, kMonoLow, Dry<EffectRecipes::FrogIdle>},
    {"SOUND_LEVEL_FINISHED", Kind::Effect, kWideHigh, Dry<EffectRecipes::LevelFinished>},
    {"SOUND_LEVEL_FINISHED_FULL_LEVEL", Kind::Effect, kWideHigh,
     Dry<EffectRecipes::LevelFinishedFullLevel>},
    {"SOUND_MENU_BUTTON_CLICK", Kind::Effect, kMonoHigh, Dry<EffectRecipes::MenuButtonClick>},
    {"SOUND_GAME_OVER", Kind::Effect, kWideHigh, Dry<EffectRecipes::GameOver>},
    {"SOUND_BONUS_LIFE", Kind::Effect, kWideHigh, Dry<EffectRecipes::BonusLife>},
    {"SOUND_LOSE_LIFE", Kind::Effect, kWideLow, Dry<EffectRecipes::LoseLife>},
    {"SOUND_COUNT_DOWN", Kind::Effect, kMonoHigh, Dry<EffectRecipes::CountDown>},
    {"SOUND_RAGTOP_CLOSED_CRASH", Kind::Effect, kMonoLow, Dry<EffectRecipes::RagtopClosedCrash>},
    {"SOUND_RAGTOP_OPEN_CRASH", Kind::Effect, kWideLow, Dry<EffectRecipes::RagtopOpenCrash>},
    {"SOUND_SMALL_CAR_CRASH", Kind::Effect, kMonoLow, Dry<EffectRecipes::SmallCarCrash>},
    {"SOUND_TRUCK_CRASH", Kind::Effect, kWideHigh, Dry<EffectRecipes::TruckCrash>},
    {"SOUND_FROG_KILL_BOX_DROWN", Kind::Effect, kMonoLow, Dry<EffectRecipes::FrogKillBoxDrown>},
    {"SOUND_FROG_KILL_BOX_HAMMER", Kind::Effect, kMonoLow, Dry<EffectRecipes::FrogKillBoxHammer>},
    {"SOUND_FROG_KILL_CHEZ_FRED", Kind::Effect, kMonoLow, Dry<EffectRecipes::FrogKillChezFred>},
    {"SOUND_FROG_KILL_GARBAGE", Kind::Effect, kMonoLow, Dry<EffectRecipes::FrogKillGarbage>},
    {"SOUND_TRUCK_BREAK", Kind::Effect, kMonoLow, Dry<EffectRecipes::TruckBreak>},
    {"SOUND_DIVE", Kind::Effect, kMonoLow, Dry<EffectRecipes::Dive>},
    {"SOUND_HIPPO_ANGRY", Kind::Effect, kMonoLow, Dry<EffectRecipes::HippoAngry>},
    {"SOUND_FROG_KILL_BOX_RED_BUTTON", Kind::Effect, kMonoLow,
     Dry<EffectRecipes::FrogKillBoxRedButton>},
    {"SOUND_FROG_KILL_AQUARIUM", Kind::Effect, kWideHigh, Dry<EffectRecipes::FrogKillAquarium>},
    {"SOUND_FROG_KILL_BOX_BOMB", Kind::Effect, kWideHigh, Dry<EffectRecipes::FrogKillBoxBomb>},
    {"SOUND_FROG_KILL_CEMENT_MIXER", Kind::Effect, kMonoLow,
     Dry<EffectRecipes::FrogKillCementMixer>},
    {"SOUND_FROG_KILL_ELECTRIC", Kind::Effect, kMonoLow, Dry<EffectRecipes::FrogKillElectric>},
    {"SOUND_FROG_KILL_PIRANHA", Kind::Effect, kMonoLow, Dry<EffectRecipes::FrogKillPiranha>},
    {"SOUND_THEME", Kind::Music, kWideLow, ThemeMusic::Render},
    {"SOUND_AMBIENT_RIVER", Kind::Ambience, kWideHigh, AmbienceRecipes::River},
    {"SOUND_AMBIENT_ROAD", Kind::Ambience, kWideLow, AmbienceRecipes::Road},
    {"SOUND_AMBIENT_INSECTS", Kind::Ambience, kMonoLow, AmbienceRecipes::Insects},
    {"SOUND_AMBIENT_ROAD_UNDERGROUND", Kind::Ambience, kMonoLow, AmbienceRecipes::RoadUnderground},
};

SoundClip InFormat(SoundClip clip, const Format& format) {
    if (format.stereo && clip.channels() == 1)
        return Widened(std::move(clip));
    if (!format.stereo && clip.channels() == 2) {
        for (std::size_t i = 0; i < clip.frames(); ++i)
            clip.left[i] = clip.monoAt(i);
        clip.right.clear();
    }
    return clip;
}

SoundClip Mastered(const Entry& entry) {
    SoundClip clip = InFormat(entry.render(entry.format.rate), entry.format);
    const bool loop = entry.kind != Kind::Effect;
    Mastering::RemoveDc(clip, loop);
    if (clip.sampleRate > 22050)
        Mastering::BandLimit(clip, kHalvedRateLimitHz, loop);
    switch (entry.kind) {
    case Kind::Effect:
        Mastering::NormaliseEffect(clip, kEffectLoudnessDb, kCeilingDb);
        Mastering::FadeEnds(clip, kFadeInSeconds, kFadeOutSeconds);
        break;
    case Kind::LoopedEffect:
        Mastering::NormaliseEffect(clip, kEffectLoudnessDb, kCeilingDb);
        break;
    case Kind::Music:
        Mastering::NormaliseLoop(clip, kThemeRmsDb, kCeilingDb);
        break;
    case Kind::Ambience:
        Mastering::NormaliseLoop(clip, kAmbienceRmsDb, kCeilingDb);
        break;
    }
    return clip;
}

// Vorbis at these settings keeps the music clear and the ambiences small.
float OggQuality(Kind kind) {
    return kind == Kind::Music ? 0.5f : 0.3f;
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out || bytes.empty()) {
        Log("SoundLibrary: could not write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

} // namespace

bool SoundLibrary::WriteAll(const std::string& outDir) {
    std::error_code error;
    if (!std::filesystem::is_directory(outDir, error)) {
        Log("SoundLibrary: no folder %s\n", outDir.c_str());
        return false;
    }
    bool allWritten = true;
    for (const Entry& entry : kSounds) {
        const SoundClip clip = Mastered(entry);
        const bool effect = entry.kind == Kind::Effect || entry.kind == Kind::LoopedEffect;
        const std::string name = NormalizeLabel(entry.label) + (effect ? ".wav" : ".ogg");
        const std::string bytes = effect ? WavWriter::Encode(clip)
                                         : OggVorbisWriter::Encode(clip, OggQuality(entry.kind));
        allWritten = WriteFile(std::filesystem::path(outDir) / name, bytes) && allWritten;
    }
    return allWritten;
}
