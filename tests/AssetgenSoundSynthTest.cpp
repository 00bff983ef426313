#include "sound/Biquad.h"
#include "sound/Envelope.h"
#include "sound/NoiseGenerator.h"
#include "sound/Oscillator.h"
#include "sound/Synth.h"
#include "support/SoundMeasures.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int kRate = 22050;

int RisingZeroCrossings(const Track& track) {
    int crossings = 0;
    for (std::size_t i = 1; i < track.size(); ++i)
        crossings += track[i - 1] < 0.0f && track[i] >= 0.0f ? 1 : 0;
    return crossings;
}

TEST(AssetgenSoundSynthTest, EveryWaveformRunsAtItsPitchWithinFullScale) {
    for (const Waveform shape :
         {Waveform::Sine, Waveform::Triangle, Waveform::Saw, Waveform::Square, Waveform::Pulse25}) {
        SCOPED_TRACE(static_cast<int>(shape));
        Oscillator oscillator(shape, kRate);
        Track second(kRate, 1.0f);
        float peak = 0.0f;
        for (std::size_t i = 0; i < second.size(); ++i) {
            second[i] = oscillator.next(441.0f);
            peak = std::max(peak, std::fabs(second[i]));
        }
        EXPECT_NEAR(RisingZeroCrossings(second), 441, 1);
        // The smoothing of the band-limited edges may overshoot a little, never much.
        EXPECT_LE(peak, 1.2f);
        EXPECT_GE(peak, 0.9f);
    }
}

TEST(AssetgenSoundSynthTest, NoiseRepeatsFromItsSeedAndStaysInRange) {
    NoiseGenerator first(7);
    NoiseGenerator again(7);
    NoiseGenerator other(8);
    int differences = 0;
    double sum = 0.0;
    for (int i = 0; i < 10000; ++i) {
        const float value = first.next();
        ASSERT_GE(value, -1.0f);
        ASSERT_LT(value, 1.0f);
        EXPECT_EQ(value, again.next());
        differences += value != other.next() ? 1 : 0;
        sum += value;
    }
    EXPECT_GT(differences, 9900);
    EXPECT_NEAR(sum / 10000.0, 0.0, 0.05);
    NoiseGenerator zeroSeed(0);
    EXPECT_NE(zeroSeed.next(), zeroSeed.next());
}

TEST(AssetgenSoundSynthTest, AnEnvelopeRisesDecaysToItsSustainAndEndsAtZero) {
    const Envelope envelope{.attack = 0.1f, .decay = 0.05f, .sustain = 0.5f, .release = 0.2f};
    EXPECT_FLOAT_EQ(envelope.levelAt(0.0f, 1.0f), 0.0f);
    EXPECT_NEAR(envelope.levelAt(0.05f, 1.0f), 0.5f, 1e-5f);
    EXPECT_NEAR(envelope.levelAt(0.1f, 1.0f), 1.0f, 1e-5f);
    EXPECT_NEAR(envelope.levelAt(0.7f, 1.0f), 0.5f, 1e-3f);
    EXPECT_NEAR(envelope.levelAt(0.9f, 1.0f), 0.125f, 1e-3f);
    EXPECT_NEAR(envelope.levelAt(0.99999f, 1.0f), 0.0f, 1e-4f);
    EXPECT_EQ(envelope.levelAt(1.0f, 1.0f), 0.0f);
    EXPECT_EQ(envelope.levelAt(-0.1f, 1.0f), 0.0f);
}

TEST(AssetgenSoundSynthTest, FiltersPassTheirBandAndStopTheRest) {
    const auto gainDb = [](Biquad::Kind kind, float cutoff, float toneHz) {
        const Track tone = Synth::Tone(
            kRate, {.wave = Waveform::Sine,
                    .fromHz = toneHz,
                    .seconds = 0.5f,
                    .envelope = {.attack = 0.0f, .decay = 0.0f, .sustain = 1.0f, .release = 0.0f}});
        const Track out = Synth::Filtered(tone, kind, cutoff);
        const std::vector<float> settled(out.data().begin() + 2000, out.data().end());
        return SoundMeasures::RmsDb(settled) - SoundMeasures::RmsDb(std::vector<float>(
                                                   tone.data().begin() + 2000, tone.data().end()));
    };
    EXPECT_NEAR(gainDb(Biquad::Kind::LowPass, 1000.0f, 100.0f), 0.0f, 0.5f);
    EXPECT_LT(gainDb(Biquad::Kind::LowPass, 1000.0f, 8000.0f), -30.0f);
    EXPECT_NEAR(gainDb(Biquad::Kind::HighPass, 1000.0f, 8000.0f), 0.0f, 0.5f);
    EXPECT_LT(gainDb(Biquad::Kind::HighPass, 1000.0f, 100.0f), -30.0f);
    EXPECT_NEAR(gainDb(Biquad::Kind::BandPass, 1000.0f, 1000.0f), 0.0f, 0.5f);
    EXPECT_LT(gainDb(Biquad::Kind::BandPass, 1000.0f, 8000.0f), -12.0f);
}

TEST(AssetgenSoundSynthTest, AGlideMovesThePitchFromStartToEnd) {
    const Track glide = Synth::Tone(
        kRate, {.wave = Waveform::Sine,
                .fromHz = 200.0f,
                .toHz = 1600.0f,
                .seconds = 1.0f,
                .envelope = {.attack = 0.0f, .decay = 0.0f, .sustain = 1.0f, .release = 0.0f}});
    EXPECT_NEAR(SoundMeasures::DominantHz(glide.data(), kRate, 0), 220.0f, 25.0f);
    EXPECT_NEAR(SoundMeasures::DominantHz(glide.data(), kRate, glide.size() - 2048), 1455.0f,
                60.0f);
}

TEST(AssetgenSoundSynthTest, ATrackGrowsToHoldWhatIsMixedPastItsEnd) {
    Track base(kRate, 0.1f);
    Track tone(kRate, 0.1f);
    tone[0] = 1.0f;
    base.mix(tone, 0.5f, 0.5f);
    EXPECT_EQ(base.size(), base.indexAt(0.6f));
    EXPECT_FLOAT_EQ(base[base.indexAt(0.5f)], 0.5f);
    EXPECT_EQ(Track::OfFrames(kRate, 17).size(), 17u);
}

} // namespace
