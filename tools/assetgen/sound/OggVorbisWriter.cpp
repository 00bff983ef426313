#include "sound/OggVorbisWriter.h"

#include "core/Log.h"

#include <algorithm>
#include <vorbis/vorbisenc.h>

namespace {

constexpr int kStreamSerial = 0x51A6;
constexpr std::size_t kBlockFrames = 4096;

void AppendPages(ogg_stream_state& stream, std::string& out, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        out.append(reinterpret_cast<const char*>(page.header),
                   static_cast<std::size_t>(page.header_len));
        out.append(reinterpret_cast<const char*>(page.body),
                   static_cast<std::size_t>(page.body_len));
    }
}

void DrainPackets(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream,
                  std::string& out) {
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

std::string OggVorbisWriter::Encode(const SoundClip& clip, float quality) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, clip.channels(), clip.sampleRate, quality) != 0) {
        Log("OggVorbisWriter: the encoder refuses quality %.2f for %d channels at %d Hz\n",
            static_cast<double>(quality), clip.channels(), clip.sampleRate);
        vorbis_info_clear(&info);
        return {};
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, kStreamSerial);

    std::string out;
    ogg_packet header;
    ogg_packet commentHeader;
    ogg_packet codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    AppendPages(stream, out, true);

    for (std::size_t start = 0; start < clip.frames(); start += kBlockFrames) {
        const std::size_t count = std::min(kBlockFrames, clip.frames() - start);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
        std::copy_n(clip.left.begin() + static_cast<std::ptrdiff_t>(start), count, buffer[0]);
        if (clip.channels() == 2)
            std::copy_n(clip.right.begin() + static_cast<std::ptrdiff_t>(start), count, buffer[1]);
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));
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
