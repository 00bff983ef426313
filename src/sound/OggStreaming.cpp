#include "sound/OggStreaming.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include "core/Log.h"
#include "sound/SfxRegistry.h"
#include "sound/SoundFile.h"

#include <vorbis/vorbisfile.h>

namespace {

std::unique_ptr<SfxStreaming> Create() {
    return std::make_unique<OggStreaming>();
}

} // namespace

const bool kOggStreamingRegistered = SfxStreamingRegistry::Register("OggStreaming", &Create);

OggStreaming::OggStreaming() : decoder(std::make_unique<OggVorbis_File>()) {}

OggStreaming::~OggStreaming() {
    close();
}

bool OggStreaming::canStream(const std::string& fileName) const {
    return SoundFile::HasExtension(fileName, "OGG");
}

bool OggStreaming::open(const std::string& fileName, PcmDescription& format) {
    if (!canStream(fileName))
        return false;
    close();
    Log("OggStreaming::Create: %s\n", fileName.c_str());
    if (!SoundFile::ReadWhole(fileName, compressed, "OggStreaming: not enough memory\n"))
        return false;
    if (!openDecoder()) {
        Log("OggStreaming: Input does not appear to be an Ogg bitstream.\n");
        close();
        return false;
    }
    const vorbis_info* info = ov_info(decoder.get(), -1);
    format.sampleRate = static_cast<int>(info->rate);
    format.bitsPerSample = 16;
    format.channels = info->channels;
    return true;
}

bool OggStreaming::close() {
    closeDecoder();
    compressed.clear();
    compressed.shrink_to_fit();
    return true;
}

int OggStreaming::read(void* buffer, int bytes) {
    if (!decoderOpen || bytes <= 0)
        return 0;
    int section = 0;
    const long got = ov_read(decoder.get(), static_cast<char*>(buffer), bytes, 0, 2, 1, &section);
    if (got > 0)
        return static_cast<int>(got);
    if (got < 0) {
        Log("something went wrong(%d)!\n", static_cast<int>(got));
        return 0;
    }
    // The end: the next read starts the piece over.
    closeDecoder();
    if (!openDecoder())
        Log("Input does not appear to be an Ogg bitstream.\n");
    return 0;
}

// Without a file handle the decoder reads only the bytes given here.
bool OggStreaming::openDecoder() {
    decoderOpen = ov_open(nullptr, decoder.get(), reinterpret_cast<const char*>(compressed.data()),
                          static_cast<long>(compressed.size())) == 0;
    return decoderOpen;
}

void OggStreaming::closeDecoder() {
    if (decoderOpen)
        ov_clear(decoder.get());
    decoderOpen = false;
}
