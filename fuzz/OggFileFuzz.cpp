// A sound's ".ogg" file, decoded whole and streamed in small pieces.
#include "FuzzFolder.h"
#include "sound/OggLoader.h"
#include "sound/OggStreaming.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    folder.Write("data/sound.ogg", data, size);
    PcmDescription pcm;
    OggLoader().load("data\\sound.ogg", pcm);
    OggStreaming stream;
    if (!stream.open("data\\sound.ogg", pcm))
        return 0;
    char buffer[4096];
    // A damaged stream may stall; a bound on the reads keeps the run finite either way.
    for (int i = 0; i < 256 && stream.read(buffer, sizeof buffer) > 0; ++i) {
    }
    stream.close();
    return 0;
}
