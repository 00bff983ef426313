#include "app/Screenshot.h"

#include "core/Log.h"
#include "platform/DisplaySurface.h"
#include "platform/SurfaceFormat.h"
#include "support/ScratchFolder.h"

#include <ctime>
#include <gtest/gtest.h>
#include <memory>

namespace {

platform::DisplaySurface Frame() {
    return platform::DisplaySurface(8, 6, platform::SurfaceFormat::ForDepth(16),
                                    std::make_shared<platform::SurfaceLosses>());
}

std::tm Noon() {
    std::tm when{};
    when.tm_year = 126;
    when.tm_mon = 11;
    when.tm_mday = 9;
    when.tm_hour = 12;
    return when;
}

// Names, folders and the saved frame are the harness's screenshot_key script's; the failure
// needs a folder that cannot take a file.
TEST(ScreenshotTest, AFolderThatCannotTakeTheFileGivesNothingAndALogLine) {
    ScratchFolder folder;
    ASSERT_TRUE(ResetLog());
    folder.Write("file", "");
    EXPECT_EQ(Screenshot::Save(Frame(), "file", Noon()), "");
    EXPECT_NE(folder.Read("debug.txt")
                  .find("Screenshot: could not save file/quagleaper-2026-12-09-12-00-00.png"),
              std::string::npos);
}

} // namespace
