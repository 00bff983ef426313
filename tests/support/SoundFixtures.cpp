#include "support/SoundFixtures.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace SoundFixtures {

namespace {

constexpr double kPi = 3.14159265358979323846;

void AppendPages(ogg_stream_state& stream, std::string& out, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        out.append(reinterpret_cast<const char*>(page.header), static_cast<std::size_t>(page.header_len));
        out.append(reinterpret_cast<const char*>(page.body), static_cast<std::size_t>(page.body_len));
    }
}

void DrainPackets(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream, std::string& out) {
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        ogg_packet packet;
        while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
            ogg_stream_packetin(&stream, &packet);
            AppendPages(stream, out, false);
        }
    }
}

} // namespace

std::string Le16(int value) {
    const auto bits = static_cast<uint16_t>(value);
    return {static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8)};
}

std::string Le32(uint32_t value) {
    return Le16(static_cast<int>(value & 0xFFFF)) + Le16(static_cast<int>(value >> 16));
}

std::string Chunk(const std::string& id, const std::string& bytes) {
    return id + Le32(static_cast<uint32_t>(bytes.size())) + bytes;
}

std::string FormatFields(int channels, int rate, int bits) {
    const int blockAlign = channels * bits / 8;
    return Le16(1) + Le16(channels) + Le32(static_cast<uint32_t>(rate)) +
           Le32(static_cast<uint32_t>(rate * blockAlign)) + Le16(blockAlign) + Le16(bits);
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + Le32(static_cast<uint32_t>(chunks.size() + 4)) + "WAVE" + chunks;
}

std::string Wav(int channels, int rate, int bits, const std::string& samples) {
    return Riff(Chunk("fmt ", FormatFields(channels, rate, bits)) + Chunk("data", samples));
}

std::string Samples16(const std::vector<int16_t>& samples) {
    std::string bytes;
    for (const int16_t sample : samples)
        bytes += Le16(sample);
    return bytes;
}

std::string Tone16(int frames, int channels, int rate, double hertz, int amplitude) {
    std::vector<int16_t> samples;
    for (int frame = 0; frame < frames; ++frame) {
        const double level = amplitude * std::sin(2 * kPi * hertz * frame / rate);
        for (int channel = 0; channel < channels; ++channel)
            samples.push_back(static_cast<int16_t>(std::lround(level)));
    }
    return Samples16(samples);
}

std::string OggTone(int frames, int channels, int rate, double hertz, float amplitude) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.4f) != 0)
        std::abort();
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::string out;
    ogg_packet header;
    ogg_packet commentHeader;
    ogg_packet codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    AppendPages(stream, out, true);

    constexpr int kChunkFrames = 1024;
    for (int start = 0; start < frames; start += kChunkFrames) {
        const int count = std::min(kChunkFrames, frames - start);
        float** buffer = vorbis_analysis_buffer(&dsp, count);
        for (int i = 0; i < count; ++i)
            for (int channel = 0; channel < channels; ++channel)
                buffer[channel][i] = amplitude * static_cast<float>(std::sin(2 * kPi * hertz * (start + i) / rate));
        vorbis_analysis_wrote(&dsp, count);
        DrainPackets(dsp, block, stream, out);
    }
    vorbis_analysis_wrote(&dsp, 0);
    DrainPackets(dsp, block, stream, out);
    AppendPages(stream, out, true);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

} // namespace SoundFixtures
