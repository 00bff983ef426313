#include "core/FileLoader.h"

#include "core/File.h"
#include "core/FileUtil.h"
#include "core/Log.h"
#include "core/StringUtil.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

constexpr const char* kContainerName = "Quagleaper.dat";
constexpr const char* kFramesSuffix = "Frames.txt";
// Stored data sets rely on it: such a path counts as present and opens the directory's end record.
constexpr std::string_view kAnyEntryPrefix = "****";
constexpr int kFrameLineSize = 1024;
// The largest loose picture or sound is a few megabytes; the container's offsets are 32 bits.
constexpr std::size_t kMaxLooseFileBytes = std::size_t{64} << 20;
constexpr std::size_t kMaxContainerBytes = std::size_t{UINT32_MAX};

std::optional<int> ParseFrameNumber(const char* line) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(line, &end, 10);
    if (end == line || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

FileLoader::FileLoader() : containerPath(basePath + kContainerName) {
    useContainer = ContainerOnDisk();
}

void FileLoader::UseFolder(const std::string& dataFolder) {
    folder = dataFolder;
    containerPath = folder + basePath + kContainerName;
    container.reset();
    useContainer = ContainerOnDisk();
}

bool FileLoader::Exists(const std::string& path) const {
    return useContainer ? Find(path) != nullptr : ExistsLoose(path);
}

bool FileLoader::Exists(const std::string& name, const std::string& suffix) const {
    return Exists(basePath + name + suffix);
}

std::FILE* FileLoader::OpenEntry(const std::string& path, const ContainerEntry*& entryOut) {
    entryOut = nullptr;
    if (!useContainer)
        return FileUtil::OpenRegularFile(FileUtil::NativePath(folder + path), kMaxLooseFileBytes);
    const ContainerEntry* record = Find(path);
    if (!record ||
        std::fseek(container.get(), static_cast<long>(record->Offset()), SEEK_SET) != 0) {
        Log("Could not find file in container %s\n", path.c_str());
        return nullptr;
    }
    entryOut = record;
    return container.get();
}

bool FileLoader::ReadDirectory() {
    // A container that turned up since the last start is taken up as on a first one.
    useContainer = useContainer || ContainerOnDisk();
    if (!useContainer)
        return true;
    if (!LoadDirectory()) {
        // Without a valid directory the loose files are the best data there is.
        container.reset();
        useContainer = false;
        return false;
    }
    ReportDamagedRecords();
    return true;
}

void FileLoader::CloseContainer() {
    if (useContainer)
        container.reset();
}

bool FileLoader::ReadFrames(const std::string& name, std::vector<int>& list) const {
    list.clear();
    if (!Exists(name, kFramesSuffix))
        return false;
    const std::string path = basePath + name + kFramesSuffix;
    File file;
    if (file.Open(path, "r")) {
        char line[kFrameLineSize];
        // Also stop at a failed read: after a read error a loose file never reaches its end.
        while (!file.Eof() && file.GetLine(line, kFrameLineSize)) {
            if (const std::optional<int> frame = ParseFrameNumber(line))
                list.push_back(*frame);
            else
                Log("FileLoader::ReadFrames: skipped a line without a frame number in %s\n",
                    path.c_str());
        }
    }
    return true;
}

const ContainerEntry* FileLoader::Find(const std::string& path) const {
    if (!container)
        return nullptr;
    const std::string lowered = StringUtil::ToLower(path);
    const ContainerEntry& stop = directory[WalkTo(lowered)];
    const bool named = stop.NameEquals(lowered) && stop.Length() != 0;
    if (!named && !path.starts_with(kAnyEntryPrefix))
        return nullptr;
    return LiesInside(stop) ? &stop : nullptr;
}

std::size_t FileLoader::WalkTo(const std::string& loweredPath) const {
    std::size_t index = 0;
    while (index + 1 < directory.size() && !directory[index].NameEquals(loweredPath) &&
           directory[index].Length() != 0)
        ++index;
    return index;
}

bool FileLoader::LiesInside(const ContainerEntry& record) const {
    const std::uint64_t end = static_cast<std::uint64_t>(record.Offset()) + record.Length();
    return end <= static_cast<std::uint64_t>(containerSize);
}

bool FileLoader::ExistsLoose(const std::string& path) const {
    return FileUtil::IsRegularFile(FileUtil::NativePath(folder + path));
}

std::string FileLoader::DataFolderOnDisk() const {
    return FileUtil::NativePath(folder + basePath);
}

std::string FileLoader::ContainerInUse() const {
    return container ? FileUtil::NativePath(containerPath) : std::string();
}

bool FileLoader::ContainerOnDisk() const {
    return FileUtil::IsRegularFile(FileUtil::NativePath(containerPath));
}

bool FileLoader::LoadDirectory() {
    container.reset(
        FileUtil::OpenRegularFile(FileUtil::NativePath(containerPath), kMaxContainerBytes));
    if (!container) {
        Log("DataFile %s could not be opened.\n", containerPath.c_str());
        return false;
    }
    std::FILE* stream = container.get();
    containerSize = std::fseek(stream, 0, SEEK_END) == 0 ? std::ftell(stream) : -1;
    const bool complete =
        containerSize >= static_cast<long>(kDirectoryBytes) &&
        std::fseek(stream, 0, SEEK_SET) == 0 &&
        std::fread(directory.data(), 1, kDirectoryBytes, stream) == kDirectoryBytes;
    if (!complete)
        Log("FileLoader::ReadDirectory: %s is shorter than its directory, using the loose files\n",
            containerPath.c_str());
    return complete;
}

void FileLoader::ReportDamagedRecords() const {
    for (std::size_t index = 0; index < directory.size(); ++index) {
        const ContainerEntry& record = directory[index];
        if (record.Length() == 0)
            return;
        if (!record.HasName())
            Log("FileLoader::ReadDirectory: record %zu of %s has an unterminated name and is "
                "ignored\n",
                index, containerPath.c_str());
        else if (!LiesInside(record))
            Log("FileLoader::ReadDirectory: %s reaches past the end of %s and is ignored\n",
                record.name, containerPath.c_str());
    }
    Log("FileLoader::ReadDirectory: %s has no end record, the directory ends after record %zu\n",
        containerPath.c_str(), directory.size() - 1);
}
