#include "sound/StreamingSoundFx.h"

#include "core/Log.h"
#include "platform/Platform.h"
#include "sound/SoundEngine.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr uint32_t kRefillPeriodMs = 100;
// Where the first piece goes, ahead of the play position.
constexpr int kFirstWriteAhead = 30000;
constexpr int kMostBytesPerRefill = 40000;
} // namespace

StreamingSoundFx::StreamingSoundFx(std::string label, std::string fileName,
                                   std::unique_ptr<SfxStreaming> source,
                                   std::unique_ptr<platform::AudioBuffer> buffer)
    : SoundFx(std::move(label), std::move(fileName), std::move(buffer)), source(std::move(source)) {
}

StreamingSoundFx::~StreamingSoundFx() {
    timer.reset();
}

void StreamingSoundFx::play() {
    if (Singleton<SoundEngine>::Instance().soundEnabled())
        // Kept as written: logs and their readers rely on this exact line.
        Log("StreamingSoundFx::Play noch nicht implementiert!");
}

void StreamingSoundFx::stop() {
    // Kept as written: logs and their readers rely on this exact line.
    Log("StreamingSoundFx::Stop noch nicht implementiert!");
}

void StreamingSoundFx::playLooping() {
    // A second start would leave the first timer running on its own.
    if (!Singleton<SoundEngine>::Instance().soundEnabled() || !deviceBuffer || timer)
        return;
    bufferSize = deviceBuffer->size();
    deviceBuffer->play(true);
    int play = 0;
    int write = 0;
    deviceBuffer->positions(play, write);
    writePosition = (play + kFirstWriteAhead) % bufferSize;

    timer = platform::Platform::current().createPeriodicTimer();
    if (!timer) {
        Log("timeBeginPeriod error\n");
        return;
    }
    busy.exchange(0);
    if (!timer->start(kRefillPeriodMs, [this] { refill(); })) {
        Log("timeSetEvent error\n");
        timer.reset();
    }
}

// On the timer's thread.
void StreamingSoundFx::refill() {
    if (busy.exchange(1) != 0)
        return;
    fillAhead();
    busy.exchange(0);
}

// Keeps a quarter of the buffer ahead of the play position untouched, so the refill never
// writes where the device is about to play.
void StreamingSoundFx::fillAhead() {
    int play = 0;
    int write = 0;
    if (deviceBuffer->positions(play, write) != platform::AudioError::None)
        return;
    int room = play - writePosition;
    if (room < 0)
        room += bufferSize;
    room = std::min(room - bufferSize / 4, kMostBytesPerRefill);
    while (room > 0) {
        const int count = std::min(source->read(block.data(), kBlockBytes), kBlockBytes);
        if (count < 1 || !writeBlock(count))
            return;
        writePosition = (writePosition + count) % bufferSize;
        room -= count;
    }
}

bool StreamingSoundFx::writeBlock(int count) {
    platform::LockedRegions regions;
    if (deviceBuffer->lock(writePosition, count, regions) != platform::AudioError::None)
        return false;
    std::memcpy(regions.first, block.data(), static_cast<std::size_t>(regions.firstBytes));
    if (regions.second)
        std::memcpy(regions.second, block.data() + regions.firstBytes,
                    static_cast<std::size_t>(regions.secondBytes));
    deviceBuffer->unlock(regions);
    return true;
}
