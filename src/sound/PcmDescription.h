#pragma once

#include <cstdint>
#include <vector>

// Decoded sound: linear PCM, 8-bit samples unsigned, 16- and 32-bit signed little-endian,
// channels interleaved. A stream's format leaves the frame count 0 and the data empty.
struct PcmDescription {
    int sampleRate = 0;
    int bitsPerSample = 0;
    int channels = 0;
    int frameCount = 0;
    std::vector<uint8_t> data;
};
