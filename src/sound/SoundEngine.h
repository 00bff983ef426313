#pragma once

#include "core/Singleton.h"
#include "sound/SfxLoader.h"
#include "sound/SoundFx.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class AudioDevice;
class Window;
} // namespace platform

// The sound device, the loaders and every effect by label. Game code plays sounds by label and
// never holds an effect; labels are normalised (no underscores, lower case) by the caller.
class SoundEngine {
  public:
    // False when there is no sound device; the game then runs silent.
    bool init(platform::Window& window);
    // Decodes the file into a new effect under `label`, replacing one of the same label; `flags`
    // from SfxFlag; `mono` mixes stereo down. False when no loader can read the file.
    bool createSfx(const std::string& label, const std::string& fileName, unsigned flags,
                   bool mono);
    SoundFx* find(const std::string& label) const;
    // Missing labels are ignored, and so is everything while sound is disabled.
    void playSound(const std::string& label);
    void stopSound(const std::string& label);
    bool isSoundPlaying(const std::string& label, bool fallback) const;
    // The labels of the effects playing now, in label order; what the harness traces.
    std::vector<std::string> playingLabels() const;
    void shutdown();

    // The player's volumes in percent of the recorded ones: `musicPercent` for the effect under
    // `musicLabel`, `effectsPercent` for all the others, also those made later. 0 % is silence.
    void setPlayerVolumes(const std::string& musicLabel, int musicPercent, int effectsPercent);
    // Percent as hundredths of a decibel: 100 % is 0, 50 % about -602, 0 % silence (-10000).
    static int HundredthsOfDecibel(int percent);

    void setSoundEnabled(bool enabled) { soundOn = enabled; }
    bool soundEnabled() const { return soundOn; }

  private:
    friend class Singleton<SoundEngine>;
    SoundEngine() = default;
    ~SoundEngine();

    bool createWholeSfx(const std::string& label, const std::string& fileName, unsigned flags,
                        bool mono);
    bool createStreamingSfx(const std::string& label, const std::string& fileName, unsigned flags);
    bool load(const std::string& fileName, PcmDescription& pcm) const;
    void applyPlayerVolume(const std::string& label, SoundFx& effect) const;

    platform::AudioDevice* device = nullptr;
    std::vector<std::unique_ptr<SfxLoader>> loaders;
    std::map<std::string, std::unique_ptr<SoundFx>> effects;
    bool soundOn = false;
    std::string musicLabel;
    int musicPercent = 100;
    int effectsPercent = 100;
};
