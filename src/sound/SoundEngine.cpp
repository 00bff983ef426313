#include "sound/SoundEngine.h"

#include "core/Log.h"
#include "core/Rounding.h"
#include "platform/Platform.h"
#include "sound/OggLoader.h"
#include "sound/OggStreaming.h"
#include "sound/PcmConverter.h"
#include "sound/SfxRegistry.h"
#include "sound/StreamingSoundFx.h"
#include "sound/WavLoader.h"

#include <algorithm>
#include <cmath>

namespace {

// A static library leaves out the files nothing refers to, and their registration with them.
[[gnu::used]] const bool* const kRegisteredTypes[] = {&kOggLoaderRegistered, &kWavLoaderRegistered,
                                                      &kOggStreamingRegistered};

constexpr double kStreamingBufferSeconds = 2.0;

template <typename Types> void LogTypes(const char* title, const Types& types) {
    Log("%s\n", title);
    for (const auto& entry : types)
        Log("  %s\n", entry.first.c_str());
    Log("\n");
}

} // namespace

SoundEngine::~SoundEngine() = default;

bool SoundEngine::init(platform::Window&) {
    Log("Initializing Sound Engine\n");
    LogTypes("Registered Sfx Loading types", SfxLoaderRegistry::Types());
    LogTypes("Registered Sfx Streaming types", SfxStreamingRegistry::Types());
    Log("Creating registered sfx-loaders:\n");
    for (const auto& [name, create] : SfxLoaderRegistry::Types()) {
        Log("  %s\n", name.c_str());
        loaders.push_back(create());
    }
    platform::AudioDevice& audio = platform::Platform::current().audio();
    if (!audio.open()) {
        Log("SoundEngine: DirectSoundCreate\n");
        return false;
    }
    device = &audio;
    return true;
}

bool SoundEngine::createSfx(const std::string& label, const std::string& fileName, unsigned flags,
                            bool mono) {
    if (flags & SfxFlag::Streaming)
        return createStreamingSfx(label, fileName, flags);
    return createWholeSfx(label, fileName, flags, mono);
}

SoundFx* SoundEngine::find(const std::string& label) const {
    const auto found = effects.find(label);
    return found != effects.end() ? found->second.get() : nullptr;
}

void SoundEngine::playSound(const std::string& label) {
    if (!soundOn)
        return;
    if (SoundFx* effect = find(label))
        effect->play();
}

void SoundEngine::stopSound(const std::string& label) {
    if (!soundOn)
        return;
    if (SoundFx* effect = find(label))
        effect->stop();
}

bool SoundEngine::isSoundPlaying(const std::string& label, bool fallback) const {
    const SoundFx* effect = soundOn ? find(label) : nullptr;
    return effect ? effect->isPlaying() : fallback;
}

void SoundEngine::setPlayerVolumes(const std::string& music, int musicVolume, int effectsVolume) {
    musicLabel = music;
    musicPercent = musicVolume;
    effectsPercent = effectsVolume;
    for (const auto& [label, effect] : effects)
        applyPlayerVolume(label, *effect);
}

void SoundEngine::applyPlayerVolume(const std::string& label, SoundFx& effect) const {
    effect.setPlayerVolume(
        HundredthsOfDecibel(label == musicLabel ? musicPercent : effectsPercent));
}

int SoundEngine::HundredthsOfDecibel(int percent) {
    constexpr int kSilent = -10000;
    if (percent <= 0)
        return kSilent;
    const double decibels = 20.0 * std::log10(std::min(percent, 100) / 100.0);
    return std::max(kSilent, RoundToInt(static_cast<float>(decibels * 100.0)));
}

std::vector<std::string> SoundEngine::playingLabels() const {
    std::vector<std::string> labels;
    for (const auto& [label, effect] : effects)
        if (effect->isPlaying())
            labels.push_back(label);
    return labels;
}

void SoundEngine::shutdown() {
    loaders.clear();
    effects.clear();
    if (device)
        device->close();
    device = nullptr;
}

bool SoundEngine::createWholeSfx(const std::string& label, const std::string& fileName,
                                 unsigned flags, bool mono) {
    Log("SoundEngine::CreateSfx %s\n", fileName.c_str());
    PcmDescription pcm;
    if (!load(fileName, pcm)) {
        Log("SoundEngine::Load could not load filename %s\n", fileName.c_str());
        return false;
    }
    const PcmDescription converted = PcmConverter::ForDeviceBuffer(pcm, mono);
    auto& effect = effects[label] =
        std::make_unique<SoundFx>(label, fileName, SoundFx::CreateBuffer(device, converted, flags));
    applyPlayerVolume(label, *effect);
    return true;
}

bool SoundEngine::createStreamingSfx(const std::string& label, const std::string& fileName,
                                     unsigned flags) {
    Log("SoundEngine::CreateStreamingSfx %s\n", fileName.c_str());
    for (const auto& entry : SfxStreamingRegistry::Types()) {
        std::unique_ptr<SfxStreaming> source = entry.second();
        if (!source->canStream(fileName))
            continue;
        // A failed open leaves the format empty, so no buffer comes of it and the effect is mute.
        PcmDescription format;
        source->open(fileName, format);
        format.frameCount = static_cast<int>(format.sampleRate * kStreamingBufferSeconds);
        std::unique_ptr<platform::AudioBuffer> buffer =
            SoundFx::CreateBuffer(device, format, flags);
        auto& effect = effects[label] = std::make_unique<StreamingSoundFx>(
            label, fileName, std::move(source), std::move(buffer));
        applyPlayerVolume(label, *effect);
        return true;
    }
    Log("SoundEngine::Load could not load filename %s\n", fileName.c_str());
    return false;
}

bool SoundEngine::load(const std::string& fileName, PcmDescription& pcm) const {
    for (const std::unique_ptr<SfxLoader>& loader : loaders)
        if (loader->canLoad(fileName) && loader->load(fileName, pcm))
            return true;
    return false;
}
