#pragma once

#include "core/PlayerSettings.h"
#include "platform/Message.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One game as it was played: what it depends on, every turn of the main loop from the start to
// the title or the high-score table, and checkpoints to tell where a replay parts from it.
struct Replay {
    static constexpr int kFormatVersion = 1;
    static constexpr std::uint32_t kCheckpointEvery = 500;
    // The title's demo when the player has kept no replay yet: recorded when the data is built,
    // and kept beside it in data/.
    static constexpr const char* kDemoFile = "demo.qlr";

    // Turns alike in everything and without messages are kept once with a repeat count.
    struct Turn {
        // The first turn's: since the last frame before the start; the others': since the
        // turn before.
        std::uint32_t elapsedMs = 0;
        bool focus = false;
        std::uint32_t repeat = 1;
        std::vector<platform::Message> messages;
    };
    struct Checkpoint {
        std::uint32_t turn = 0;
        int state = 0;
        int score = 0;
        float frogX = 0.0f;
        float frogY = 0.0f;
    };
    enum class Ending : std::uint8_t { Finished, Quit };

    // The messages a replay keeps, as their codes in the file; 0 for any other.
    static int MessageCode(platform::Message::Type type) {
        using Type = platform::Message::Type;
        switch (type) {
        case Type::KeyDown:
            return 1;
        case Type::Char:
            return 2;
        case Type::MouseMove:
            return 3;
        case Type::LeftDown:
            return 4;
        case Type::LeftUp:
            return 5;
        case Type::FocusGained:
            return 6;
        case Type::FocusLost:
            return 7;
        default:
            return 0;
        }
    }
    static constexpr int kMessageCodes = 7;
    // Mouse messages carry a point, keys and characters a value.
    static bool HasPoint(int code) { return code >= 3 && code <= 5; }
    static bool HasValue(int code) { return code <= 2; }

    std::string gameVersion;
    std::uint32_t randomState = 0;
    std::uint64_t configHash = 0;
    std::uint64_t dataHash = 0;
    std::array<int, PlayerSettings::kActionCount> keys{};
    bool smoothMotion = false;
    bool pauseOnFocusLoss = false;
    bool startFocus = false;
    bool twoPlayers = false;
    // The death and game-over waits a new game inherits from the last.
    float lifeLostTimer = 0.0f;
    float gameOverTimer = 0.0f;

    std::uint32_t turnCount = 0;
    // The turns as stored; the reader also unpacks them into `turns`.
    std::string turnData;
    std::vector<Turn> turns;
    std::vector<Checkpoint> checkpoints;

    Ending ending = Ending::Finished;
    int finalScore = 0;
    int finalLevel = 0;
};
