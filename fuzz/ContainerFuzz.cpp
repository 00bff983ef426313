// The data container: its directory read at start-up, then every entry it names opened and read
// whole, by bytes and by lines, through the game's own file layer.
#include "FuzzFolder.h"
#include "core/ContainerEntry.h"
#include "core/File.h"
#include "core/FileLoader.h"
#include "core/Singleton.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kLineSize = 256;

// What File says of an entry must stay within the entry, and the entry within the container.
void ReadEntry(const std::string& path, std::size_t containerSize) {
    File file;
    if (!file.Open(path, "rb"))
        return;
    const std::size_t length = file.Length();
    if (length > containerSize || file.Tell() != 0)
        std::abort();
    std::vector<char> bytes(length + 1);
    if (file.Read(bytes.data(), bytes.size()) != length || !file.Eof())
        std::abort();
    if (!file.Seek(0, 0))
        std::abort();
    std::size_t lineBytes = 0;
    char line[kLineSize];
    while (file.GetLine(line, kLineSize))
        lineBytes += std::strlen(line);
    // A NUL inside the entry shortens a line, so the lines may hold fewer bytes, never more.
    if (lineBytes > length)
        std::abort();
}

std::vector<std::string> NamedPaths(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> paths{"****"};
    for (std::size_t index = 0; index < FileLoader::kDirectoryRecords; ++index) {
        if ((index + 1) * sizeof(ContainerEntry) > size)
            break;
        ContainerEntry record;
        std::memcpy(&record, data + index * sizeof(ContainerEntry), sizeof record);
        if (record.Length() == 0)
            break;
        if (record.HasName())
            paths.emplace_back(record.Name());
    }
    return paths;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    folder.Write("data/Quagleaper.dat", data, size);
    FileLoader& files = Singleton<FileLoader>::Instance();
    // Without a directory the loader serves loose files, which are not the input.
    if (!files.ReadDirectory())
        return 0;
    for (const std::string& path : NamedPaths(data, size))
        ReadEntry(path, size);
    files.CloseContainer();
    return 0;
}
