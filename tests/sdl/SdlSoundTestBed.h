#pragma once

#include "platform/sdl/SdlPlatform.h"
#include "sound/SoundEngine.h"
#include "support/ScratchFolder.h"
#include "support/SoundFixtures.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The desktop platform with SDL's disk audio driver: what the mixer plays is written to
// out.raw in a fresh folder, as 16-bit stereo frames.
class SdlSoundTestBed : public ::testing::Test {
  protected:
    SdlSoundTestBed() {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", (folder.Path() / "out.raw").c_str(), 1);
        platform::Platform::install(&desktop);
    }

    ~SdlSoundTestBed() override { engine.shutdown(); }

    // The samples played so far; complete once the engine has shut down.
    std::vector<int16_t> Output() const {
        const std::string bytes = folder.Read("out.raw");
        std::vector<int16_t> samples(bytes.size() / 2);
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<int16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                              static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
        return samples;
    }

    bool Logged(const std::string& line) const {
        return folder.Read("debug.txt").find(line) != std::string::npos;
    }

    ScratchFolder folder;
    platform::SdlPlatform desktop;
    SoundEngine& engine = Singleton<SoundEngine>::Instance();
};
