#include "AssetGenerator.h"
#include "Paint.h"
#include "support/GeneratedData.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace {

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(AssetgenDeterminismTest, ASecondRunWritesTheSameBytesAsTheBuild) {
    ScratchFolder folder;
    ASSERT_TRUE(AssetGenerator("again", QUAGLEAPER_CONFIG_SOURCE, nullptr).WriteAll());
    Paint::ReleaseFonts();
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path() / "again")) {
        const std::filesystem::path built =
            std::filesystem::path(GeneratedData::LooseFolder()) / entry.path().filename();
        ASSERT_TRUE(std::filesystem::exists(built)) << built;
        EXPECT_TRUE(Bytes(entry.path()) == Bytes(built)) << entry.path().filename();
        ++compared;
    }
    EXPECT_GE(compared, 60);
}

TEST(AssetgenDeterminismTest, AMissingConfigurationSourceFailsTheRun) {
    ScratchFolder folder;
    EXPECT_FALSE(AssetGenerator("out", "no/such/config.txt", nullptr).WriteAll());
    Paint::ReleaseFonts();
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "out" / "config.txt"));
}

} // namespace
