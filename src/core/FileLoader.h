#pragma once

#include "core/ContainerEntry.h"
#include "core/Singleton.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// Decides where data files come from: the container data\Quagleaper.dat when it existed at
// start-up and its directory could be read, the loose files under data\ otherwise. Container
// names are stored lower case with backslashes; lookups lower-case the path.
//
// A damaged container never leads to a read outside it: a directory that cannot be read makes
// the loader fall back to loose files, a record name without a NUL never matches, and a record
// whose bytes reach past the end of the file is treated as absent.
class FileLoader {
  public:
    static constexpr std::size_t kDirectoryRecords = 500;
    static constexpr std::size_t kDirectoryBytes = kDirectoryRecords * sizeof(ContainerEntry);

    bool Exists(const std::string& path) const;
    bool Exists(const std::string& name, const std::string& suffix) const;

    // With the container: the shared container stream, positioned at the entry, and entryOut set
    // to the loader's record; the caller must not close it. Otherwise a loose file opened "rb"
    // that the caller owns, with entryOut null; nullptr when neither is found.
    std::FILE* OpenEntry(const std::string& path, const ContainerEntry*& entryOut);

    // Start-up. False, with a log line, when the container cannot be opened or its directory
    // is short; from then on loose files are used. Each call reads the container afresh, or
    // finds it gone, so a restart never sees the last one's directory.
    bool ReadDirectory();
    void CloseContainer();

    // The folder that holds data\, with its trailing slash; the working folder by default. Paths
    // keep naming data\..., so the high scores written beside them stay in the working folder.
    // Called before ReadDirectory.
    void UseFolder(const std::string& folder);

    std::string GetBasePath() const { return basePath; }
    // Where data\ lies on disk, as the system names it.
    std::string DataFolderOnDisk() const;
    // The container on disk while the game reads from it; empty while it reads loose files.
    std::string ContainerInUse() const;

    // The frame list of sprite `name` (name + "Frames.txt"), one number per line.
    bool ReadFrames(const std::string& name, std::vector<int>& list) const;

  private:
    friend class Singleton<FileLoader>;
    FileLoader();

    struct StreamCloser {
        void operator()(std::FILE* stream) const { std::fclose(stream); }
    };

    const ContainerEntry* Find(const std::string& path) const;
    std::size_t WalkTo(const std::string& loweredPath) const;
    bool LiesInside(const ContainerEntry& record) const;
    bool ExistsLoose(const std::string& path) const;
    bool ContainerOnDisk() const;
    bool LoadDirectory();
    void ReportDamagedRecords() const;

    std::unique_ptr<std::FILE, StreamCloser> container; // set only while the directory is valid
    bool useContainer = false;
    std::array<ContainerEntry, kDirectoryRecords> directory{};
    long containerSize = 0;
    std::string basePath = "data\\";
    std::string folder;
    std::string containerPath;
};
