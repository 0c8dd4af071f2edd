// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// An MP4 file read back through the libavformat the writer opens: the same soname, with dlopen,
// so the test program links FFmpeg no more than the programs do.
#include <dlfcn.h>

#include <bit>
#include <optional>
#include <string>

#include "export/video_library.h"

namespace kiva {

struct VideoFacts {
    unsigned streams = 0;
    AVCodecID codec = AV_CODEC_ID_NONE;
    int width = 0;
    int height = 0;
    int format = AV_PIX_FMT_NONE;
    int packets = 0;
    AVRational frameRate{0, 1};
    double seconds = 0;  // the stream's duration
};

namespace video_read_back {

template <typename Function>
Function Find(void* library, const char* name) {
    return std::bit_cast<Function>(library ? dlsym(library, name) : nullptr);
}

}  // namespace video_read_back

// Nothing when the file cannot be opened as a container with a stream.
inline std::optional<VideoFacts> ReadVideoFacts(const std::string& path) {
    using video_read_back::Find;
    const VideoLibraryNames names = BuiltVideoLibraryNames();
    void* avformat = dlopen(names.avformat.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* avcodec = dlopen(names.avcodec.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto open = Find<decltype(&avformat_open_input)>(avformat, "avformat_open_input");
    const auto findInfo = Find<decltype(&avformat_find_stream_info)>(avformat, "avformat_find_stream_info");
    const auto readFrame = Find<decltype(&av_read_frame)>(avformat, "av_read_frame");
    const auto close = Find<decltype(&avformat_close_input)>(avformat, "avformat_close_input");
    const auto allocPacket = Find<decltype(&av_packet_alloc)>(avcodec, "av_packet_alloc");
    const auto unrefPacket = Find<decltype(&av_packet_unref)>(avcodec, "av_packet_unref");
    const auto freePacket = Find<decltype(&av_packet_free)>(avcodec, "av_packet_free");
    std::optional<VideoFacts> facts;
    AVFormatContext* container = nullptr;
    if (open && findInfo && readFrame && close && allocPacket && unrefPacket && freePacket &&
        open(&container, path.c_str(), nullptr, nullptr) == 0) {
        if (findInfo(container, nullptr) >= 0 && container->nb_streams > 0) {
            const AVStream* stream = container->streams[0];
            facts = VideoFacts{container->nb_streams, stream->codecpar->codec_id, stream->codecpar->width,
                               stream->codecpar->height, stream->codecpar->format, 0, stream->avg_frame_rate,
                               static_cast<double>(stream->duration) * stream->time_base.num / stream->time_base.den};
            AVPacket* packet = allocPacket();
            while (packet && readFrame(container, packet) >= 0) {
                facts->packets += packet->stream_index == 0;
                unrefPacket(packet);
            }
            freePacket(&packet);
        }
        close(&container);
    }
    if (avcodec) dlclose(avcodec);
    if (avformat) dlclose(avformat);
    return facts;
}

}  // namespace kiva
