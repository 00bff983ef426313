#pragma once

#include "platform/headless/HeadlessPlatform.h"
#include "sound/SoundEngine.h"
#include "support/ScratchFolder.h"
#include "support/SoundFixtures.h"

#include <gtest/gtest.h>
#include <string>

// A fresh folder with the headless platform installed and the sound engine started on it, sound
// enabled. Virtual time moves only through `Advance`.
class SoundTestBed : public ::testing::Test {
  protected:
    SoundTestBed() {
        platform::Platform::install(&headless);
        EXPECT_TRUE(engine.init(headless.window()));
        engine.setSoundEnabled(true);
    }

    ~SoundTestBed() override { engine.shutdown(); }

    void Advance(uint32_t ms) { headless.clock().advance(ms); }

    // Writes `bytes` under data/ and returns the name the game uses for it.
    std::string DataFile(const std::string& name, const std::string& bytes) {
        folder.Write("data/" + name, bytes);
        return "data\\" + name;
    }

    std::string LogText() const { return folder.Read("debug.txt"); }
    bool Logged(const std::string& line) const { return LogText().find(line) != std::string::npos; }

    ScratchFolder folder;
    platform::HeadlessPlatform headless;
    SoundEngine& engine = Singleton<SoundEngine>::Instance();
};
