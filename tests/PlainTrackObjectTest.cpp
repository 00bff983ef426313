#include "world/PlainTrackObject.h"

#include "WorldConfig.h"

#include <gtest/gtest.h>

namespace {

TEST(PlainTrackObjectTest, EachTypeHasTheNameLooksAndMeasuresOfItsKind) {
    ScratchFolder folder;
    LoadWorldConfig(folder, "ragTopOpenObjectWidth 110\nragtopOpenOffsetX 7\n"
                            "truckObjectWidth 260\ntruckObjectHeight 70\ntruckAquariumOffsetY -5\n"
                            "boxObjectWidth 55\nwaterLilyOffsetX 2\n");
    struct Case {
        int type;
        const char* name;
        const char* sprite;
        int width;
        int height;
        int offsetX;
        int offsetY;
    };
    for (const Case& c : {Case{0, "RagtopOpen", "RAGTOP_OPEN_DRIVE", 110, 0, 7, 0},
                          Case{2, "SmallCar", "SMALL_CAR_DRIVE", 0, 0, 0, 0},
                          Case{3, "Truck", "TRUCK_GARBAGE_DRIVE", 260, 70, 0, 0},
                          Case{6, "Truck", "TRUCK_AQUARIUM_DRIVE", 260, 70, 0, -5},
                          Case{11, "WaterLily", "WATER_LILY_SWIMMING", 0, 0, 2, 0},
                          Case{13, "BoxRedButton", "BOX_SWIMMING", 55, 0, 0, 0}}) {
        const PlainTrackObject object(c.type);
        EXPECT_EQ(object.getObjectType(), c.type);
        EXPECT_EQ(object.getName(), c.name);
        EXPECT_EQ(object.spriteLabel(), c.sprite);
        EXPECT_EQ(object.getWidth(), c.width) << c.type;
        EXPECT_EQ(object.getHeight(), c.height) << c.type;
        EXPECT_EQ(object.getOffsetX(), c.offsetX) << c.type;
        EXPECT_EQ(object.getOffsetY(), c.offsetY) << c.type;
    }
}

} // namespace
