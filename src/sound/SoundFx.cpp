#include "sound/SoundFx.h"

#include "core/Log.h"
#include "platform/AudioDevice.h"
#include "sound/SoundEngine.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

// Hundredths of a decibel, truncated. Values far out of the device's range stay out of it, so
// the device refuses them as it refuses any other.
int Attenuation(float volume) {
    const float hundredths = (volume - 1.0f) * 10000.0f;
    if (std::isnan(hundredths))
        return INT_MAX;
    return static_cast<int>(std::clamp(hundredths, -20000.0f, 20000.0f));
}

unsigned CapsOf(unsigned flags) {
    return (flags & SfxFlag::VolumeControl ? platform::AudioCaps::Volume : 0u) |
           (flags & SfxFlag::FrequencyControl ? platform::AudioCaps::Frequency : 0u);
}

// Copies what there is of `samples` into `region` and silences the rest.
std::size_t FillRegion(uint8_t* region, int regionBytes, const std::vector<uint8_t>& samples,
                       std::size_t from) {
    const std::size_t size = static_cast<std::size_t>(regionBytes);
    const std::size_t copied = from < samples.size() ? std::min(size, samples.size() - from) : 0;
    if (copied)
        std::memcpy(region, samples.data() + from, copied);
    std::memset(region + copied, 0, size - copied);
    return from + size;
}

bool Fill(platform::AudioBuffer& buffer, const std::vector<uint8_t>& samples) {
    platform::LockedRegions regions;
    if (const platform::AudioResult locked = buffer.lock(0, buffer.size(), regions)) {
        Log("SoundFx::Lock: %x\n", locked);
        return false;
    }
    const std::size_t next = FillRegion(regions.first, regions.firstBytes, samples, 0);
    if (regions.second)
        FillRegion(regions.second, regions.secondBytes, samples, next);
    if (const platform::AudioResult unlocked = buffer.unlock(regions)) {
        Log("SoundFx::Unlock: %x\n", unlocked);
        return false;
    }
    return true;
}

} // namespace

SoundFx::SoundFx(std::string label, std::string fileName,
                 std::unique_ptr<platform::AudioBuffer> buffer)
    : deviceBuffer(std::move(buffer)), fxLabel(std::move(label)), fxFileName(std::move(fileName)) {}

SoundFx::~SoundFx() {
    if (deviceBuffer && deviceBuffer->status().playing)
        deviceBuffer->stop();
}

void SoundFx::play() {
    if (Singleton<SoundEngine>::Instance().soundEnabled() && deviceBuffer)
        start(false);
}

void SoundFx::stop() {
    if (deviceBuffer)
        deviceBuffer->stop();
}

void SoundFx::playLooping() {
    if (Singleton<SoundEngine>::Instance().soundEnabled() && deviceBuffer)
        start(true);
}

bool SoundFx::isPlaying() const {
    return deviceBuffer && deviceBuffer->status().playing;
}

void SoundFx::setFrequency(int hertz) {
    if (deviceBuffer)
        deviceBuffer->setFrequency(hertz);
}

void SoundFx::setVolume(float volume) {
    if (deviceBuffer)
        deviceBuffer->setVolume(Attenuation(volume));
}

void SoundFx::setPlayerVolume(int hundredthsOfDecibel) {
    if (deviceBuffer)
        deviceBuffer->setPlayerVolume(hundredthsOfDecibel);
}

void SoundFx::start(bool looping) {
    if (deviceBuffer->status().playing)
        deviceBuffer->stop();
    deviceBuffer->setPlayPosition(0);
    deviceBuffer->play(looping);
}

std::unique_ptr<platform::AudioBuffer>
SoundFx::CreateBuffer(platform::AudioDevice* device, const PcmDescription& pcm, unsigned flags) {
    const platform::AudioFormat format{pcm.sampleRate, pcm.bitsPerSample, pcm.channels};
    const long long bytes = static_cast<long long>(format.blockAlign()) * pcm.frameCount;
    // A size past int is one the device refuses too.
    const int size = static_cast<int>(std::clamp<long long>(bytes, INT_MIN, INT_MAX));
    std::unique_ptr<platform::AudioBuffer> buffer;
    const platform::AudioResult created =
        device ? device->createBuffer(format, size, CapsOf(flags), buffer)
               : platform::AudioError::NoDevice;
    if (created != platform::AudioError::None) {
        Log("SoundFx::CreateSoundBuffer: %x\n", created);
        return nullptr;
    }
    return Fill(*buffer, pcm.data) ? std::move(buffer) : nullptr;
}
