#include "pack/ContainerWriter.h"

#include "DataFolderFixture.h"
#include "core/StringUtil.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::uint32_t ReadU32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t index = 4; index-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + index]);
    return value;
}

std::string EveryByteValue() {
    std::string bytes;
    for (int round = 0; round < 3; ++round)
        for (int value = 0; value < 256; ++value)
            bytes += static_cast<char>(value);
    return bytes;
}

class ContainerWriterTest : public DataFolderTest {
  protected:
    static void WriteSampleData() {
        WriteFile("data/Config.txt", "levelTimeSeconds 90\r\n");
        WriteFile("data/sub/Deep/FrogIdle.BMP", EveryByteValue());
        WriteFile("data/frogidleFrames.txt", "3\n1\n2");
    }

    static bool Pack(ContainerWriter& writer) {
        return writer.AddFolder("data", kContainerFile) && writer.WriteTo(kContainerFile);
    }
};

TEST_F(ContainerWriterTest, PackedFilesReadBackByteForByte) {
    WriteSampleData();
    ContainerWriter writer;
    ASSERT_TRUE(Pack(writer)) << writer.Message();
    EXPECT_EQ(writer.FileCount(), 3u);

    ASSERT_TRUE(Loader().ReadDirectory());
    EXPECT_EQ(ReadThroughFile("data\\config.txt"), ReadDiskFile("data/Config.txt"));
    EXPECT_EQ(ReadThroughFile("data\\sub\\deep\\FrogIdle.bmp"),
              ReadDiskFile("data/sub/Deep/FrogIdle.BMP"));
    std::vector<int> frames;
    EXPECT_TRUE(Loader().ReadFrames("frogidle", frames));
    EXPECT_EQ(frames, (std::vector<int>{3, 1, 2}));
}

TEST_F(ContainerWriterTest, DirectoryHasHeaderSortedLowerCaseNamesAndEndRecord) {
    WriteSampleData();
    ContainerWriter writer;
    ASSERT_TRUE(Pack(writer)) << writer.Message();
    const std::string bytes = ReadDiskFile(kContainerFile);
    ASSERT_GE(bytes.size(), FileLoader::kDirectoryBytes);

    auto name = [&](std::size_t record) { return std::string(bytes.c_str() + record * 64); };
    auto offset = [&](std::size_t record) { return ReadU32(bytes, record * 64 + 48); };
    auto length = [&](std::size_t record) { return ReadU32(bytes, record * 64 + 52); };

    EXPECT_EQ(name(0), ContainerWriter::kHeaderName);
    ASSERT_NE(length(0), 0u);
    EXPECT_EQ(bytes.substr(offset(0), length(0)), ContainerWriter::kHeaderName);
    const std::vector<std::string> expected{"data\\config.txt", "data\\frogidleframes.txt",
                                            "data\\sub\\deep\\frogidle.bmp"};
    const std::vector<std::string> disk{"data/Config.txt", "data/frogidleFrames.txt",
                                        "data/sub/Deep/FrogIdle.BMP"};
    for (std::size_t index = 0; index < expected.size(); ++index) {
        EXPECT_EQ(name(index + 1), expected[index]);
        EXPECT_GE(offset(index + 1), FileLoader::kDirectoryBytes);
        EXPECT_EQ(bytes.substr(offset(index + 1), length(index + 1)), ReadDiskFile(disk[index]));
    }
    EXPECT_EQ(length(4), 0u);
    EXPECT_EQ(name(4), "");
}

TEST_F(ContainerWriterTest, PackingIsRepeatableAndLeavesTheContainerItselfOut) {
    WriteSampleData();
    ContainerWriter first;
    ASSERT_TRUE(Pack(first)) << first.Message();
    const std::string once = ReadDiskFile(kContainerFile);

    ContainerWriter second;
    ASSERT_TRUE(Pack(second)) << second.Message();
    EXPECT_EQ(second.FileCount(), 3u);
    EXPECT_EQ(ReadDiskFile(kContainerFile), once);
}

TEST_F(ContainerWriterTest, NamesUpToTheFieldSizeAreAccepted) {
    const std::string longest(ContainerEntry::kMaxNameLength - 5, 'n');
    WriteFile("data/" + longest, "x");
    ContainerWriter writer;
    ASSERT_TRUE(Pack(writer)) << writer.Message();
    ASSERT_TRUE(Loader().ReadDirectory());
    EXPECT_EQ(ReadThroughFile("data\\" + longest), "x");
}

TEST_F(ContainerWriterTest, RefusesWhatTheDirectoryCannotHold) {
    const std::string tooLong(ContainerEntry::kMaxNameLength - 4, 'n');
    WriteFile("long/" + tooLong, "x");
    WriteFile("twins/Frog.txt", "1");
    WriteFile("twins/frog.txt", "2");
    WriteFile("empty/a.txt", "a");
    WriteFile("empty/b.txt", "");

    ContainerWriter writer;
    EXPECT_FALSE(writer.AddFolder("long"));
    EXPECT_NE(writer.Message().find("data\\" + tooLong), std::string::npos) << writer.Message();
    EXPECT_FALSE(writer.AddFolder("twins"));
    EXPECT_NE(writer.Message().find("data\\frog.txt"), std::string::npos) << writer.Message();
    EXPECT_FALSE(writer.AddFolder("no-such-folder"));
    EXPECT_NE(writer.Message().find("no-such-folder"), std::string::npos) << writer.Message();
    EXPECT_EQ(writer.FileCount(), 0u);

    // An empty file would be a record of length 0, ending the directory early.
    ASSERT_TRUE(writer.AddFolder("empty"));
    EXPECT_FALSE(writer.WriteTo("empty.dat"));
    EXPECT_NE(writer.Message().find("b.txt"), std::string::npos) << writer.Message();
    EXPECT_FALSE(std::filesystem::exists("empty.dat"));
    EXPECT_FALSE(writer.WriteTo("no-such-folder/out.dat"));
}

TEST_F(ContainerWriterTest, HoldsAtMostFourHundredNinetyEightFiles) {
    for (std::size_t index = 0; index < ContainerWriter::kMaxFiles; ++index)
        WriteFile(StringUtil::Format("data/f%03zu.txt", index), "x");
    ContainerWriter full;
    ASSERT_TRUE(Pack(full)) << full.Message();
    ASSERT_TRUE(Loader().ReadDirectory());
    EXPECT_EQ(
        ReadThroughFile(StringUtil::Format("data\\f%03zu.txt", ContainerWriter::kMaxFiles - 1)),
        "x");

    WriteFile("data/one-more.txt", "x");
    ContainerWriter over;
    EXPECT_FALSE(over.AddFolder("data", kContainerFile));
    EXPECT_NE(over.Message().find("499"), std::string::npos) << over.Message();
}

} // namespace
