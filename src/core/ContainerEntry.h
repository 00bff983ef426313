#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

// One 64-byte record of the data container's directory, kept exactly as stored on disk. The
// numbers are decoded byte by byte so the layout does not depend on the host's byte order or
// alignment.
struct ContainerEntry {
    static constexpr std::size_t kNameSize = 48;
    static constexpr std::size_t kMaxNameLength = kNameSize - 1;

    char name[kNameSize];
    unsigned char offset[4];
    unsigned char length[4];
    unsigned char reserved[8];

    std::uint32_t Offset() const { return Decode(offset); }
    std::uint32_t Length() const { return Decode(length); }
    void SetOffset(std::uint32_t value) { Encode(value, offset); }
    void SetLength(std::uint32_t value) { Encode(value, length); }

    // Empty when the field holds no NUL: such a name is unreadable and must never match.
    std::string_view Name() const {
        const void* end = std::memchr(name, '\0', kNameSize);
        return end ? std::string_view(name, static_cast<const char*>(end) - name)
                   : std::string_view();
    }

    bool HasName() const { return std::memchr(name, '\0', kNameSize) != nullptr; }
    bool NameEquals(std::string_view path) const { return HasName() && Name() == path; }

    // False (and the field untouched) when the text does not fit with its NUL.
    bool SetName(std::string_view text) {
        if (text.size() > kMaxNameLength)
            return false;
        std::fill(std::begin(name), std::end(name), '\0');
        std::copy(text.begin(), text.end(), name);
        return true;
    }

  private:
    static std::uint32_t Decode(const unsigned char (&bytes)[4]) {
        return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
               static_cast<std::uint32_t>(bytes[2]) << 16 |
               static_cast<std::uint32_t>(bytes[3]) << 24;
    }

    static void Encode(std::uint32_t value, unsigned char (&bytes)[4]) {
        for (unsigned char& byte : bytes) {
            byte = static_cast<unsigned char>(value & 0xFFu);
            value >>= 8;
        }
    }
};

static_assert(sizeof(ContainerEntry) == 64, "a directory record is 64 bytes on disk");
static_assert(std::is_trivially_copyable_v<ContainerEntry> &&
                  std::is_standard_layout_v<ContainerEntry>,
              "the directory is read verbatim into these records");
