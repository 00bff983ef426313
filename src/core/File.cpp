#include "core/File.h"

#include "core/ContainerEntry.h"
#include "core/FileLoader.h"
#include "core/FileUtil.h"

#include <algorithm>
#include <cstdarg>

File::~File() {
    Close();
}

bool File::Open(const std::string& path, const char* mode) {
    Close();
    if (!mode)
        return false;
    if (mode[0] == 'r') {
        std::FILE* opened = Singleton<FileLoader>::Instance().OpenEntry(path, entry);
        if (!entry)
            ownedStream.reset(opened);
        stream = opened;
    } else {
        ownedStream.reset(std::fopen(FileUtil::NativePath(path).c_str(), mode));
        stream = ownedStream.get();
    }
    return stream != nullptr;
}

void File::Close() {
    ownedStream.reset();
    stream = nullptr;
    entry = nullptr;
}

bool File::IsOpen() const {
    return stream != nullptr;
}

std::size_t File::Read(void* buffer, std::size_t count) {
    if (!stream)
        return 0;
    if (entry)
        count = std::min(count, RemainingInEntry());
    return count ? std::fread(buffer, 1, count, stream) : 0;
}

std::size_t File::Write(const void* buffer, std::size_t count) {
    if (!stream || entry)
        return 0;
    return std::fwrite(buffer, 1, count, stream);
}

bool File::Eof() const {
    if (!stream)
        return true;
    return entry ? RemainingInEntry() == 0 : std::feof(stream) != 0;
}

long File::Tell() const {
    if (!stream)
        return -1;
    return entry ? PositionInEntry() : std::ftell(stream);
}

bool File::Seek(int origin, long offset) {
    if (!stream)
        return false;
    return entry ? SeekInEntry(origin, offset) : std::fseek(stream, offset, origin) == 0;
}

std::size_t File::Length() const {
    if (!stream)
        return 0;
    return entry ? entry->Length() : LooseLength();
}

char* File::GetLine(char* buffer, int size) {
    // A one-byte buffer holds no character, and a reader looping until Eof would never get there.
    if (!stream || size < 2 || Eof())
        return nullptr;
    if (entry)
        size = static_cast<int>(
            std::min<std::size_t>(static_cast<std::size_t>(size), RemainingInEntry() + 1));
    return std::fgets(buffer, size, stream);
}

int File::Printf(const char* format, ...) {
    if (!stream)
        return -1;
    if (entry)
        return 0;
    va_list args;
    va_start(args, format);
    const int written = std::vfprintf(stream, format, args);
    va_end(args);
    return written;
}

long File::PositionInEntry() const {
    return std::ftell(stream) - static_cast<long>(entry->Offset());
}

std::size_t File::RemainingInEntry() const {
    // The stream is shared: another entry may have moved it anywhere.
    const long position = PositionInEntry();
    const long length = static_cast<long>(entry->Length());
    return position >= 0 && position < length ? static_cast<std::size_t>(length - position) : 0;
}

bool File::SeekInEntry(int origin, long offset) {
    const long length = static_cast<long>(entry->Length());
    long base = 0;
    switch (origin) {
    case 0:
        base = 0;
        break;
    case 1:
        base = PositionInEntry();
        break;
    case 2:
        base = length;
        break;
    default:
        return false;
    }
    if (base < 0 || base > length || offset < -base || offset > length - base)
        return false;
    return std::fseek(stream, static_cast<long>(entry->Offset()) + base + offset, SEEK_SET) == 0;
}

std::size_t File::LooseLength() const {
    const long position = std::ftell(stream);
    if (position < 0 || std::fseek(stream, 0, SEEK_END) != 0)
        return 0;
    const long end = std::ftell(stream);
    std::fseek(stream, position, SEEK_SET);
    return end > 0 ? static_cast<std::size_t>(end) : 0;
}
