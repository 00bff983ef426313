// A sound's ".wav" file, decoded whole.
#include "FuzzFolder.h"
#include "sound/WavLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    folder.Write("data/sound.wav", data, size);
    PcmDescription pcm;
    WavLoader().load("data\\sound.wav", pcm);
    return 0;
}
