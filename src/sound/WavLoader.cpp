#include "sound/WavLoader.h"

#include "core/FileUtil.h"
#include "core/Log.h"
#include "sound/SfxRegistry.h"
#include "sound/SoundFile.h"

#include <climits>
#include <cstring>
#include <optional>

namespace {

constexpr std::size_t kIdBytes = 4;
constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::size_t kFormatBytes = 16;

std::unique_ptr<SfxLoader> Create() {
    return std::make_unique<WavLoader>();
}

uint16_t Read16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

uint32_t Read32(const uint8_t* at) {
    return static_cast<uint32_t>(Read16(at)) | static_cast<uint32_t>(Read16(at + 2)) << 16;
}

// Chunk ids are looked for only at `from` and every 4 bytes after it.
std::optional<std::size_t> FindId(const std::vector<uint8_t>& bytes, std::size_t from,
                                  const char* id) {
    for (std::size_t at = from; at + kIdBytes <= bytes.size(); at += kIdBytes)
        if (std::memcmp(bytes.data() + at, id, kIdBytes) == 0)
            return at;
    return std::nullopt;
}

// Bytes of the file from `at` on; none when `at` lies past its end.
std::size_t BytesFrom(const std::vector<uint8_t>& bytes, std::size_t at) {
    return at <= bytes.size() ? bytes.size() - at : 0;
}

// The format fields; nothing when the chunk cannot hold them or the sound cannot be played.
std::optional<PcmDescription> ReadFormat(const std::vector<uint8_t>& bytes, std::size_t fmt,
                                         const std::string& fileName) {
    const std::size_t fields = fmt + kChunkHeaderBytes;
    if (BytesFrom(bytes, fmt + kIdBytes) < kIdBytes ||
        Read32(bytes.data() + fmt + kIdBytes) > BytesFrom(bytes, fields)) {
        Log("WavLoader: the fmt chunk of %s reaches past the end of the file\n", fileName.c_str());
        return std::nullopt;
    }
    if (Read32(bytes.data() + fmt + kIdBytes) < kFormatBytes) {
        Log("WavLoader: the fmt chunk of %s is shorter than 16 bytes\n", fileName.c_str());
        return std::nullopt;
    }
    const uint8_t* field = bytes.data() + fields;
    PcmDescription format;
    format.channels = Read16(field + 2);
    const uint32_t rate = Read32(field + 4);
    format.sampleRate = rate <= INT_MAX ? static_cast<int>(rate) : 0;
    format.bitsPerSample = Read16(field + 14);
    if (format.channels == 0 || format.bitsPerSample < 8 || format.sampleRate == 0) {
        Log("WavLoader: %s has %d channels of %d bits at %d Hz, which cannot be played\n",
            fileName.c_str(), format.channels, format.bitsPerSample, format.sampleRate);
        return std::nullopt;
    }
    return format;
}

} // namespace

const bool kWavLoaderRegistered = SfxLoaderRegistry::Register("WavLoader", &Create);

bool WavLoader::canLoad(const std::string& fileName) const {
    return SoundFile::HasExtension(fileName, "WAV");
}

bool WavLoader::load(const std::string& fileName, PcmDescription& out) {
    if (!canLoad(fileName))
        return false;
    Log("WavLoader::Load %s\n", fileName.c_str());
    std::vector<uint8_t> bytes;
    if (!FileUtil::FileExists(fileName) ||
        !SoundFile::ReadWhole(fileName, bytes, "not enough memory\n"))
        return false;

    const std::optional<std::size_t> wave = FindId(bytes, 0, "WAVE");
    if (!wave) {
        Log("could not find WAVE chunk\n");
        return false;
    }
    const std::optional<std::size_t> fmt = FindId(bytes, *wave, "fmt ");
    if (!fmt) {
        Log("could not find fmt chunk\n");
        return false;
    }
    std::optional<PcmDescription> format = ReadFormat(bytes, *fmt, fileName);
    if (!format)
        return false;
    const std::size_t fmtEnd = *fmt + kChunkHeaderBytes + Read32(bytes.data() + *fmt + kIdBytes);
    const std::optional<std::size_t> data = FindId(bytes, fmtEnd, "data");
    if (!data) {
        Log("could not find data chunk\n");
        return false;
    }

    const std::size_t samples = *data + kChunkHeaderBytes;
    std::size_t size = BytesFrom(bytes, *data + kIdBytes) >= kIdBytes
                           ? Read32(bytes.data() + *data + kIdBytes)
                           : 0;
    if (size > BytesFrom(bytes, samples)) {
        size = BytesFrom(bytes, samples);
        Log("WavLoader: the data chunk of %s reaches past the end of the file, %zu bytes are "
            "used\n",
            fileName.c_str(), size);
    }
    if (size == 0) {
        Log("Zero length wav sample\n");
        return false;
    }

    std::memmove(bytes.data(), bytes.data() + samples, size);
    bytes.resize(size);
    bytes.shrink_to_fit();
    out = std::move(*format);
    out.frameCount = static_cast<int>(size / static_cast<std::size_t>(out.bitsPerSample / 8) /
                                      static_cast<std::size_t>(out.channels));
    out.data = std::move(bytes);
    return true;
}
