#include "world/LevelObjects.h"

#include "core/File.h"
#include "core/FileLoader.h"
#include "core/Log.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "core/StringUtil.h"
#include "world/BlockInfo.h"
#include "world/LevelSettings.h"
#include "world/Randomizer.h"
#include "world/WorldCellGrid.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cstdlib>

namespace {

constexpr int kObstacle = 1;
constexpr int kWaterCell = 2;
constexpr int kFields = 5;
constexpr int kHighestGoalLevel = 14;
constexpr std::array<int, kHighestGoalLevel + 1> kGoalKeyIndex = {0, 1, 2, 3, 4, 1, 2, 3,
                                                                  4, 2, 3, 4, 3, 4, 4};
constexpr std::array<int, kHighestGoalLevel + 1> kGoalAreaShift = {0, 0, 0, 0, 0, 1, 1, 1,
                                                                   1, 2, 2, 2, 3, 3, 4};

const char* SkipBlanks(const char* at) {
    while (*at != '\0' && std::isspace(static_cast<unsigned char>(*at)))
        ++at;
    return at;
}

// Five decimal numbers, each but the last followed at once by a comma, blanks allowed before a
// number; whatever follows the fifth is ignored. Numbers beyond int stop at its ends.
bool ParseFields(const char* line, std::array<long long, kFields>& fields) {
    const char* at = line;
    for (int i = 0; i < kFields; ++i) {
        at = SkipBlanks(at);
        char* end = nullptr;
        const long long value = std::strtoll(at, &end, 10);
        if (end == at)
            return false;
        fields[static_cast<std::size_t>(i)] = std::clamp<long long>(value, INT_MIN, INT_MAX);
        at = end;
        if (i + 1 < kFields && *at++ != ',')
            return false;
    }
    return true;
}

bool InsideGrid(long long col, long long row, const WorldCellGrid& grid) {
    return col >= 0 && col < grid.latCells() && row >= 0 && row < grid.longCells();
}

long long CellCount(const WorldCellGrid& grid) {
    return static_cast<long long>(grid.latCells()) * grid.longCells();
}

// A column past the row's end would wrap into the next row, which is not the goal row.
bool CellIsFree(long long rowStart, int column, const WorldCellGrid& grid) {
    const long long cell = rowStart + column;
    if (column >= grid.latCells() || cell < 0 || cell >= CellCount(grid))
        return false;
    const int x = grid.centreX(static_cast<int>(cell % grid.latCells()));
    const int y = grid.centreY(static_cast<int>(cell / grid.latCells()));
    return (grid.cellAt(x, y) & CELL_WATER) == 0 &&
           !Singleton<BlockInfo>::Instance().isBlocked(x, y);
}

// The file's bytes, at most kMaxFileBytes of them.
std::string ReadBytes(File& file, const std::string& path) {
    std::string bytes;
    std::array<char, 4096> chunk{};
    std::size_t got = 0;
    while (bytes.size() <= LevelObjects::kMaxFileBytes &&
           (got = file.Read(chunk.data(), chunk.size())) > 0)
        bytes.append(chunk.data(), got);
    if (bytes.size() > LevelObjects::kMaxFileBytes) {
        Log("%s is longer than %zu bytes; the rest is ignored.\n", path.c_str(),
            LevelObjects::kMaxFileBytes);
        bytes.resize(LevelObjects::kMaxFileBytes);
    }
    return bytes;
}

} // namespace

void LevelObjects::create(const LevelSettings& settings, WorldCellGrid& grid,
                          const Camera& camera) {
    clear();
    const std::string base = Singleton<FileLoader>::Instance().GetBasePath();
    for (int i = 0; i + 3 <= settings.visibleAreas; ++i)
        loadFile(base + StringUtil::Format("ArbitraryObjects_%02d_%02d.txt", settings.world,
                                           settings.levelInWorld + i),
                 i, grid);
    placeGoal(settings, grid, camera);
}

void LevelObjects::update(float dt) {
    for (const auto& obstacle : obstacles)
        obstacle->update(dt);
    if (goal)
        goal->update(dt);
}

void LevelObjects::clear() {
    obstacles.clear();
    goal.reset();
}

void LevelObjects::loadFile(const std::string& path, int areaOffset, WorldCellGrid& grid) {
    File file;
    if (!file.Open(path, "r"))
        return;
    const std::string bytes = ReadBytes(file, path);
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        // An overlong line keeps its first characters and loses the rest.
        const std::string line =
            bytes.substr(start, std::min<std::size_t>(end - start, kMaxLineLength));
        if (line.empty() || line[0] != '#')
            applyLine(line.c_str(), areaOffset, grid);
        start = end + 1;
    }
}

void LevelObjects::applyLine(const char* line, int areaOffset, WorldCellGrid& grid) {
    std::array<long long, kFields> f{};
    if (!ParseFields(line, f))
        return;
    const auto [type, col, longCell, width, height] = f;
    if (type != kObstacle && type != kWaterCell) {
        Log(" Invalid arbitrary object type %d.\n", static_cast<int>(type));
        return;
    }
    const long long row = longCell + static_cast<long long>(kRowsPerArea) * areaOffset;
    if (!InsideGrid(col, row, grid)) {
        Log("Arbitrary object cell (%lld, %lld) lies outside the world grid; line skipped.\n", col,
            row);
        return;
    }
    const int x = grid.centreX(static_cast<int>(col));
    const int y = grid.centreY(static_cast<int>(row));
    if (type == kWaterCell) {
        grid.cellAt(x, y) |= CELL_WATER;
        return;
    }
    auto obstacle = std::make_unique<InvisibleBlockObject>();
    obstacle->init(x, y, static_cast<int>(width), static_cast<int>(height));
    obstacles.push_back(std::move(obstacle));
}

void LevelObjects::placeGoal(const LevelSettings& settings, const WorldCellGrid& grid,
                             const Camera& camera) {
    goal.reset();
    if (CellCount(grid) == 0) {
        Log("The world grid has no cells; the level has no goal.\n");
        return;
    }
    const auto n = static_cast<std::size_t>(std::clamp(settings.level, 0, kHighestGoalLevel));
    const int shift = kGoalAreaShift[n];
    const std::optional<long long> configured =
        configuredGoalCell(settings.world, kGoalKeyIndex[n], shift, grid);
    const long long cell = configured ? *configured : randomGoalCell(shift, grid);
    goal = std::make_unique<WaterLilyGoal>(&camera);
    goal->place(static_cast<float>(grid.centreX(static_cast<int>(cell % grid.latCells()))),
                static_cast<float>(grid.centreY(static_cast<int>(cell / grid.latCells()))));
}

std::optional<long long> LevelObjects::configuredGoalCell(int world, int keyIndex, int shift,
                                                          const WorldCellGrid& grid) const {
    SettingsManager& settings = Singleton<SettingsManager>::Instance();
    const int lat = settings.GetInt(StringUtil::Format("GoalCellLat_%02d_%02d", world, keyIndex));
    const int lon = settings.GetInt(StringUtil::Format("GoalCellLong_%02d_%02d", world, keyIndex));
    if (lat == -1 || lon == -1)
        return std::nullopt;
    const long long cell = lat + static_cast<long long>(grid.latCells()) *
                                     (lon + static_cast<long long>(kRowsPerArea) * shift);
    if (cell < 0 || cell >= CellCount(grid)) {
        Log("Goal cell (%d, %d) lies outside the world grid; the goal is placed at random.\n", lat,
            lon);
        return std::nullopt;
    }
    return cell;
}

// Bounded: after the random draws the row is searched in order, and a row without a free cell
// still gets the goal on its first goal column.
long long LevelObjects::randomGoalCell(int shift, const WorldCellGrid& grid) const {
    int row = kRowsPerArea * shift + kGoalRowBase;
    if (row >= grid.longCells()) {
        Log("Goal row %d lies outside the world grid; using row %d.\n", row, grid.longCells() - 1);
        row = grid.longCells() - 1;
    }
    const long long rowStart = static_cast<long long>(grid.latCells()) * row;
    Randomizer& random = Singleton<Randomizer>::Instance();
    for (int draw = 0; draw < kMaxGoalDraws; ++draw) {
        const int column = kFirstGoalColumn + random.next() % kGoalColumns;
        if (CellIsFree(rowStart, column, grid))
            return rowStart + column;
    }
    for (int c = kFirstGoalColumn; c < kFirstGoalColumn + kGoalColumns; ++c)
        if (CellIsFree(rowStart, c, grid))
            return rowStart + c;
    const int column = std::min(kFirstGoalColumn, grid.latCells() - 1);
    Log("Goal row %d has no dry and unblocked cell; the goal stands on column %d.\n", row, column);
    return rowStart + column;
}
