#include "actors/InsectFactory.h"

#include "core/Log.h"
#include "core/SettingsManager.h"
#include "core/Truncation.h"
#include "world/Level.h"
#include "world/Randomizer.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// By type, 1 to 7.
constexpr std::array<const char*, Insect::kTypeCount> kFrequencyKeys = {
    "relFrequencyBigBug",    "relFrequencyBusinessBug", "relFrequencyButterfly",
    "relFrequencyNewsBug",   "relFrequencyTaxiBug",     "relFrequencyToolBug",
    "relFrequencyVoyagerBug"};

SettingsManager& Config() {
    return Singleton<SettingsManager>::Instance();
}

int Random() {
    return Singleton<Randomizer>::Instance().next();
}

int BoundedCount(const char* key) {
    const int value = Config().GetInt(key);
    const int bounded = std::clamp(value, 0, InsectFactory::kMaxInsects);
    if (bounded != value)
        Log("InsectFactory: %s %d is out of range, using %d\n", key, value, bounded);
    return bounded;
}

void ReportOnce(bool& reported, const char* line) {
    if (!reported)
        Log("%s", line);
    reported = true;
}

} // namespace

void InsectFactory::init() {
    minCount = BoundedCount("minNumInsects");
    maxCount = BoundedCount("maxNumInsects");
    spawnChance = TruncateToInt(Config().GetFloat("insectSpawnChancePerCent"));
    spawnInterval = Config().GetFloat("insectSpawnInterval");
    if (!(spawnInterval > 0.0f)) {
        Log("InsectFactory: insectSpawnInterval %g is not positive, using %g\n",
            static_cast<double>(spawnInterval), static_cast<double>(kDefaultSpawnInterval));
        spawnInterval = kDefaultSpawnInterval;
    }
    spawnTimer = 0.0f;
    noTypeReported = false;
    noRowReported = false;
}

void InsectFactory::update(float dt, InsectList& insects, const Insect::World& world) {
    spawnTimer += dt;
    if (spawnTimer < spawnInterval)
        return;
    spawnTimer = 0.0f;
    trySpawn(insects, world);
}

void InsectFactory::setUpInsects(InsectList& insects, const Insect::World& world) {
    insects.clear();
    init();
    const int count = BoundedCount("numInitialInsects");
    for (int i = 0; i < count; ++i)
        spawn(insects, world);
}

void InsectFactory::stepInsects(float dt, InsectList& insects, const Insect::World& world) {
    for (const std::unique_ptr<Insect>& insect : insects)
        insect->update(dt);
    std::erase_if(insects, [](const std::unique_ptr<Insect>& insect) {
        return insect->getCellIndex() == -1 || insect->isRemoved();
    });
    update(dt, insects, world);
}

// Frequencies are added in 64 bits, so that large settings cannot overflow the sum.
std::optional<int> InsectFactory::chooseInsectType() const {
    std::array<std::int64_t, Insect::kTypeCount> frequencies{};
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        frequencies[i] = Config().GetInt(kFrequencyKeys[i]);
        sum += frequencies[i];
    }
    if (sum <= 0)
        return std::nullopt;
    const std::int64_t r = Random() % sum;
    std::int64_t running = 0;
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        running += frequencies[i];
        if (running > r)
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

void InsectFactory::trySpawn(InsectList& insects, const Insect::World& world) {
    const std::size_t count = insects.size();
    if (count < static_cast<std::size_t>(minCount) ||
        (count < static_cast<std::size_t>(maxCount) && Random() % 100 < spawnChance))
        spawn(insects, world);
}

bool InsectFactory::spawn(InsectList& insects, const Insect::World& world) {
    const int rows = world.level ? world.level->grid.longCells() : 0;
    if (rows <= 0) {
        ReportOnce(noRowReported, "InsectFactory: the level has no rows for insects\n");
        return false;
    }
    const std::optional<int> type = chooseInsectType();
    if (!type) {
        ReportOnce(noTypeReported, "Failed to compute insect type.\n");
        return false;
    }
    auto insect = std::make_unique<Insect>(*type, world);
    insect->init();
    const WorldCellGrid& grid = world.level->grid;
    const int row = Random() % rows;
    const bool fromLeft = Random() % 2 == 0;
    const int column = fromLeft ? 0 : grid.latCells() - 1;
    insect->setState(fromLeft ? Insect::kStateFlyRight : Insect::kStateFlyLeft);
    insect->setPosition(static_cast<float>(grid.centreX(column)),
                        static_cast<float>(grid.centreY(row)));
    insects.push_back(std::move(insect));
    return true;
}
