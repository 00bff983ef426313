#include "sound/OggLoader.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include "core/Log.h"
#include "core/Quit.h"
#include "sound/SfxRegistry.h"
#include "sound/SoundFile.h"

#include <new>
#include <vorbis/vorbisfile.h>

namespace {

constexpr std::size_t kGrowBytes = 65536;
constexpr int kReadBytes = 4096;

std::unique_ptr<SfxLoader> Create() {
    return std::make_unique<OggLoader>();
}

bool Grow(std::vector<uint8_t>& pcm) {
    try {
        pcm.resize(pcm.size() + kGrowBytes);
        return true;
    } catch (const std::bad_alloc&) {
        QuitFatally("OggLoader: realloc not ok\n");
        return false;
    }
}

// 16-bit little-endian signed samples until the stream ends or breaks; false when memory ran out.
bool Decode(OggVorbis_File& decoder, const std::string& fileName, std::vector<uint8_t>& pcm) {
    std::size_t used = 0;
    while (true) {
        if (pcm.size() - used < static_cast<std::size_t>(kReadBytes) && !Grow(pcm))
            return false;
        int section = 0;
        const long got = ov_read(&decoder, reinterpret_cast<char*>(pcm.data() + used), kReadBytes,
                                 0, 2, 1, &section);
        if (got == 0)
            break;
        if (got < 0) {
            Log("something went wrong (%d), can't load ogg-file<%s>!\n", static_cast<int>(got),
                fileName.c_str());
            break;
        }
        used += static_cast<std::size_t>(got);
    }
    pcm.resize(used);
    pcm.shrink_to_fit();
    return true;
}

} // namespace

const bool kOggLoaderRegistered = SfxLoaderRegistry::Register("OggLoader", &Create);

bool OggLoader::canLoad(const std::string& fileName) const {
    return SoundFile::HasExtension(fileName, "OGG");
}

bool OggLoader::load(const std::string& fileName, PcmDescription& out) {
    if (!canLoad(fileName))
        return false;
    Log("OggLoader::Load %s\n", fileName.c_str());
    std::vector<uint8_t> file;
    if (!SoundFile::ReadWhole(fileName, file, "not enough memory\n"))
        return false;

    // Without a file handle the decoder reads only the bytes given here.
    OggVorbis_File decoder;
    if (ov_open(nullptr, &decoder, reinterpret_cast<const char*>(file.data()),
                static_cast<long>(file.size())) < 0) {
        Log("OggLoader: <%s> does not appear to be an Ogg bitstream.\n", fileName.c_str());
        return false;
    }
    const vorbis_info* info = ov_info(&decoder, -1);
    const int rate = static_cast<int>(info->rate);
    const int channels = info->channels;
    std::vector<uint8_t> pcm;
    const bool decoded = Decode(decoder, fileName, pcm);
    ov_clear(&decoder);
    if (!decoded)
        return false;
    if (pcm.empty()) {
        Log("OggLoader: <%s> holds no sound\n", fileName.c_str());
        return false;
    }

    out.sampleRate = rate;
    out.bitsPerSample = 16;
    out.channels = channels;
    out.frameCount = static_cast<int>(pcm.size() / (static_cast<std::size_t>(channels) * 2));
    out.data = std::move(pcm);
    return true;
}
