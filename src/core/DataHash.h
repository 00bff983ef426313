#pragma once

#include <cstdint>
#include <string>

// Fingerprints of what a game depends on besides its input, so that a replay is only checked
// against the data and tuning it was played with: FNV-1a, 64 bits.
class DataHash {
  public:
    // config.txt as the game reads it, from the container or the loose files.
    static std::uint64_t Config();
    // The container in use, or else every loose file under data/ but config.txt and what the
    // player writes there (the high scores, the replays), names and bytes in name order.
    // Hashed once a run: the data does not change under a running game.
    static std::uint64_t Data();
    // Why a replay recorded with these hashes cannot be played on this data; empty when it can.
    // config.txt first: inside a container it changes the container's hash as well.
    static std::string Mismatch(std::uint64_t configHash, std::uint64_t dataHash);

  private:
    static void Add(std::uint64_t& hash, const void* bytes, std::size_t count);
    static bool AddFile(std::uint64_t& hash, const std::string& nativePath);
    static bool PlayersOwn(const std::string& relativePath);
    static std::uint64_t HashData();
};
