#include "app/ReplayIndex.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::vector<std::pair<int, std::string>> PlacesAndFiles(const ReplayIndex& index) {
    std::vector<std::pair<int, std::string>> rows;
    for (const ReplayIndex::Row& row : index.Rows())
        rows.emplace_back(row.place, row.file);
    return rows;
}

} // namespace

// A new entry pushes the rows from its place down one and the last off the table; an entry
// without a replay still moves the rows below it; the file keeps what the index holds.
TEST(ReplayIndexTest, NewEntriesMoveTheRowsBelowAndSurviveTheFile) {
    ReplayIndex index;
    index.Insert(0, 900, "00000001.qlr");
    index.Insert(1, 500, "00000002.qlr");
    index.Insert(9, 100, "00000003.qlr");
    index.Insert(1, 700, "00000004.qlr");
    index.Insert(0, 990, "");
    using Rows = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(PlacesAndFiles(index),
              (Rows{{1, "00000001.qlr"}, {2, "00000004.qlr"}, {3, "00000002.qlr"}}));
    EXPECT_EQ(index.FileOf(2, 700), "00000004.qlr");
    EXPECT_EQ(index.FileOf(2, 701), std::nullopt) << "a row counts only with its entry's score";

    const std::string folder = ::testing::TempDir() + "/replay-index";
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(index.Save(folder));
    EXPECT_EQ(PlacesAndFiles(ReplayIndex::Load(folder)), PlacesAndFiles(index));
    std::filesystem::remove_all(folder);
}
