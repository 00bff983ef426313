#include "core/DataHash.h"

#include "core/File.h"
#include "core/FileLoader.h"
#include "core/Log.h"
#include "core/Replay.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {
constexpr std::uint64_t kOffsetBasis = 14695981039346656037ull;
constexpr std::uint64_t kPrime = 1099511628211ull;
constexpr std::size_t kChunk = 1 << 16;
} // namespace

void DataHash::Add(std::uint64_t& hash, const void* bytes, std::size_t count) {
    const auto* byte = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < count; ++i)
        hash = (hash ^ byte[i]) * kPrime;
}

std::uint64_t DataHash::Config() {
    std::uint64_t hash = kOffsetBasis;
    File file;
    if (!file.Open(Singleton<FileLoader>::Instance().GetBasePath() + "config.txt", "rb"))
        return hash;
    std::vector<char> buffer(kChunk);
    while (const std::size_t got = file.Read(buffer.data(), buffer.size()))
        Add(hash, buffer.data(), got);
    return hash;
}

bool DataHash::AddFile(std::uint64_t& hash, const std::string& nativePath) {
    std::ifstream in(nativePath, std::ios::binary);
    std::vector<char> buffer(kChunk);
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0)
        Add(hash, buffer.data(), static_cast<std::size_t>(in.gcount()));
    return in.eof();
}

bool DataHash::PlayersOwn(const std::string& relativePath) {
    return relativePath == "config.txt" || relativePath.starts_with("HighScore.txt") ||
           relativePath.starts_with("replays/") || relativePath == "Quagleaper.dat" ||
           relativePath == Replay::kDemoFile || relativePath.ends_with(".new");
}

std::uint64_t DataHash::Data() {
    static const std::uint64_t hash = HashData();
    return hash;
}

std::string DataHash::Mismatch(std::uint64_t configHash, std::uint64_t dataHash) {
    if (configHash != Config())
        return "the replay was recorded with another config.txt";
    if (dataHash != Data())
        return "the replay was recorded with other game data";
    return {};
}

std::uint64_t DataHash::HashData() {
    std::uint64_t hash = kOffsetBasis;
    const FileLoader& loader = Singleton<FileLoader>::Instance();
    if (const std::string container = loader.ContainerInUse(); !container.empty()) {
        if (!AddFile(hash, container))
            Log("DataHash: could not read %s whole.\n", container.c_str());
        return hash;
    }
    const std::filesystem::path root = loader.DataFolderOnDisk();
    std::vector<std::string> names;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(root, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
        if (it->is_regular_file(error))
            names.push_back(it->path().lexically_relative(root).generic_string());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        if (PlayersOwn(name))
            continue;
        Add(hash, name.c_str(), name.size() + 1);
        if (!AddFile(hash, (root / name).string()))
            Log("DataHash: could not read data/%s whole.\n", name.c_str());
    }
    return hash;
}
