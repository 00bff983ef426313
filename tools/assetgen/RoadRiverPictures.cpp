#include "RoadRiverPictures.h"

#include "InsectAnimations.h"
#include "RiverBoxes.h"
#include "RiverObjects.h"
#include "RoadTrucks.h"
#include "RoadVehicles.h"

namespace RoadRiverPictures {
namespace {

using StripList = const std::vector<RoadRiverStrips::Strip>& (*)();

constexpr StripList kLists[] = {RoadVehicles::Strips, RoadTrucks::Strips, RiverObjects::Strips,
                                RiverBoxes::Strips, InsectAnimations::Strips};

} // namespace

std::vector<std::string> Labels() {
    std::vector<std::string> labels = RoadVehicles::ShadowLabels();
    for (StripList list : kLists)
        for (const RoadRiverStrips::Strip& strip : list())
            labels.emplace_back(strip.label);
    return labels;
}

bool WriteAll(const std::string& outDir, ContactSheet* sheet) {
    for (StripList list : kLists)
        if (!RoadRiverStrips::WriteAll(list(), outDir, sheet))
            return false;
    return RoadVehicles::WriteShadows(outDir, sheet);
}

std::string ConfigText() {
    return RoadVehicles::ConfigText() + RoadTrucks::ConfigText() + RiverObjects::ConfigText() +
           RiverBoxes::ConfigText() + InsectAnimations::ConfigText();
}

} // namespace RoadRiverPictures
