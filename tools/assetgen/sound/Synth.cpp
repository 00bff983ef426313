#include "sound/Synth.h"

#include "sound/NoiseGenerator.h"
#include "sound/Oscillator.h"
#include "sound/Reverb.h"

#include <cmath>
#include <numbers>

namespace Synth {

namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;

float Glide(float from, float to, float progress) {
    if (to <= 0.0f || to == from)
        return from;
    return from * std::pow(to / from, progress);
}

// Filter sweeps recompute their coefficients this often, not every sample.
constexpr std::size_t kSweepStep = 32;

} // namespace

float NoteHz(int midiNote) {
    return 440.0f * std::pow(2.0f, static_cast<float>(midiNote - 69) / 12.0f);
}

Track Tone(int rate, const ToneSettings& settings) {
    Track out(rate, settings.seconds);
    Oscillator oscillator(settings.wave, rate);
    Biquad lowPass(Biquad::Kind::LowPass, rate,
                   settings.lowPassHz > 0.0f ? settings.lowPassHz : 1.0f);
    const float step = 1.0f / static_cast<float>(rate);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float time = static_cast<float>(i) * step;
        float hz = Glide(settings.fromHz, settings.toHz, time / settings.seconds);
        if (settings.vibratoSemitones > 0.0f)
            hz *= std::pow(2.0f, settings.vibratoSemitones / 12.0f *
                                     std::sin(kTwoPi * settings.vibratoHz * time));
        float sample = oscillator.next(hz);
        if (settings.lowPassHz > 0.0f)
            sample = lowPass.process(sample);
        out[i] = sample * settings.envelope.levelAt(time, settings.seconds);
    }
    return out;
}

Track Noise(int rate, const NoiseSettings& settings) {
    Track out(rate, settings.seconds);
    NoiseGenerator noise(settings.seed);
    Biquad filter(settings.filter, rate, settings.fromHz, settings.q);
    const float step = 1.0f / static_cast<float>(rate);
    const float holdSamples =
        settings.holdHz > 0.0f ? static_cast<float>(rate) / settings.holdHz : 1.0f;
    float held = 0.0f;
    float sinceHold = holdSamples;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float time = static_cast<float>(i) * step;
        if (i % kSweepStep == 0 && settings.toHz > 0.0f)
            filter.setCutoff(Glide(settings.fromHz, settings.toHz, time / settings.seconds));
        sinceHold += 1.0f;
        if (sinceHold >= holdSamples) {
            held = noise.next();
            sinceHold -= holdSamples;
        }
        out[i] = filter.process(held) * settings.envelope.levelAt(time, settings.seconds);
    }
    return out;
}

Track Fm(int rate, const FmSettings& settings) {
    Track out(rate, settings.seconds);
    const float step = 1.0f / static_cast<float>(rate);
    float carrier = 0.0f;
    float modulator = 0.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float time = static_cast<float>(i) * step;
        const float progress = time / settings.seconds;
        const float hz = Glide(settings.fromHz, settings.toHz, progress);
        const float index = settings.fromIndex + (settings.toIndex - settings.fromIndex) * progress;
        out[i] = std::sin(kTwoPi * carrier + index * std::sin(kTwoPi * modulator)) *
                 settings.envelope.levelAt(time, settings.seconds);
        carrier += hz * step;
        carrier -= std::floor(carrier);
        modulator += hz * settings.ratio * step;
        modulator -= std::floor(modulator);
    }
    return out;
}

Track Strike(int rate, const StrikeSettings& settings) {
    Track out(rate, settings.seconds);
    for (int p = 0; p < settings.partials; ++p) {
        const float hz = settings.baseHz * settings.ratios[p];
        if (hz > 0.45f * static_cast<float>(rate))
            continue;
        // Higher partials die sooner, as in anything struck.
        const float decay = settings.decay / (1.0f + 0.5f * static_cast<float>(p));
        const float amplitude = 1.0f / (1.0f + 0.6f * static_cast<float>(p));
        Track partial = Tone(
            rate,
            {.wave = Waveform::Sine,
             .fromHz = hz,
             .seconds = settings.seconds,
             .envelope = {.attack = 0.001f, .decay = decay, .sustain = 0.0f, .release = 0.02f}});
        out.mix(partial, 0.0f, amplitude);
    }
    return out;
}

Track Filtered(const Track& in, Biquad::Kind kind, float hz, float q) {
    Track out = in;
    Biquad filter(kind, in.rate(), hz, q);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = filter.process(out[i]);
    return out;
}

Track WithRoom(const Track& in, float roomSize, float damping, float wet, float tailSeconds) {
    Track out = in;
    out.extend(tailSeconds);
    Reverb room(in.rate(), roomSize, damping);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = out[i] * (1.0f - wet) + room.process(out[i]) * wet;
    return out;
}

Track WithEcho(const Track& in, float delaySeconds, float feedback, int repeats) {
    Track out = in;
    float gain = 1.0f;
    for (int repeat = 1; repeat <= repeats; ++repeat) {
        gain *= feedback;
        out.mix(in, delaySeconds * static_cast<float>(repeat), gain);
    }
    return out;
}

Track Saturated(const Track& in, float drive) {
    Track out = in;
    const float norm = 1.0f / std::tanh(drive);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = std::tanh(drive * out[i]) * norm;
    return out;
}

Track Tremolo(const Track& in, float hertz, float depth) {
    Track out = in;
    const float step = 1.0f / static_cast<float>(in.rate());
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] *= 1.0f - depth +
                  depth * std::fabs(std::sin(std::numbers::pi_v<float> * hertz *
                                             static_cast<float>(i) * step));
    return out;
}

} // namespace Synth
