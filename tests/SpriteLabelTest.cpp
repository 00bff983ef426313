#include "gfx/SpriteLabel.h"

#include <gtest/gtest.h>

TEST(SpriteLabelTest, NormalizingDropsUnderscoresAndLowersTheCase) {
    EXPECT_EQ(NormalizeLabel("PROGRESS_BAR"), "progressbar");
    EXPECT_EQ(NormalizeLabel("_TRUCK__GARBAGE_DRIVE_"), "truckgarbagedrive");
    EXPECT_EQ(NormalizeLabel("frogidle"), "frogidle");
    EXPECT_EQ(NormalizeLabel(""), "");
}

TEST(SpriteLabelTest, NormalizingTwiceChangesNothing) {
    EXPECT_EQ(NormalizeLabel(NormalizeLabel("Shadow_Truck_2")), "shadowtruck2");
}

TEST(SpriteLabelTest, TheMirrorSuffixIsNormalizedLikeALabel) {
    EXPECT_EQ(MirrorSuffix(), "mirrored");
}
