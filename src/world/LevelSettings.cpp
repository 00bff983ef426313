#include "world/LevelSettings.h"

#include "core/Log.h"
#include "core/SettingsManager.h"
#include "core/StringUtil.h"

#include <algorithm>

namespace {

constexpr int kBonusLivesPerGame = 5;
constexpr int kFirstLevelOfFullTable = 5;
constexpr int kLevelOfLastSpeedUp = 14;
constexpr float kSpeedUpPerLevel = 0.25f;

struct LevelRow {
    int firstLevel;
    int visibleAreas;
    float levelTime;
};

// Levels from firstLevel on, up to the next row; the first row's time comes from the settings.
constexpr LevelRow kLevelTable[] = {
    {0, 3, 0.0f}, {5, 4, 135.0f}, {9, 5, 180.0f}, {12, 6, 225.0f}, {14, 7, 270.0f},
};

const LevelRow& RowOfLevel(int level) {
    const LevelRow* row = &kLevelTable[0];
    for (const LevelRow& candidate : kLevelTable)
        if (level >= candidate.firstLevel)
            row = &candidate;
    return *row;
}

SettingsManager& Config() {
    return Singleton<SettingsManager>::Instance();
}

// A count from the configuration, held within [low, high].
int ReadCount(const char* key, int low, int high) {
    const int value = Config().GetInt(key);
    const int kept = std::clamp(value, low, high);
    if (kept != value)
        Log("LevelSettings: %s %d is out of range, using %d\n", key, value, kept);
    return kept;
}

} // namespace

void LevelSettings::load() {
    SettingsManager& settings = Config();
    numWorlds = settings.GetInt("numWorlds");
    numAreas = ReadCount("numAreas", 0, kMaxListEntries);
    visibleAreas = ReadCount("numVisibleAreas", 0, kMaxVisibleAreas);
    tracksPerArea = ReadCount("numTracksPerArea", 0, kMaxCellsPerPart);
    startStripCells = ReadCount("numCellsStartStrip", 0, kMaxCellsPerPart);
    grassStripCells = ReadCount("numCellsPerGrassStrip", 0, kMaxCellsPerPart);
    cellsPerTrack = ReadCount("numCellsPerTrack", 0, kMaxCellsPerPart);
    cellsPerArea = grassStripCells + cellsPerTrack * tracksPerArea;
    frogsToGoal = ReadCount("numFrogsToGoal", 1, kMaxListEntries);
    lives = settings.GetInt("numFrogLifes");
    // The allowance of a new game is fixed; the setting is read but has no say.
    settings.GetInt("maxNumBonusLifes");
    maxBonusLives = kBonusLivesPerGame;
    bonusLivesLeft = kBonusLivesPerGame;
    starScoreBonus = settings.GetInt("starScoreBonus");
    readAreaTypes();
    readSpeedFactors();
    level = 0;
    world = 0;
    levelInWorld = 0;
    frogsRemaining = frogsToGoal;
    levelTime = settings.GetFloat("levelTimeSeconds");
}

void LevelSettings::readAreaTypes() {
    areaTypes.clear();
    for (int i = 0; i < numAreas; ++i)
        areaTypes.push_back(Config().GetInt(StringUtil::Format("areaType%02d", i)));
    if (numAreas < kMaxVisibleAreas)
        Log("LevelSettings: %d area types cannot serve the %d areas of a group of levels\n",
            numAreas, kMaxVisibleAreas);
}

void LevelSettings::readSpeedFactors() {
    speedFactors.clear();
    for (int i = 0; i < frogsToGoal; ++i)
        speedFactors.push_back(Config().GetFloat(StringUtil::Format("frogSpeedFactor%02d", i)));
}

void LevelSettings::updateVisibleAreas() {
    visibleAreas = RowOfLevel(level).visibleAreas;
}

int LevelSettings::worldRows() const {
    return cellsPerArea * visibleAreas + startStripCells;
}

int LevelSettings::backgroundHeight() const {
    return kCellHeight * (worldRows() + 1);
}

int LevelSettings::firstRowOfArea(int j) const {
    return startStripCells + j * cellsPerArea;
}

void LevelSettings::updateLevelTime() {
    levelTime = level < kFirstLevelOfFullTable ? Config().GetFloat("levelTimeSeconds")
                                               : RowOfLevel(level).levelTime;
}

bool LevelSettings::advance() {
    ++level;
    ++levelInWorld;
    const bool sameGroup = visibleAreas + levelInWorld <= kMaxVisibleAreas;
    if (!sameGroup)
        levelInWorld = 0;
    updateVisibleAreas();
    readSpeedFactors();
    frogsRemaining = frogsToGoal;
    updateLevelTime();
    return sameGroup;
}

std::optional<int> LevelSettings::areaType(int areaIndex) const {
    if (areaIndex < 0 || areaIndex >= static_cast<int>(areaTypes.size())) {
        Log("LevelSettings: area index %d has no area type (numAreas %d)\n", areaIndex, numAreas);
        return std::nullopt;
    }
    return areaTypes[static_cast<std::size_t>(areaIndex)];
}

float LevelSettings::currentSpeedFactor() const {
    const int home = frogsHome();
    if (home < 0 || home >= static_cast<int>(speedFactors.size())) {
        Log("LevelSettings: no speed factor for %d frogs home\n", home);
        return 1.0f;
    }
    float factor = speedFactors[static_cast<std::size_t>(home)];
    // The lanes keep every factor applied since their set-up, so the level's own speed-up goes in
    // once, with the first frog; repeated with each frog home it would compound beyond play.
    if (level > kLevelOfLastSpeedUp && home == 0)
        factor *= static_cast<float>(level - kLevelOfLastSpeedUp) * kSpeedUpPerLevel + 1.0f;
    return factor;
}

bool LevelSettings::grantBonusLife() {
    if (bonusLivesLeft <= 0)
        return false;
    --bonusLivesLeft;
    ++lives;
    return true;
}
