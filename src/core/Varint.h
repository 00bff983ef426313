#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Little-endian base-128 numbers: the replay's turns are mostly tiny, so most take one byte.
namespace Varint {

inline void Put(std::string& out, std::uint64_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

// Signed numbers folded so that small magnitudes of either sign stay small.
inline std::uint64_t Zigzag(std::int64_t value) {
    return (static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63);
}

inline std::int64_t Unzigzag(std::uint64_t value) {
    return static_cast<std::int64_t>(value >> 1) ^ -static_cast<std::int64_t>(value & 1);
}

// Reads one number at `pos` and moves past it; none when the bytes end first or it runs
// past 64 bits.
inline std::optional<std::uint64_t> Get(std::string_view in, std::size_t& pos) {
    std::uint64_t value = 0;
    for (int shift = 0; shift < 64 && pos < in.size(); shift += 7) {
        const auto byte = static_cast<unsigned char>(in[pos++]);
        value |= std::uint64_t{byte & 0x7Fu} << shift;
        if (byte < 0x80)
            return value;
    }
    return std::nullopt;
}

} // namespace Varint
