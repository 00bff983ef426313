#pragma once

#include "platform/PeriodicTimer.h"
#include "sound/SfxStreaming.h"
#include "sound/SoundFx.h"

#include <array>
#include <atomic>
#include <cstdint>

// Music decoded a piece at a time into a looping two-second buffer, refilled every 100 ms on a
// timer thread. Once started it plays until it is deleted.
class StreamingSoundFx final : public SoundFx {
  public:
    StreamingSoundFx(std::string label, std::string fileName, std::unique_ptr<SfxStreaming> source,
                     std::unique_ptr<platform::AudioBuffer> buffer);
    // Waits for a refill in progress before anything it uses goes.
    ~StreamingSoundFx() override;

    // Neither is supported: they log and leave the music as it is.
    void play() override;
    void stop() override;
    // Starts the music and its refill.
    void playLooping() override;
    bool isPlaying() const override { return true; }

  private:
    static constexpr int kBlockBytes = 4096;

    void refill();
    void fillAhead();
    bool writeBlock(int count);

    std::unique_ptr<SfxStreaming> source;
    int bufferSize = 0;
    // Set by the refill running; a tick that finds it set leaves at once.
    std::atomic<uint32_t> busy{0};
    std::unique_ptr<platform::PeriodicTimer> timer;
    int writePosition = 0;
    std::array<uint8_t, kBlockBytes> block{};
};
