#include "world/TrackObjectFactory.h"

#include "core/Log.h"
#include "core/SettingsManager.h"
#include "core/StringUtil.h"
#include "world/Barrel.h"
#include "world/Box.h"
#include "world/Car.h"
#include "world/Hippo.h"
#include "world/ObjectType.h"
#include "world/Randomizer.h"
#include "world/Truck.h"
#include "world/Trunk.h"
#include "world/WaterLily.h"

#include <algorithm>

namespace {

int Next() {
    return Singleton<Randomizer>::Instance().next();
}

int BoundedSetting(const char* key, int most) {
    const int value = Singleton<SettingsManager>::Instance().GetInt(key);
    const int bounded = std::clamp(value, 0, most);
    if (bounded != value)
        Log("TrackObjectFactory::load %s %d is out of range, using %d\n", key, value, bounded);
    return bounded;
}

std::unique_ptr<TrackObject> Build(int objectType) {
    switch (objectType) {
    case ObjectType::kTrunk:
        return std::make_unique<Trunk>();
    case ObjectType::kBarrel:
        return std::make_unique<Barrel>();
    case ObjectType::kHippo:
        return std::make_unique<Hippo>();
    case ObjectType::kWaterLily:
        return std::make_unique<WaterLily>();
    default:
        break;
    }
    if (ObjectType::IsTruck(objectType))
        return std::make_unique<Truck>(objectType);
    if (ObjectType::IsBox(objectType))
        return std::make_unique<Box>(objectType);
    return std::make_unique<Car>(objectType);
}

} // namespace

bool TrackObjectFactory::load() {
    SettingsManager& settings = Singleton<SettingsManager>::Instance();
    const int areas = BoundedSetting("numAreas", kMaxAreas);
    const int frogs = BoundedSetting("numFrogsToGoal", kMaxFrogsToGoal);
    truckPercents.assign(areas, std::vector<int>(frogs, 0));
    boxPercents.assign(areas, std::vector<int>(frogs, 0));
    for (int a = 0; a < areas; ++a)
        for (int f = 0; f < frogs; ++f) {
            truckPercents[a][f] = static_cast<int>(
                settings.GetFloat(StringUtil::Format("relFrequTruckPerCent_A%02d_F%02d", a, f)));
            boxPercents[a][f] = static_cast<int>(
                settings.GetFloat(StringUtil::Format("relFrequBoxPerCent_A%02d_F%02d", a, f)));
        }
    if (areas == 0 || frogs == 0) {
        Log("TrackObjectFactory::load has no areas or frogs to fill its tables\n");
        return false;
    }
    return true;
}

int TrackObjectFactory::truckPercent(int areaIndex, int frogsHome) const {
    return percentIn(truckPercents, areaIndex, frogsHome);
}

int TrackObjectFactory::boxPercent(int areaIndex, int frogsHome) const {
    return percentIn(boxPercents, areaIndex, frogsHome);
}

// Once every frog is home the lanes keep spawning until the next level; they keep the mix of
// the last frog. An area without a row gets no trucks and no boxes.
int TrackObjectFactory::percentIn(const Table& table, int areaIndex, int frogsHome) const {
    if (areaIndex < 0 || areaIndex >= static_cast<int>(table.size()) || table[areaIndex].empty()) {
        Log("TrackObjectFactory has no percentages for area %d\n", areaIndex);
        return 0;
    }
    const std::vector<int>& row = table[areaIndex];
    return row[std::clamp(frogsHome, 0, static_cast<int>(row.size()) - 1)];
}

std::unique_ptr<TrackObject> TrackObjectFactory::createRoadObject(int areaIndex,
                                                                  int frogsHome) const {
    if (Next() % 100 >= truckPercent(areaIndex, frogsHome))
        return Build(ObjectType::kRagtopOpen + Next() % 3);
    if (areaIndex <= 0)
        return Build(ObjectType::kTruckGarbage);
    const int kinds = areaIndex == 1 ? 3 : 5;
    return Build(ObjectType::kTruckGarbage + Next() % kinds);
}

std::unique_ptr<TrackObject> TrackObjectFactory::createRiverObject(int areaIndex, int trackIndex,
                                                                   int frogsHome) const {
    if (trackIndex > 0 && Next() % 100 < boxPercent(areaIndex, frogsHome))
        return Build(ObjectType::kBoxHammer + Next() % 3);
    const int first = Next();
    const int second = Next();
    if (second % 100 <= 4)
        return Build(ObjectType::kTrunk);
    return Build(ObjectType::kTrunk + first % 4);
}
