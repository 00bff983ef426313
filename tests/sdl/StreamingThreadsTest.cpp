#include "sdl/SdlSoundTestBed.h"
#include "sound/OggLoader.h"

#include <chrono>
#include <thread>

using namespace SoundFixtures;
using namespace std::chrono_literals;

namespace {

constexpr int kFirstWrite = 30000;

class StreamingThreadsTest : public SdlSoundTestBed {
  protected:
    // `count` bytes of the playing music's ring from `offset`, read while the threads run on.
    std::string Ring(int offset, int count) const {
        auto* buffer = const_cast<platform::AudioBuffer*>(engine.find("music")->buffer());
        platform::LockedRegions regions;
        EXPECT_EQ(buffer->lock(offset, count, regions), 0u);
        const std::string bytes(reinterpret_cast<const char*>(regions.first),
                                static_cast<std::size_t>(regions.firstBytes));
        buffer->unlock(regions);
        return bytes;
    }
};

TEST_F(StreamingThreadsTest, MusicLoopsWhileTheMainThreadStartsAndDestroysIt) {
    folder.Write("data/music.ogg", OggTone(5000, 2, 22050, 330, 0.5f));
    PcmDescription whole;
    ASSERT_TRUE(OggLoader().load("data\\music.ogg", whole));
    const std::string piece(whole.data.begin(), whole.data.end());
    ASSERT_TRUE(engine.init(desktop.window()));
    engine.setSoundEnabled(true);

    // Each new effect of the label replaces the one streaming before it.
    for (int round = 0; round < 4; ++round) {
        ASSERT_TRUE(engine.createSfx("music", "data\\music.ogg", SfxFlag::Streaming, false));
        engine.find("music")->playLooping();
        std::this_thread::sleep_for(150ms);
    }
    const std::string looped = piece + piece;
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (Ring(kFirstWrite, static_cast<int>(looped.size())) != looped &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(20ms);
    EXPECT_EQ(Ring(kFirstWrite, static_cast<int>(looped.size())), looped)
        << "the piece did not start over";
    // The first piece lies 30000 bytes ahead of the start, some 340 ms.
    std::this_thread::sleep_for(600ms);
    engine.shutdown();

    std::size_t sounding = 0;
    for (const int16_t sample : Output())
        sounding += sample != 0;
    EXPECT_GT(sounding, 22050u) << "the music was not heard";
    EXPECT_FALSE(Logged("something went wrong"));
}

} // namespace
