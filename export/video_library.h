// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// FFmpeg's libraries, opened by their sonames with dlopen when the first MP4 is written instead of
// linked: the programs start without loading them (a hundred libraries and more with their own
// dependencies), and a system without them still draws, prints and writes GIF files.
// FFmpeg's headers give the types and the prototypes; each pointer has the type of its function.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/frame.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <string>

#include "export/export_result.h"

namespace kiva {

// The functions the MP4 writer calls, by the library that holds them.
#define KIVA_LIBAVUTIL_FUNCTIONS(X)                                                                                  \
    X(av_strerror) X(av_log_set_level) X(av_opt_set) X(av_dict_set) X(av_dict_free) X(av_frame_alloc)                 \
        X(av_frame_free) X(av_frame_get_buffer) X(av_frame_make_writable)
#define KIVA_LIBSWSCALE_FUNCTIONS(X) X(sws_getContext) X(sws_scale) X(sws_freeContext)
#define KIVA_LIBAVCODEC_FUNCTIONS(X)                                                                                 \
    X(avcodec_find_encoder_by_name) X(avcodec_find_encoder) X(avcodec_alloc_context3) X(avcodec_open2)                \
        X(avcodec_free_context) X(avcodec_parameters_from_context) X(avcodec_send_frame) X(avcodec_receive_packet)     \
            X(av_packet_alloc) X(av_packet_free) X(av_packet_rescale_ts)
#define KIVA_LIBAVFORMAT_FUNCTIONS(X)                                                                                \
    X(avformat_alloc_output_context2) X(avformat_new_stream) X(avformat_write_header) X(avformat_free_context)         \
        X(avio_open) X(avio_closep) X(av_interleaved_write_frame) X(av_write_trailer)

struct VideoLibrary {
#define KIVA_VIDEO_FUNCTION_POINTER(function) decltype(&::function) function = nullptr;
    KIVA_LIBAVUTIL_FUNCTIONS(KIVA_VIDEO_FUNCTION_POINTER)
    KIVA_LIBSWSCALE_FUNCTIONS(KIVA_VIDEO_FUNCTION_POINTER)
    KIVA_LIBAVCODEC_FUNCTIONS(KIVA_VIDEO_FUNCTION_POINTER)
    KIVA_LIBAVFORMAT_FUNCTIONS(KIVA_VIDEO_FUNCTION_POINTER)
#undef KIVA_VIDEO_FUNCTION_POINTER
};

// The sonames to open, such as "libavformat.so.59".
struct VideoLibraryNames {
    std::string avutil;
    std::string swscale;
    std::string avcodec;
    std::string avformat;
};

// The sonames of the FFmpeg whose headers the program was built with: only those match its types.
VideoLibraryNames BuiltVideoLibraryNames();

struct LoadedVideoLibrary {
    // VideoLibraryMissing naming the sonames that cannot be opened, or the function a library lacks.
    ExportResult result;
    VideoLibrary functions;  // every pointer set when the result is Ok
};

// Opens the libraries for the rest of the process's life and looks up every function.
LoadedVideoLibrary LoadVideoLibrary(const VideoLibraryNames& names);

// The built sonames, loaded on the first call only; safe to call from any thread.
const LoadedVideoLibrary& SystemVideoLibrary();

}  // namespace kiva
