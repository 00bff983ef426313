#include "sound/LoopMixer.h"
#include "sound/Mastering.h"
#include "sound/NoiseGenerator.h"
#include "sound/Synth.h"
#include "support/SoundMeasures.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int kRate = 22050;

// A quiet hum with one loud crack in it: the hardest case for an even level.
SoundClip HumWithCrack() {
    SoundClip clip{kRate, std::vector<float>(kRate), {}};
    for (std::size_t i = 0; i < clip.left.size(); ++i)
        clip.left[i] = 0.05f * std::sin(0.05f * static_cast<float>(i));
    for (std::size_t i = 5000; i < 5004; ++i)
        clip.left[i] = 0.9f;
    return clip;
}

TEST(AssetgenSoundMasteringTest, AnEffectReachesItsLoudnessWithPeaksUnderTheCeiling) {
    SoundClip clip = HumWithCrack();
    Mastering::NormaliseEffect(clip, -16.0f, -1.0f);
    EXPECT_LE(Mastering::PeakDb(clip), -1.0f);
    EXPECT_NEAR(Mastering::LoudnessDb(clip), -16.0f, 1.0f);
    EXPECT_NEAR(SoundMeasures::LoudnessDb(clip.left, kRate), -16.0f, 1.0f);
}

TEST(AssetgenSoundMasteringTest, AStereoEffectIsLimitedOnBothSides) {
    SoundClip clip = HumWithCrack();
    clip.right = clip.left;
    clip.right[7000] = -1.5f;
    Mastering::NormaliseEffect(clip, -14.0f, -1.0f);
    EXPECT_LE(Mastering::PeakDb(clip), -1.0f);
    EXPECT_LE(SoundMeasures::PeakDb(clip.right), -1.0f);
}

TEST(AssetgenSoundMasteringTest, ALoopGetsItsLevelUnlessAPeakForbidsIt) {
    SoundClip calm{kRate, std::vector<float>(kRate), {}};
    NoiseGenerator noise(3);
    for (float& sample : calm.left)
        sample = 0.01f * noise.next();
    Mastering::NormaliseLoop(calm, -26.0f, -1.0f);
    EXPECT_NEAR(SoundMeasures::RmsDb(calm.left), -26.0f, 0.1f);

    SoundClip spiky = HumWithCrack();
    Mastering::NormaliseLoop(spiky, -6.0f, -1.0f);
    EXPECT_NEAR(Mastering::PeakDb(spiky), -1.1f, 0.05f);
}

TEST(AssetgenSoundMasteringTest, FadedEndsStartAndStopAtSilence) {
    SoundClip clip{kRate, std::vector<float>(1000, 0.8f), std::vector<float>(1000, -0.8f)};
    Mastering::FadeEnds(clip, 0.002f, 0.02f);
    EXPECT_EQ(clip.left.front(), 0.0f);
    EXPECT_EQ(clip.left.back(), 0.0f);
    EXPECT_EQ(clip.right.back(), 0.0f);
    EXPECT_FLOAT_EQ(clip.left[500], 0.8f);
    // Ramps, not steps.
    EXPECT_LT(clip.left[1], 0.1f);
    EXPECT_LT(clip.left[998], 0.01f);
}

TEST(AssetgenSoundMasteringTest, FiltersOverALoopKeepItsJoinSeamless) {
    SoundClip clip{kRate, std::vector<float>(kRate), {}};
    // A whole number of periods, with an offset the filters must remove.
    for (std::size_t i = 0; i < clip.left.size(); ++i)
        clip.left[i] =
            0.3f + 0.5f * std::sin(2.0f * 3.14159265f * 50.0f * static_cast<float>(i) / kRate);
    Mastering::RemoveDc(clip, true);
    Mastering::BandLimit(clip, 5000.0f, true);
    EXPECT_LT(std::fabs(clip.left.back() - clip.left.front()),
              2.0f * SoundMeasures::StepPercentile(clip.left, 0.99f));
    double sum = 0.0;
    for (const float sample : clip.left)
        sum += sample;
    EXPECT_NEAR(sum / kRate, 0.0, 0.01);
}

TEST(AssetgenSoundMasteringTest, WhatRingsPastTheEndOfALoopComesBackAtItsStart) {
    LoopMixer mix(kRate, 1000);
    Track click = Track::OfFrames(kRate, 10);
    click[0] = 1.0f;
    click[5] = 0.5f;
    mix.add(click, 997.0f / kRate, 1.0f);
    const SoundClip centre = mix.clip(false);
    EXPECT_FLOAT_EQ(centre.left[997], 1.0f);
    EXPECT_FLOAT_EQ(centre.left[2], 0.5f);

    LoopMixer panned(kRate, 100);
    panned.add(click, 0.0f, 1.0f, -1.0f);
    const SoundClip wide = panned.clip(true);
    EXPECT_NEAR(wide.left[0], std::sqrt(2.0f), 1e-5f);
    EXPECT_NEAR(wide.right[0], 0.0f, 1e-5f);
}

TEST(AssetgenSoundMasteringTest, ABedLongerThanTheLoopIsFoldedInWithoutAStep) {
    LoopMixer mix(kRate, 4000);
    Track bed = Synth::Noise(
        kRate, {.seconds = 6000.0f / kRate,
                .envelope = {.attack = 0.0f, .decay = 0.0f, .sustain = 1.0f, .release = 0.0f},
                .fromHz = 500.0f,
                .seed = 9});
    mix.addBed(bed, 1.0f);
    const SoundClip loop = mix.clip(false);
    ASSERT_EQ(loop.frames(), 4000u);
    EXPECT_LE(std::fabs(loop.left.back() - loop.left.front()),
              SoundMeasures::StepPercentile(loop.left, 0.99f));
    // The middle of the loop is the bed itself.
    EXPECT_FLOAT_EQ(loop.left[3000], bed[3000]);
}

} // namespace
