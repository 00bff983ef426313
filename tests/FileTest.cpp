#include "DataFolderFixture.h"
#include "core/FileUtil.h"

#include <string>

namespace {

// Two neighbouring entries: whatever reads the first must never see the second's bytes.
class FileTest : public DataFolderTest {
  protected:
    void SaveTwoEntries() {
        SaveContainer(RawContainer()
                          .Header()
                          .Put(1, "data\\a.txt", "hello world")
                          .Put(2, "data\\lines.txt", "one\r\ntwo")
                          .Put(3, "data\\next.txt", "three\n"));
        ASSERT_TRUE(Loader().ReadDirectory());
    }
};

TEST_F(FileTest, EntryReportsItsOwnLengthAndPosition) {
    SaveTwoEntries();
    File file;
    ASSERT_TRUE(file.Open("data\\a.txt", "rb"));
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Length(), 11u);
    EXPECT_EQ(file.Tell(), 0);
    char buffer[64] = {};
    EXPECT_EQ(file.Read(buffer, 5), 5u);
    EXPECT_EQ(std::string(buffer, 5), "hello");
    EXPECT_EQ(file.Tell(), 5);
    EXPECT_FALSE(file.Eof());
}

TEST_F(FileTest, ReadStopsAtTheEntryEnd) {
    SaveTwoEntries();
    File file;
    ASSERT_TRUE(file.Open("data\\a.txt", "r"));
    char buffer[64] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 11u);
    EXPECT_EQ(std::string(buffer, 11), "hello world");
    EXPECT_EQ(buffer[11], '\0');
    EXPECT_TRUE(file.Eof());
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
}

TEST_F(FileTest, GetLineStopsAtTheEntryEnd) {
    SaveTwoEntries();
    File file;
    ASSERT_TRUE(file.Open("data\\lines.txt", "r"));
    char line[64];
    ASSERT_NE(file.GetLine(line, sizeof line), nullptr);
    EXPECT_STREQ(line, "one\r\n");
    ASSERT_NE(file.GetLine(line, sizeof line), nullptr);
    EXPECT_STREQ(line, "two");
    EXPECT_TRUE(file.Eof());
    EXPECT_EQ(file.GetLine(line, sizeof line), nullptr);
}

TEST_F(FileTest, GetLineHonoursTheBufferSize) {
    SaveTwoEntries();
    File file;
    ASSERT_TRUE(file.Open("data\\lines.txt", "r"));
    char line[8] = "unset";
    EXPECT_EQ(file.GetLine(line, 1), nullptr);
    EXPECT_EQ(file.GetLine(line, 0), nullptr);
    ASSERT_NE(file.GetLine(line, 3), nullptr);
    EXPECT_STREQ(line, "on");
    EXPECT_EQ(file.Tell(), 2);
}

TEST_F(FileTest, SeekMovesWithinTheEntryOnly) {
    SaveTwoEntries();
    File file;
    ASSERT_TRUE(file.Open("data\\a.txt", "rb"));
    char buffer[8] = {};
    EXPECT_TRUE(file.Seek(0, 6));
    EXPECT_EQ(file.Read(buffer, 5), 5u);
    EXPECT_EQ(std::string(buffer, 5), "world");
    EXPECT_TRUE(file.Seek(2, -11));
    EXPECT_EQ(file.Tell(), 0);
    EXPECT_TRUE(file.Seek(1, 4));
    EXPECT_EQ(file.Tell(), 4);

    EXPECT_FALSE(file.Seek(0, -1));
    EXPECT_FALSE(file.Seek(2, 1));
    EXPECT_FALSE(file.Seek(1, 1L << 40));
    EXPECT_FALSE(file.Seek(7, 0));
    EXPECT_EQ(file.Tell(), 4);
}

TEST_F(FileTest, EntriesShareOneStreamThatClosingDoesNotEnd) {
    SaveTwoEntries();
    {
        File first;
        ASSERT_TRUE(first.Open("data\\a.txt", "rb"));
    }
    File file;
    ASSERT_TRUE(file.Open("data\\a.txt", "rb"));
    ASSERT_TRUE(file.Open("data\\next.txt", "rb"));
    EXPECT_EQ(file.Length(), 6u);
    char line[16];
    ASSERT_NE(file.GetLine(line, sizeof line), nullptr);
    EXPECT_STREQ(line, "three\n");
    file.Close();
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(ReadThroughFile("data\\lines.txt"), "one\r\ntwo");
}

TEST_F(FileTest, AnotherEntryMovingTheStreamEndsThisOne) {
    SaveTwoEntries();
    File first;
    ASSERT_TRUE(first.Open("data\\next.txt", "rb"));
    File second;
    ASSERT_TRUE(second.Open("data\\a.txt", "rb"));
    // The shared stream now sits before the first entry: nothing of it may come out.
    char buffer[16];
    EXPECT_TRUE(first.Eof());
    EXPECT_EQ(first.Read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(first.GetLine(buffer, sizeof buffer), nullptr);
}

TEST_F(FileTest, EntriesCannotBeWritten) {
    SaveTwoEntries();
    File file;
    ASSERT_TRUE(file.Open("data\\a.txt", "r"));
    EXPECT_EQ(file.Write("xy", 2), 0u);
    EXPECT_EQ(file.Printf("%s", "xy"), 0);
    file.Close();
    EXPECT_EQ(ReadThroughFile("data\\a.txt"), "hello world");
}

TEST_F(FileTest, WritingBypassesTheContainer) {
    SaveContainer(RawContainer().Header().Put(1, "data\\out.txt", "stored"));
    ASSERT_TRUE(Loader().ReadDirectory());
    const std::string containerBefore = ReadDiskFile(kContainerFile);

    File file;
    ASSERT_TRUE(file.Open("data\\out.txt", "w"));
    EXPECT_EQ(file.Printf("%d lines\n", 3), 8);
    EXPECT_EQ(file.Write("end", 3), 3u);
    file.Close();

    EXPECT_EQ(ReadDiskFile("data/out.txt"), "3 lines\nend");
    EXPECT_FALSE(std::filesystem::exists("data\\out.txt"));
    EXPECT_EQ(ReadDiskFile(kContainerFile), containerBefore);
    EXPECT_EQ(ReadThroughFile("data\\out.txt"), "stored");
}

TEST_F(FileTest, MissingEntryIsLoggedAndNotOpened) {
    SaveTwoEntries();
    File file;
    EXPECT_FALSE(file.Open("data\\missing.txt", "rb"));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(LogText(), "Could not find file in container data\\missing.txt\n");
}

TEST_F(FileTest, LooseFileKeepsCarriageReturnsAndKnowsItsLength) {
    WriteFile("data/lines.txt", "one\r\ntwo\n");
    ASSERT_TRUE(Loader().ReadDirectory());
    File file;
    ASSERT_TRUE(file.Open("data\\lines.txt", "r"));
    EXPECT_EQ(file.Length(), 9u);
    char line[16];
    ASSERT_NE(file.GetLine(line, sizeof line), nullptr);
    EXPECT_STREQ(line, "one\r\n");
    EXPECT_EQ(file.Tell(), 5);
    EXPECT_EQ(file.Length(), 9u);
    EXPECT_EQ(file.Tell(), 5);
    ASSERT_NE(file.GetLine(line, sizeof line), nullptr);
    EXPECT_STREQ(line, "two\n");
    EXPECT_EQ(file.GetLine(line, sizeof line), nullptr);
    EXPECT_TRUE(file.Eof());
    EXPECT_TRUE(file.Seek(0, 4));
    EXPECT_EQ(file.Read(line, 1), 1u);
    EXPECT_EQ(line[0], '\n');
}

TEST_F(FileTest, ClosedFileDoesNothing) {
    File file;
    char buffer[4];
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(file.Write(buffer, sizeof buffer), 0u);
    EXPECT_TRUE(file.Eof());
    EXPECT_EQ(file.Tell(), -1);
    EXPECT_FALSE(file.Seek(0, 0));
    EXPECT_EQ(file.Length(), 0u);
    EXPECT_EQ(file.GetLine(buffer, sizeof buffer), nullptr);
    EXPECT_EQ(file.Printf("x"), -1);
    EXPECT_FALSE(file.Open("data\\x.txt", nullptr));
}

TEST_F(FileTest, FileLengthAndExistsFollowTheLoader) {
    SaveTwoEntries();
    EXPECT_EQ(FileUtil::FileLength("DATA\\A.TXT"), 11u);
    EXPECT_TRUE(FileUtil::FileExists("data\\next.txt"));
    EXPECT_FALSE(FileUtil::FileExists("data\\none.txt"));
    EXPECT_EQ(FileUtil::FileLength("data\\none.txt"), 0u);
    EXPECT_NE(LogText().find("FileUtil::FileLength: file not found: data\\none.txt\n"),
              std::string::npos);
}

TEST(FileUtil, NativePathUsesSlashes) {
    EXPECT_EQ(FileUtil::NativePath("data\\sub\\a.txt"), "data/sub/a.txt");
    EXPECT_EQ(FileUtil::NativePath("plain/a.txt"), "plain/a.txt");
}

} // namespace
