#pragma once

#include "world/TrackObject.h"

#include <string>

// Stands in for the cars, trucks and river objects until they behave as themselves: each type
// already looks and measures like its real kind, so the lanes can be built and watched now.
class PlainTrackObject : public TrackObject {
public:
    // `objectType` is one of the ObjectType numbers.
    explicit PlainTrackObject(int objectType);

    std::string spriteLabel() const override;
};
