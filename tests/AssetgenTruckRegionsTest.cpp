#include "ObjectLane.h"
#include "RoadRiverStrips.h"
#include "RoadTrucks.h"
#include "RoadVehicles.h"
#include "core/SettingsManager.h"
#include "support/GeneratedData.h"
#include "world/Car.h"
#include "world/ObjectType.h"
#include "world/Truck.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

constexpr float kCentreX = 400.0f;

struct Vehicle {
    int objectType;
    const char* drive;
};

const Vehicle kTrucks[] = {
    {ObjectType::kTruckGarbage, "TRUCK_GARBAGE_DRIVE"},
    {ObjectType::kTruckChezFred, "TRUCK_CHEZ_FRED_DRIVE"},
    {ObjectType::kTruckElectric, "TRUCK_ELECTRIC_DRIVE"},
    {ObjectType::kTruckAquarium, "TRUCK_AQUARIUM_DRIVE"},
    {ObjectType::kTruckCementMixer, "TRUCK_CEMENT_MIXER_DRIVE"},
};

const Vehicle kCars[] = {
    {ObjectType::kRagtopOpen, "RAGTOP_OPEN_DRIVE"},
    {ObjectType::kRagtopClosed, "RAGTOP_CLOSED_DRIVE"},
    {ObjectType::kSmallCar, "SMALL_CAR_DRIVE"},
};

// A world point under each pixel of a picture drawn centred on the object.
struct Pixel {
    int x;
    int y;
};

// The opaque pixels of every frame of `label` as the generator draws it, at the world points
// they cover with the object centred at (cx, cy); mirrored as on a leftward lane.
std::vector<Pixel> OpaquePixels(const char* label, int cx, int cy, bool mirrored) {
    std::vector<const RoadRiverStrips::Strip*> strips;
    for (const auto* list : {&RoadTrucks::Strips(), &RoadVehicles::Strips()})
        for (const RoadRiverStrips::Strip& strip : *list)
            if (std::strcmp(strip.label, label) == 0)
                strips.push_back(&strip);
    EXPECT_EQ(strips.size(), 1u) << label;
    std::vector<Pixel> pixels;
    if (strips.empty())
        return pixels;
    const RoadRiverStrips::Strip& strip = *strips.front();
    const auto drawn = RoadRiverStrips::Draw(strip);
    drawn->Flush();
    for (int frame = 0; frame < RoadRiverStrips::FrameCount(label); ++frame)
        for (int row = 0; row < strip.height; ++row)
            for (int column = 0; column < strip.width; ++column) {
                if ((drawn->Pixel(column, frame * strip.height + row) >> 24) < 128)
                    continue;
                const int across = mirrored ? strip.width - 1 - column : column;
                pixels.push_back({cx - strip.width / 2 + across, cy + strip.height / 2 - row});
            }
    return pixels;
}

class AssetgenTruckRegionsTest : public ::testing::TestWithParam<bool> {
  protected:
    AssetgenTruckRegionsTest() : world(GeneratedData::ReadLoose("config.txt")) {}

    bool FromLeft() const { return GetParam(); }

    template <typename Object> void Put(Object& object) {
        object.attach(world.Lane(track, ObjectLane::kRoad, 3, 100.0f, FromLeft()), false);
        object.setX(kCentreX);
    }

    std::vector<Pixel> Opaque(const char* drive) const {
        return OpaquePixels(drive, static_cast<int>(kCentreX), track.getCentreY(), !FromLeft());
    }

    ObjectLane world;
    ObjectTrack track;
};

TEST_P(AssetgenTruckRegionsTest, TheCabAndLoadBlockAndThePlatformCarries) {
    for (const Vehicle& kind : kTrucks) {
        Truck truck(kind.objectType);
        Put(truck);
        const std::vector<Pixel> pixels = Opaque(kind.drive);
        int front = 0;
        int rear = 0;
        for (const Pixel& p : pixels) {
            const bool ahead = FromLeft() ? p.x >= kCentreX : p.x <= kCentreX;
            if (ahead) {
                ++front;
                EXPECT_TRUE(truck.blocksPoint(p.x, p.y))
                    << kind.drive << " cab at " << p.x << "," << p.y;
            } else {
                ++rear;
                EXPECT_FALSE(truck.blocksPoint(p.x, p.y))
                    << kind.drive << " platform at " << p.x << "," << p.y;
                EXPECT_TRUE(truck.containsPoint(p.x, p.y))
                    << kind.drive << " platform at " << p.x << "," << p.y;
            }
        }
        // Both halves drawn solidly, not a few stray pixels.
        EXPECT_GT(front, 3000) << kind.drive;
        EXPECT_GT(rear, 3000) << kind.drive;
    }
}

TEST_P(AssetgenTruckRegionsTest, TheFrogSitsOnThePlatformClearOfTheCab) {
    const int body = Singleton<SettingsManager>::Instance().GetInt("frogObjectWidth");
    ASSERT_GT(body, 0);
    for (const Vehicle& kind : kTrucks) {
        Truck truck(kind.objectType);
        Put(truck);
        const int seatX = static_cast<int>(kCentreX + truck.getSeatOffsetX());
        const int seatY = track.getCentreY();
        // The seat is behind the centre whichever way the truck goes.
        EXPECT_EQ(seatX < kCentreX, FromLeft()) << kind.drive;
        int covered = 0;
        const std::vector<Pixel> pixels = Opaque(kind.drive);
        for (const Pixel& p : pixels)
            covered += std::abs(p.x - seatX) <= body / 2 && std::abs(p.y - seatY) <= body / 2;
        const int frames = RoadRiverStrips::FrameCount(kind.drive);
        // Every point of the frog's body box, edges included, is over the platform in every frame.
        EXPECT_EQ(covered, frames * (body / 2 * 2 + 1) * (body / 2 * 2 + 1)) << kind.drive;
        for (int dx : {-body / 2, 0, body / 2}) {
            EXPECT_FALSE(truck.blocksPoint(seatX + dx, seatY)) << kind.drive;
            EXPECT_TRUE(truck.containsPoint(seatX + dx, seatY)) << kind.drive;
        }
    }
}

TEST_P(AssetgenTruckRegionsTest, EveryPixelOfACarRunsTheFrogOver) {
    for (const Vehicle& kind : kCars) {
        Car car(kind.objectType);
        Put(car);
        const std::vector<Pixel> pixels = Opaque(kind.drive);
        EXPECT_GT(pixels.size(), 2000u) << kind.drive;
        for (const Pixel& p : pixels)
            EXPECT_TRUE(car.blocksPoint(p.x, p.y)) << kind.drive << " at " << p.x << "," << p.y;
    }
}

INSTANTIATE_TEST_SUITE_P(BothWays, AssetgenTruckRegionsTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Rightward" : "Leftward"; });

} // namespace
