#pragma once

#include "actors/Insect.h"
#include "core/Singleton.h"

#include <optional>

// Keeps the level's insects between their limits: a set at the start of a level, then one more
// now and then at a world edge. The list it fills is the game's; it keeps none of its own.
class InsectFactory {
  public:
    // More insects than any level wants; bounds what a wrong count setting can make.
    static constexpr int kMaxInsects = 1000;
    static constexpr int kDefaultMinInsects = 0;
    static constexpr int kDefaultMaxInsects = 100;
    static constexpr float kDefaultSpawnInterval = 1.0f;

    // Reads the limits, the spawn chance and the spawn interval, and restarts the spawn clock.
    void init();
    // The spawn clock: one try per spawn interval.
    void update(float dt, InsectList& insects, const Insect::World& world);

    // The start of a level: no insect of the last one is left, and the initial ones fly in at
    // once, whatever the limits.
    void setUpInsects(InsectList& insects, const Insect::World& world);
    // One frame: every insect moves and draws itself, those outside the world or eaten up go,
    // then the spawn clock runs.
    void stepInsects(float dt, InsectList& insects, const Insect::World& world);

    // A type drawn by the configured frequencies; none when they add up to nothing.
    std::optional<int> chooseInsectType() const;

  private:
    friend class Singleton<InsectFactory>;
    InsectFactory() = default;

    void trySpawn(InsectList& insects, const Insect::World& world);
    // Adds one insect flying in from the left or the right edge of a random row; false when
    // there is no type or no row for it.
    bool spawn(InsectList& insects, const Insect::World& world);

    int minCount = kDefaultMinInsects;
    int maxCount = kDefaultMaxInsects;
    int spawnChance = 0;
    float spawnInterval = kDefaultSpawnInterval;
    float spawnTimer = 0.0f;
    // A level without insect types or rows says so once, not at every try.
    bool noTypeReported = false;
    bool noRowReported = false;
};
