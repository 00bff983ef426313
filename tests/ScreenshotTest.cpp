#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/Log.h"
#include "app/Screenshot.h"
#include "platform/DisplaySurface.h"
#include "platform/SurfaceFormat.h"
#include "support/ScratchFolder.h"

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

TEST(ScreenshotTest, ShotsOfTheSameSecondGetNamesOfTheirOwn) {
    ScratchFolder folder;
    ASSERT_TRUE(ResetLog());
    const auto frame = Frame();
    EXPECT_EQ(Screenshot::Save(frame, ".", Noon()), "./quagleaper-2026-12-09-12-00-00.png");
    EXPECT_EQ(Screenshot::Save(frame, ".", Noon()), "./quagleaper-2026-12-09-12-00-00-2.png");
    EXPECT_TRUE(std::filesystem::exists("quagleaper-2026-12-09-12-00-00.png"));
}

TEST(ScreenshotTest, AFolderThatCannotTakeTheFileGivesNothingAndALogLine) {
    ScratchFolder folder;
    ASSERT_TRUE(ResetLog());
    folder.Write("file", "");
    EXPECT_EQ(Screenshot::Save(Frame(), "file", Noon()), "");
    EXPECT_NE(folder.Read("debug.txt").find("Screenshot: could not save file/quagleaper-2026-12-09-12-00-00.png"),
              std::string::npos);
}

TEST(ScreenshotTest, TheFolderFallsBackFromPicturesToHomeToTheGamesFolder) {
    ScratchFolder folder;
    const std::string root = folder.Path().string();
    folder.Write("file", "");
    setenv("XDG_PICTURES_DIR", (root + "/pictures").c_str(), 1);
    setenv("HOME", (root + "/home").c_str(), 1);
    EXPECT_EQ(Screenshot::Folder(), root + "/pictures/Quagleaper");
    EXPECT_TRUE(std::filesystem::is_directory(root + "/pictures/Quagleaper"));
    setenv("XDG_PICTURES_DIR", "relative", 1);
    EXPECT_EQ(Screenshot::Folder(), root + "/home/Pictures/Quagleaper");
    setenv("XDG_PICTURES_DIR", (root + "/file").c_str(), 1);
    setenv("HOME", (root + "/file").c_str(), 1);
    EXPECT_EQ(Screenshot::Folder(), ".");
    EXPECT_FALSE(std::filesystem::exists("relative"));
}

} // namespace
