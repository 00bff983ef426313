#include "core/SettingLimits.h"

#include <cctype>

namespace {

struct Row {
    const char* pattern;
    SettingLimits::Range range;
};

constexpr double kScore = 1e6;    // points of any one event
constexpr double kLength = 1e4;   // sizes, offsets and distances in world units or pixels
constexpr double kWait = 3600;    // seconds anything may wait
constexpr double kFrameTime = 60; // seconds of one animation frame, message or pause

// Specific rows before the patterns that would also match them.
constexpr Row kRows[] = {
    // A game: at least one life and one frog to bring home, each on a clock that runs out.
    {"numFrogLifes", {1, 20}},
    {"maxNumBonusLifes", {0, 99}},
    {"numFrogsToGoal", {1, 20}},
    {"levelTimeSeconds", {1, kWait}},
    // 0: stars never give a life.
    {"numStarsForBonusLife", {0, 1000}},
    {"starScoreBonus", {-kScore, kScore}},
    {"scorePerSecLeft", {-kScore, kScore}},
    {"*Score", {-kScore, kScore}},
    // The shown score and the view must move, however slowly, or the flow waits for ever.
    {"scoreCountSpeed", {1, 1e7}},
    {"scrollAccelerationPPS", {1, 1e6}},
    {"scoreDisplayTime", {0, kFrameTime}},
    {"scoreScrollSpeed", {0, kLength}},
    // The world's geometry.
    {"numWorlds", {1, 100}},
    {"numAreas", {1, 100}},
    {"numVisibleAreas", {1, 7}},
    {"areaType*", {0, 2}},
    {"numTracksPerArea", {0, 20}},
    {"numCells*", {0, 20}},
    {"numLatCells", {0, 1000}},
    {"gridWidthUnits", {0, kLength}},
    // -1 asks for a cell drawn at random.
    {"GoalCell*", {-1, 1000}},
    {"frogStartCell*", {0, 1000}},
    {"frogPosShowDownPix*", {-kLength, kLength}},
    {"numSpritesIn*TopLayer", {0, 100}},
    {"inGoalDistance", {0, kLength}},
    // Lanes.
    {"frogSpeedFactor*", {0.01, 100}},
    {"trackSpeed_*", {0, 5000}},
    {"direction_*", {0, 1}},
    {"MinSpawnInterval_*", {0, kWait}},
    {"MaxSpawnInterval_*", {0, kWait}},
    {"MaxNumObjectsPerTrack", {0, 100}},
    {"relFrequ*PerCent_*", {0, 100}},
    {"spawnPiranhaChancePerMill", {0, 1000}},
    {"piranhaSpeed", {0, 5000}},
    {"initInterval", {0, 600}},
    {"truckKillTimerInterval", {0, kWait}},
    {"hippoWaitBeforeDiveInterval", {0, kWait}},
    {"boxWaitBeforeKillInterval", {0, kWait}},
    {"truckFrontEndNonBlockAreaWidth", {0, kLength}},
    // Insects.
    {"relFrequency*", {0, 1000}},
    {"*NumInsects", {0, 1000}},
    {"numInitialInsects", {0, 1000}},
    {"insectSpawnChancePerCent", {0, 100}},
    {"insectSpawnInterval", {0, kWait}},
    {"perCentChance*", {0, 100}},
    {"maxPierceDist", {0, kLength}},
    {"InsectMove*Speed", {0, 5000}},
    {"insectMaxApproachTime", {0, kFrameTime}},
    {"catchInsectsDistance", {0, kLength}},
    // The frog and the flow between lives.
    {"waitAfterFrogDeathInterval", {0, kFrameTime}},
    {"waitBeforeScrollUpEndLevel", {0, kFrameTime}},
    // Screen and sound.
    {"enableSound", {0, 1}},
    {"crispScaling", {0, 1}},
    {"inGameSoundThemeVolumedB", {0, 100}},
    {"smallFontSizeFactor", {0.05, 20}},
    // What every sprite has: a size, offsets and the time of a frame.
    {"*ObjectWidth", {0, kLength}},
    {"*ObjectHeight", {0, kLength}},
    {"*Offset*", {-kLength, kLength}},
    {"*Interval", {0, kFrameTime}},
};

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// '*' matches any text; everything else one character, case ignored.
bool Matches(std::string_view pattern, std::string_view key) {
    std::size_t p = 0;
    std::size_t k = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t resumeAt = 0;
    while (k < key.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = k;
        } else if (p < pattern.size() && Lower(pattern[p]) == Lower(key[k])) {
            ++p;
            ++k;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            k = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

std::optional<SettingLimits::Range> SettingLimits::Of(std::string_view key) {
    for (const Row& row : kRows)
        if (Matches(row.pattern, key))
            return row.range;
    return std::nullopt;
}
