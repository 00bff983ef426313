#pragma once

#include "world/TrackObject.h"

#include <string>

// Something the frog rides across the water; some kinds dive away from under it.
class RiverObject : public TrackObject {
  public:
    static constexpr int kStateSwimming = 2;
    static constexpr int kStateDiving = 3;
    static constexpr int kStateSubmerged = 4;

    using TrackObject::TrackObject;

    bool attach(const Lane& lane, bool randomX) override;
    // A dive ends under water once its animation has played.
    void update(float dt) override;

  protected:
    // River objects face one way whatever the current, unless a kind says otherwise.
    bool drawnMirrored() const override { return false; }
    // Size from prefix + "ObjectWidth"/"ObjectHeight", offsets from prefix + "OffsetX"/"OffsetY".
    void loadLooks(const std::string& prefix);
};
