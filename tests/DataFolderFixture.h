#pragma once

#include "core/ContainerEntry.h"
#include "core/File.h"
#include "core/FileLoader.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

// Builds a container byte by byte, so that tests can build damaged ones too.
class RawContainer {
  public:
    RawContainer() : directory(FileLoader::kDirectoryRecords, ContainerEntry{}) {}

    // Appends the bytes after the directory and points record `index` at them.
    RawContainer& Put(std::size_t index, std::string_view name, std::string_view bytes) {
        EXPECT_TRUE(directory[index].SetName(name));
        directory[index].SetOffset(
            static_cast<std::uint32_t>(FileLoader::kDirectoryBytes + body.size()));
        directory[index].SetLength(static_cast<std::uint32_t>(bytes.size()));
        body += bytes;
        return *this;
    }

    RawContainer& Header() { return Put(0, "test data", "test data"); }

    ContainerEntry& Record(std::size_t index) { return directory[index]; }

    std::string Bytes() const {
        std::string bytes(reinterpret_cast<const char*>(directory.data()),
                          FileLoader::kDirectoryBytes);
        return bytes + body;
    }

  private:
    std::vector<ContainerEntry> directory;
    std::string body;
};

// Each test runs in a fresh folder of its own: the game finds data/ there and logs to debug.txt.
class DataFolderTest : public ::testing::Test {
  protected:
    static constexpr const char* kContainerFile = "data/Quagleaper.dat";

    DataFolderTest() { std::filesystem::create_directory("data"); }

    static void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    static std::string ReadDiskFile(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void SaveContainer(const RawContainer& container) {
        WriteFile(kContainerFile, container.Bytes());
    }

    static std::string LogText() { return ReadDiskFile("debug.txt"); }

    // A whole data file the way the game reads one; "<missing>" when it does not open.
    static std::string ReadThroughFile(const std::string& path) {
        File file;
        if (!file.Open(path, "rb"))
            return "<missing>";
        std::string bytes(file.Length(), '\0');
        bytes.resize(file.Read(bytes.data(), bytes.size()));
        return bytes;
    }

    static FileLoader& Loader() { return Singleton<FileLoader>::Instance(); }

  private:
    ScratchFolder folder;
};
