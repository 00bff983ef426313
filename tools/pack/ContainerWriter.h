#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

// Builds the data container: a 500-record directory (a header record naming the data set, one
// record per file, an end record of length 0) followed by the identification text and the
// files' bytes. Every refusal leaves a message in Message().
class ContainerWriter {
  public:
    // Record 0 names the data set; its bytes are this text, so its length is never 0.
    static constexpr const char* kHeaderName = "quagleaper data set";
    // Header and end record take two of the 500 records.
    static constexpr std::size_t kMaxFiles = 498;

    // Adds every file below `folder`, sorted by container name, except `skip` (the container
    // itself when it is written into the folder it packs). Names are "data\" + relative path,
    // lower case, with backslashes.
    bool AddFolder(const std::filesystem::path& folder, const std::filesystem::path& skip = {});
    bool WriteTo(const std::filesystem::path& output);

    std::size_t FileCount() const { return files.size(); }
    const std::string& Message() const { return message; }

  private:
    struct Source {
        std::string name;
        std::filesystem::path path;
    };

    bool Refuse(std::string text);
    bool AddFile(const std::filesystem::path& folder, const std::filesystem::path& path);
    bool CheckNames();
    bool WriteEntries(std::FILE* out, std::vector<std::uint32_t>& offsets,
                      std::vector<std::uint32_t>& lengths);
    bool AppendFile(std::FILE* out, const Source& source, std::uint64_t position,
                    std::uint64_t& length);
    bool WriteDirectory(std::FILE* out, const std::vector<std::uint32_t>& offsets,
                        const std::vector<std::uint32_t>& lengths);

    std::vector<Source> files;
    std::string message;
};
