#include "sound/EffectRecipes.h"
#include "support/SoundMeasures.h"

#include <cmath>
#include <gtest/gtest.h>

// What makes each effect recognisable, measured on the recipes themselves: the direction of its
// pitch and where its energy lies.
namespace {

using namespace SoundMeasures;

constexpr int kRate = 22050;

float StartHz(const Track& track) {
    return DominantHz(track.data(), kRate, 0);
}

float EndHz(const Track& track, float beforeEndSeconds) {
    return DominantHz(track.data(), kRate, track.size() - track.indexAt(beforeEndSeconds));
}

TEST(AssetgenSoundCharacterTest, TheHopAndTheRocketJumpRiseWhileLosingALifeFalls) {
    const Track hop = EffectRecipes::FrogMove(kRate);
    EXPECT_LT(StartHz(hop), 500.0f);
    EXPECT_GT(DominantHz(hop.data(), kRate, hop.indexAt(0.03f)), StartHz(hop));

    const Track jump = EffectRecipes::FrogJump(kRate);
    EXPECT_GT(
        ShareBelow(std::vector<float>(jump.data().begin() + jump.indexAt(0.4f), jump.data().end()),
                   kRate, 1000.0f),
        0.0f);
    EXPECT_LT(
        ShareBelow(std::vector<float>(jump.data().begin() + jump.indexAt(0.35f), jump.data().end()),
                   kRate, 500.0f),
        ShareBelow(
            std::vector<float>(jump.data().begin(), jump.data().begin() + jump.indexAt(0.2f)),
            kRate, 500.0f));

    const Track lost = EffectRecipes::LoseLife(kRate);
    EXPECT_GT(StartHz(lost), EndHz(lost, 0.3f));
}

TEST(AssetgenSoundCharacterTest, GameOverWalksDownInSemitonesToItsLastNote) {
    const Track over = EffectRecipes::GameOver(kRate);
    // Semitones above A, in any octave: G, F sharp, F, E.
    const auto pitchClass = [&](float seconds) {
        const float hz = DominantHz(over.data(), kRate, over.indexAt(seconds));
        return (static_cast<int>(std::lround(12.0f * std::log2(hz / 440.0f))) % 12 + 12) % 12;
    };
    EXPECT_EQ(pitchClass(0.15f), 10);
    EXPECT_EQ(pitchClass(0.65f), 9);
    EXPECT_EQ(pitchClass(1.15f), 8);
    EXPECT_EQ(pitchClass(1.8f), 7);
}

TEST(AssetgenSoundCharacterTest, BigThingsSoundLowAndSmallThingsHigh) {
    EXPECT_GT(ShareBelow(EffectRecipes::FrogKillBoxBomb(kRate).data(), kRate, 1000.0f), 0.6f);
    EXPECT_GT(ShareBelow(EffectRecipes::HippoAngry(kRate).data(), kRate, 600.0f), 0.6f);
    EXPECT_GT(ShareBelow(EffectRecipes::TruckCrash(kRate).data(), kRate, 1000.0f),
              ShareBelow(EffectRecipes::SmallCarCrash(kRate).data(), kRate, 1000.0f));
    EXPECT_LT(ShareBelow(EffectRecipes::FrogPickStar(kRate).data(), kRate, 1000.0f), 0.2f);
    EXPECT_LT(ShareBelow(EffectRecipes::FrogKillAquarium(kRate).data(), kRate, 300.0f), 0.5f);
    EXPECT_GT(StartHz(EffectRecipes::FrogPierced(kRate)), 1500.0f);
}

TEST(AssetgenSoundCharacterTest, TheCroakIsLowAndLeavesAPauseBeforeTheNext) {
    const Track croak = EffectRecipes::FrogIdle(kRate);
    EXPECT_GT(ShareBelow(croak.data(), kRate, 2000.0f), 0.8f);
    const std::vector<float> pause(croak.data().begin() + croak.indexAt(0.6f), croak.data().end());
    EXPECT_LT(PeakDb(pause), -60.0f);
}

TEST(AssetgenSoundCharacterTest, TheCountDownTickAndTheClickAreShort) {
    EXPECT_LE(EffectRecipes::CountDown(kRate).seconds(), 0.2f);
    EXPECT_LE(EffectRecipes::MenuButtonClick(kRate).seconds(), 0.1f);
    EXPECT_GE(EffectRecipes::LevelFinishedFullLevel(kRate).seconds(),
              EffectRecipes::LevelFinished(kRate).seconds() + 1.0f);
}

} // namespace
