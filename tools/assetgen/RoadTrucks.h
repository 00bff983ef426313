#pragma once

#include "RoadRiverStrips.h"

#include <string>
#include <vector>

// The five trucks facing right: a flat platform at the rear where the frog rides, the load and
// the cab in front, which run the frog over. Their kills, the mixer's frog leg.
namespace RoadTrucks {

// The truck's box in world units; the picture is centred on it.
constexpr int kBodyLength = 200;
constexpr int kBodyWidth = 56;
constexpr int kPictureWidth = kBodyLength;
constexpr int kPictureHeight = 68;
// The rounded front bumper stays clear of the frog: the box blocks only up to this strip.
constexpr int kFrontClearance = 20;
// From the rear edge to the platform's front edge, which is the box's centre.
constexpr int kPlatformLength = kBodyLength / 2;
// The frog sits in the middle of the platform, this far behind the centre.
constexpr int kSeatBehindCentre = kPlatformLength / 2;
// Where the drawn truck begins and ends in its picture; the shadow follows them.
constexpr int kPictureRear = 2;
constexpr int kPictureFront = kPictureWidth - kFrontClearance / 2 - 3;

const std::vector<RoadRiverStrips::Strip>& Strips();
std::string ConfigText();

} // namespace RoadTrucks
