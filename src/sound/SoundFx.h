#pragma once

#include "platform/AudioBuffer.h"
#include "sound/PcmDescription.h"

#include <memory>
#include <string>

namespace platform {
class AudioDevice;
}

// Flags of SoundEngine::createSfx.
namespace SfxFlag {
constexpr unsigned VolumeControl = 1;
constexpr unsigned FrequencyControl = 2;
constexpr unsigned Streaming = 16;
} // namespace SfxFlag

// One named sound, decoded whole into a device buffer. Without a buffer (the device refused it)
// it does nothing. `play` and `playLooping` wait for sound to be enabled; the rest act anyway.
class SoundFx {
  public:
    SoundFx(std::string label, std::string fileName, std::unique_ptr<platform::AudioBuffer> buffer);
    virtual ~SoundFx();
    SoundFx(const SoundFx&) = delete;
    SoundFx& operator=(const SoundFx&) = delete;

    // From the start, also when already playing.
    virtual void play();
    virtual void stop();
    virtual void playLooping();
    virtual bool isPlaying() const;
    virtual void setFrequency(int hertz);
    // 1 is full volume, 0 is -100 dB.
    virtual void setVolume(float volume);
    // The player's volume for this sound's group, in hundredths of a decibel.
    void setPlayerVolume(int hundredthsOfDecibel);

    const std::string& label() const { return fxLabel; }
    const std::string& fileName() const { return fxFileName; }
    const platform::AudioBuffer* buffer() const { return deviceBuffer.get(); }

    // A device buffer holding the samples of `pcm` (silence where it has none), with the controls
    // that `flags` ask for; null, with a log line, when the device refuses.
    static std::unique_ptr<platform::AudioBuffer>
    CreateBuffer(platform::AudioDevice* device, const PcmDescription& pcm, unsigned flags);

  protected:
    std::unique_ptr<platform::AudioBuffer> deviceBuffer;

  private:
    void start(bool looping);

    std::string fxLabel;
    std::string fxFileName;
};
