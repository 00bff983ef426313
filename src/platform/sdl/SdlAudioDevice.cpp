#include "platform/sdl/SdlAudioDevice.h"

#include <SDL.h>

namespace platform {

namespace {
constexpr int kOutputRate = 44100;
constexpr int kOutputChannels = 2;
// About 23 ms at 44.1 kHz: short enough for effects to start with their cause.
constexpr int kFramesPerCallback = 1024;
constexpr int kBytesPerFrame = kOutputChannels * 2;
} // namespace

SdlAudioDevice::SdlAudioDevice(bool wanted) : mixer(*this), wanted(wanted) {}

SdlAudioDevice::~SdlAudioDevice() {
    close();
}

bool SdlAudioDevice::open() {
    if (device)
        return true;
    if (!wanted) {
        SDL_Log("Sound is switched off: no sound device is opened");
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        SDL_Log("SDL has no sound: %s", SDL_GetError());
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kOutputRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kOutputChannels;
    wanted.samples = kFramesPerCallback;
    wanted.callback = &SdlAudioDevice::fill;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                 SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
    if (!device) {
        SDL_Log("SDL could not open a sound device: %s", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    mixer.prepare(obtained.freq, obtained.samples);
    SDL_PauseAudioDevice(device, 0);
    return true;
}

void SdlAudioDevice::close() {
    if (!device)
        return;
    SDL_CloseAudioDevice(device);
    device = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

AudioResult SdlAudioDevice::createBuffer(const AudioFormat& format, int bytes, unsigned caps,
                                         std::unique_ptr<AudioBuffer>& out) {
    if (!device)
        return AudioError::NoDevice;
    return mixer.createBuffer(format, bytes, caps, out);
}

void SdlAudioDevice::enter() {
    if (device)
        SDL_LockAudioDevice(device);
}

void SdlAudioDevice::leave() {
    if (device)
        SDL_UnlockAudioDevice(device);
}

// SDL calls this on its audio thread with the device locked.
void SdlAudioDevice::fill(void* self, uint8_t* stream, int length) {
    static_cast<SdlAudioDevice*>(self)->mixer.mix(reinterpret_cast<int16_t*>(stream),
                                                  length / kBytesPerFrame);
}

} // namespace platform
