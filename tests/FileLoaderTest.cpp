#include "DataFolderFixture.h"
#include "core/StringUtil.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

using FileLoaderTest = DataFolderTest;

TEST(ContainerEntry, StoresNumbersLittleEndianAndNamesOnlyWithTheirEnd) {
    ContainerEntry record{};
    record.SetOffset(0x04030201u);
    record.SetLength(0xA0B0C0D0u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(record.offset), 4), "\x01\x02\x03\x04");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(record.length), 4), "\xD0\xC0\xB0\xA0");
    EXPECT_EQ(record.Offset(), 0x04030201u);
    EXPECT_EQ(record.Length(), 0xA0B0C0D0u);

    const std::string longest(ContainerEntry::kMaxNameLength, 'n');
    EXPECT_TRUE(record.SetName(longest));
    EXPECT_TRUE(record.NameEquals(longest));
    EXPECT_FALSE(record.SetName(longest + "n"));
    EXPECT_EQ(record.Name(), longest);

    std::fill(std::begin(record.name), std::end(record.name), 'x');
    EXPECT_FALSE(record.HasName());
    EXPECT_FALSE(record.NameEquals(std::string(ContainerEntry::kNameSize, 'x')));
}

TEST_F(FileLoaderTest, ContainerShadowsLooseFiles) {
    WriteFile("data/config.txt", "from disk");
    WriteFile("data/loose-only.txt", "only on disk");
    SaveContainer(RawContainer().Header().Put(1, "data\\config.txt", "from container"));

    ASSERT_TRUE(Loader().ReadDirectory());
    EXPECT_EQ(ReadThroughFile("data\\config.txt"), "from container");
    EXPECT_FALSE(Loader().Exists("data\\loose-only.txt"));
    EXPECT_EQ(ReadThroughFile("data\\loose-only.txt"), "<missing>");
}

TEST_F(FileLoaderTest, WithoutContainerLooseFilesAreReadWithTheirPathUnchanged) {
    WriteFile("data/config.txt", "from disk");
    WriteFile("data/sub/Frog.txt", "frog");

    EXPECT_TRUE(Loader().ReadDirectory());
    EXPECT_EQ(ReadThroughFile("data\\config.txt"), "from disk");
    EXPECT_EQ(ReadThroughFile("data\\sub\\Frog.txt"), "frog");
    EXPECT_TRUE(Loader().Exists("data\\config.txt"));
    EXPECT_TRUE(Loader().Exists("sub\\Frog", ".txt"));
    // Loose names go to the disk as written: no lower-casing, no "****" rule.
    EXPECT_FALSE(Loader().Exists("data\\CONFIG.TXT"));
    EXPECT_FALSE(Loader().Exists("data\\sub\\frog.txt"));
    EXPECT_FALSE(Loader().Exists("****"));
    EXPECT_EQ(Loader().GetBasePath(), "data\\");
}

TEST_F(FileLoaderTest, LookupLowerCasesThePath) {
    SaveContainer(RawContainer().Header().Put(1, "data\\frogidle.bmp", "BM"));

    ASSERT_TRUE(Loader().ReadDirectory());
    EXPECT_TRUE(Loader().Exists("DATA\\FrogIdle.BMP"));
    EXPECT_TRUE(Loader().Exists("FROGIDLE", ".bmp"));
    EXPECT_EQ(ReadThroughFile("Data\\FrogIdle.bmp"), "BM");
    EXPECT_FALSE(Loader().Exists("data/frogidle.bmp"));
}

TEST_F(FileLoaderTest, FirstRecordOfLengthZeroEndsTheDirectory) {
    RawContainer container;
    container.Header()
        .Put(1, "data\\a.txt", "a")
        .Put(2, "data\\b.txt", "b")
        .Put(3, "data\\c.txt", "");
    container.Put(4, "data\\d.txt", "d");
    SaveContainer(container);

    ASSERT_TRUE(Loader().ReadDirectory());
    EXPECT_TRUE(Loader().Exists("data\\a.txt"));
    EXPECT_TRUE(Loader().Exists("data\\b.txt"));
    EXPECT_FALSE(Loader().Exists("data\\c.txt"));
    EXPECT_FALSE(Loader().Exists("data\\d.txt"));
    EXPECT_EQ(ReadThroughFile("data\\d.txt"), "<missing>");
}

TEST_F(FileLoaderTest, StarPrefixOpensTheEndRecord) {
    RawContainer container;
    container.Header().Put(1, "data\\a.txt", "abc");
    container.Record(2).SetOffset(static_cast<std::uint32_t>(FileLoader::kDirectoryBytes));
    SaveContainer(container);

    ASSERT_TRUE(Loader().ReadDirectory());
    EXPECT_TRUE(Loader().Exists("****"));
    EXPECT_TRUE(Loader().Exists("****anything"));
    EXPECT_FALSE(Loader().Exists("***"));
    File file;
    ASSERT_TRUE(file.Open("****anything", "rb"));
    EXPECT_EQ(file.Length(), 0u);
    EXPECT_TRUE(file.Eof());
    char byte = 0;
    EXPECT_EQ(file.Read(&byte, 1), 0u);
}

TEST_F(FileLoaderTest, UnreadableDirectoryFallsBackToLooseFiles) {
    WriteFile("data/config.txt", "from disk");
    const std::string valid =
        RawContainer().Header().Put(1, "data\\config.txt", "from container").Bytes();

    // Short: the file holds less than a whole directory.
    WriteFile(kContainerFile, valid.substr(0, FileLoader::kDirectoryBytes - 1));
    EXPECT_FALSE(Loader().ReadDirectory());
    EXPECT_NE(LogText().find(
                  "FileLoader::ReadDirectory: data\\Quagleaper.dat is shorter than its directory"),
              std::string::npos);
    EXPECT_EQ(ReadThroughFile("data\\config.txt"), "from disk");
    EXPECT_TRUE(Loader().Exists("data\\config.txt"));
    EXPECT_FALSE(Loader().Exists("****"));
}

TEST_F(FileLoaderTest, VanishedContainerFallsBackToLooseFiles) {
    WriteFile("data/config.txt", "from disk");
    SaveContainer(RawContainer().Header().Put(1, "data\\config.txt", "from container"));

    Loader();
    std::filesystem::remove(kContainerFile);
    EXPECT_FALSE(Loader().ReadDirectory());
    EXPECT_EQ(LogText(), "DataFile data\\Quagleaper.dat could not be opened.\n");
    EXPECT_EQ(ReadThroughFile("data\\config.txt"), "from disk");
}

// As on a restart: every reading of the directory sees the container now on disk, whatever
// the last one found.
TEST_F(FileLoaderTest, ReadingTheDirectoryAgainFollowsTheContainerOnDisk) {
    WriteFile("data/config.txt", "from disk");
    ASSERT_TRUE(Loader().ReadDirectory());
    EXPECT_EQ(ReadThroughFile("data\\config.txt"), "from disk");

    SaveContainer(RawContainer().Header().Put(1, "data\\config.txt", "first"));
    ASSERT_TRUE(Loader().ReadDirectory());
    EXPECT_EQ(ReadThroughFile("data\\config.txt"), "first");

    WriteFile(kContainerFile, "short");
    EXPECT_FALSE(Loader().ReadDirectory());
    EXPECT_EQ(ReadThroughFile("data\\config.txt"), "from disk");

    SaveContainer(RawContainer()
                      .Header()
                      .Put(1, "data\\other.txt", "other")
                      .Put(2, "data\\config.txt", "2nd"));
    ASSERT_TRUE(Loader().ReadDirectory());
    EXPECT_EQ(ReadThroughFile("data\\config.txt"), "2nd");
    EXPECT_EQ(ReadThroughFile("data\\other.txt"), "other");

    SaveContainer(RawContainer().Header().Put(1, "data\\third.txt", "third"));
    ASSERT_TRUE(Loader().ReadDirectory());
    EXPECT_EQ(ReadThroughFile("data\\third.txt"), "third");
    EXPECT_FALSE(Loader().Exists("data\\other.txt"));
    EXPECT_FALSE(Loader().Exists("data\\config.txt"));

    std::filesystem::remove(kContainerFile);
    std::filesystem::remove("debug.txt");
    EXPECT_FALSE(Loader().ReadDirectory());
    EXPECT_EQ(LogText(), "DataFile data\\Quagleaper.dat could not be opened.\n");
    EXPECT_EQ(ReadThroughFile("data\\config.txt"), "from disk");
    EXPECT_TRUE(Loader().ReadDirectory());
    EXPECT_EQ(ReadThroughFile("data\\config.txt"), "from disk");
}

TEST_F(FileLoaderTest, NameWithoutEndNeverMatches) {
    const std::string fullField = "data\\" + std::string(ContainerEntry::kNameSize - 5, 'a');
    RawContainer container;
    container.Header().Put(1, "placeholder", "12345").Put(2, "data\\b.txt", "b");
    std::copy(fullField.begin(), fullField.end(), container.Record(1).name);
    SaveContainer(container);

    ASSERT_TRUE(Loader().ReadDirectory());
    EXPECT_FALSE(Loader().Exists(fullField));
    EXPECT_FALSE(Loader().Exists(fullField.substr(0, ContainerEntry::kMaxNameLength)));
    EXPECT_TRUE(Loader().Exists("data\\b.txt"));
    EXPECT_NE(LogText().find("record 1 of data\\Quagleaper.dat has an unterminated name"),
              std::string::npos);
}

TEST_F(FileLoaderTest, RecordsReachingPastTheEndOfTheFileAreAbsent) {
    RawContainer container;
    container.Header()
        .Put(1, "data\\good.txt", "good")
        .Put(2, "data\\wrap.txt", "w")
        .Put(3, "data\\far.txt", "f");
    container.Put(4, "data\\tail.txt", "tail");
    const std::uint32_t size = static_cast<std::uint32_t>(container.Bytes().size());
    container.Record(4).SetLength(container.Record(4).Length() + 1);
    // 32-bit arithmetic would wrap this one round to a small end inside the file.
    container.Record(2).SetOffset(0xFFFFFFF0u);
    container.Record(2).SetLength(0x20u);
    container.Record(3).SetOffset(size + 100);
    SaveContainer(container);

    ASSERT_TRUE(Loader().ReadDirectory());
    for (const char* path : {"data\\tail.txt", "data\\wrap.txt", "data\\far.txt"}) {
        EXPECT_FALSE(Loader().Exists(path)) << path;
        EXPECT_EQ(ReadThroughFile(path), "<missing>") << path;
        EXPECT_NE(
            LogText().find(std::string(path) + " reaches past the end of data\\Quagleaper.dat"),
            std::string::npos)
            << path;
        EXPECT_NE(LogText().find(std::string("Could not find file in container ") + path + "\n"),
                  std::string::npos)
            << path;
    }
    EXPECT_EQ(ReadThroughFile("data\\good.txt"), "good");
}

TEST_F(FileLoaderTest, DirectoryWithoutEndRecordStopsAfterTheLastRecord) {
    RawContainer container;
    container.Header();
    for (std::size_t index = 1; index < FileLoader::kDirectoryRecords; ++index)
        container.Put(index, StringUtil::Format("data\\f%03zu.txt", index),
                      StringUtil::Format("%zu", index));
    SaveContainer(container);

    ASSERT_TRUE(Loader().ReadDirectory());
    EXPECT_NE(LogText().find("has no end record"), std::string::npos);
    EXPECT_EQ(ReadThroughFile("data\\f001.txt"), "1");
    EXPECT_EQ(ReadThroughFile("data\\f499.txt"), "499");
    EXPECT_FALSE(Loader().Exists("data\\f500.txt"));
    // The walk stops at the last record, which then serves a "****" path.
    EXPECT_EQ(ReadThroughFile("****"), "499");
}

TEST_F(FileLoaderTest, ClosedContainerFindsNothing) {
    SaveContainer(RawContainer().Header().Put(1, "data\\a.txt", "a"));
    ASSERT_TRUE(Loader().ReadDirectory());
    ASSERT_TRUE(Loader().Exists("data\\a.txt"));

    Loader().CloseContainer();
    EXPECT_FALSE(Loader().Exists("data\\a.txt"));
    EXPECT_EQ(ReadThroughFile("data\\a.txt"), "<missing>");
}

TEST_F(FileLoaderTest, FrameListMissingGivesFalseAndAnEmptyList) {
    std::vector<int> list{7, 8};
    EXPECT_FALSE(Loader().ReadFrames("frogidle", list));
    EXPECT_TRUE(list.empty());
}

TEST_F(FileLoaderTest, FrameListSkipsLinesWithoutANumber) {
    WriteFile("data/frogidleFrames.txt", "3\nframe\n99999999999\n  2\r\n-1\n");
    std::vector<int> list;
    EXPECT_TRUE(Loader().ReadFrames("frogidle", list));
    EXPECT_EQ(list, (std::vector<int>{3, 2, -1}));
    EXPECT_NE(LogText().find("FileLoader::ReadFrames: skipped a line without a frame number in "
                             "data\\frogidleFrames.txt\n"),
              std::string::npos);
}

TEST_F(FileLoaderTest, FrameListLongerLineThanTheBufferStaysBounded) {
    WriteFile("data/frogidleFrames.txt", "4\n" + std::string(3000, ' ') + "5\n6");
    std::vector<int> list;
    EXPECT_TRUE(Loader().ReadFrames("frogidle", list));
    EXPECT_EQ(list, (std::vector<int>{4, 5, 6}));
}

// The frame list 3, 1, 2 in every shape it is stored: with and without a final line feed,
// with Windows line ends, loose and in the container followed by another entry.
class FrameListTest : public DataFolderTest,
                      public ::testing::WithParamInterface<std::tuple<std::string, bool>> {};

TEST_P(FrameListTest, ReadsThreeOneTwo) {
    const auto& [text, inContainer] = GetParam();
    if (inContainer)
        SaveContainer(RawContainer()
                          .Header()
                          .Put(1, "data\\frogidleframes.txt", text)
                          .Put(2, "data\\next.txt", "9\n8\n"));
    else
        WriteFile("data/frogidleFrames.txt", text);
    ASSERT_TRUE(Loader().ReadDirectory());

    std::vector<int> list{42};
    EXPECT_TRUE(Loader().ReadFrames("frogidle", list));
    EXPECT_EQ(list, (std::vector<int>{3, 1, 2}));
}

INSTANTIATE_TEST_SUITE_P(Shapes, FrameListTest,
                         ::testing::Combine(::testing::Values("3\n1\n2\n", "3\n1\n2",
                                                              "3\r\n1\r\n2\r\n"),
                                            ::testing::Bool()));

} // namespace
