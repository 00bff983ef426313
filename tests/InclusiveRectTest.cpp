#include "gfx/InclusiveRect.h"

#include <gtest/gtest.h>

// Every draw crosses from the sprites' rectangles to the display's; a slip here would gain or
// lose a column and a row on each of them.
TEST(InclusiveRectTest, CrossesToTheDisplayRectAndBackKeepingThePixels) {
    EXPECT_EQ(InclusiveRect::FromExclusive({0, 0, 800, 600}), (InclusiveRect{0, 0, 799, 599}));
    for (const InclusiveRect& rect :
         {InclusiveRect{3, 4, 3, 4}, InclusiveRect{-20, 580, 179, 679}}) {
        const platform::Rect exclusive = rect.ToExclusive();
        EXPECT_FALSE(exclusive.isEmpty());
        EXPECT_EQ(exclusive.width(), rect.Width());
        EXPECT_EQ(exclusive.height(), rect.Height());
        EXPECT_EQ(InclusiveRect::FromExclusive(exclusive), rect);
    }
}
