// SPDX-License-Identifier: GPL-2.0-or-later
// H.264 in an MP4 container with FFmpeg's libraries: libx264 through libavcodec, the pictures
// converted from BGR to 4:2:0 YUV by libswscale, and the index moved to the front of the file so
// a slide program can start playing before it has read the whole file. The libraries are opened
// when the first MP4 is written.
#include "export/mp4_writer.h"

namespace kiva {

namespace {

constexpr const char* kQuality = "18";   // x264's constant rate factor: visually lossless for slides
constexpr const char* kPreset = "medium";

class Mp4Writer final : public AnimationWriter {
public:
    Mp4Writer(const AnimationFileSpec& spec, const VideoLibrary& av) : spec_(spec), av_(av) {}
    ~Mp4Writer() override {
        av_.sws_freeContext(scaler_);
        av_.av_frame_free(&frame_);
        av_.av_packet_free(&packet_);
        av_.avcodec_free_context(&encoder_);
        if (container_) {
            if (container_->pb) av_.avio_closep(&container_->pb);
            av_.avformat_free_context(container_);
        }
    }
    Mp4Writer(const Mp4Writer&) = delete;
    Mp4Writer& operator=(const Mp4Writer&) = delete;

    ExportResult Open() {
        // The encoder's own chatter would fill the terminal of every export.
        av_.av_log_set_level(AV_LOG_ERROR);
        const AVCodec* codec = av_.avcodec_find_encoder_by_name("libx264");
        if (!codec) codec = av_.avcodec_find_encoder(AV_CODEC_ID_H264);
        if (!codec) return {ExportProblem::EncoderMissing, "H.264"};
        int error = av_.avformat_alloc_output_context2(&container_, nullptr, "mp4", spec_.path.c_str());
        if (error < 0 || !container_) return {ExportProblem::EncoderFailed, Reason(error)};
        encoder_ = av_.avcodec_alloc_context3(codec);
        frame_ = av_.av_frame_alloc();
        packet_ = av_.av_packet_alloc();
        if (!encoder_ || !frame_ || !packet_) return {ExportProblem::EncoderFailed, Reason(AVERROR(ENOMEM))};
        encoder_->width = spec_.width;
        encoder_->height = spec_.height;
        encoder_->time_base = AVRational{1, spec_.framesPerSecond};
        encoder_->framerate = AVRational{spec_.framesPerSecond, 1};
        encoder_->pix_fmt = AV_PIX_FMT_YUV420P;
        encoder_->gop_size = spec_.framesPerSecond;  // a key frame a second, for seeking on a slide
        // libswscale's default conversion matrix is BT.601, limited range: say so in the stream.
        encoder_->colorspace = AVCOL_SPC_SMPTE170M;
        encoder_->color_range = AVCOL_RANGE_MPEG;
        if (container_->oformat->flags & AVFMT_GLOBALHEADER) encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        av_.av_opt_set(encoder_->priv_data, "crf", kQuality, 0);
        av_.av_opt_set(encoder_->priv_data, "preset", kPreset, 0);
        if ((error = av_.avcodec_open2(encoder_, codec, nullptr)) < 0)
            return {ExportProblem::EncoderFailed, Reason(error)};

        AVStream* stream = av_.avformat_new_stream(container_, nullptr);
        if (!stream) return {ExportProblem::EncoderFailed, Reason(AVERROR(ENOMEM))};
        stream->time_base = encoder_->time_base;
        stream->avg_frame_rate = encoder_->framerate;
        if ((error = av_.avcodec_parameters_from_context(stream->codecpar, encoder_)) < 0)
            return {ExportProblem::EncoderFailed, Reason(error)};
        if ((error = av_.avio_open(&container_->pb, spec_.path.c_str(), AVIO_FLAG_WRITE)) < 0)
            return {ExportProblem::CannotCreate, Reason(error)};
        AVDictionary* options = nullptr;
        av_.av_dict_set(&options, "movflags", "+faststart", 0);
        error = av_.avformat_write_header(container_, &options);
        av_.av_dict_free(&options);
        if (error < 0) return {ExportProblem::CannotWrite, Reason(error)};

        frame_->format = encoder_->pix_fmt;
        frame_->width = spec_.width;
        frame_->height = spec_.height;
        if ((error = av_.av_frame_get_buffer(frame_, 0)) < 0) return {ExportProblem::EncoderFailed, Reason(error)};
        scaler_ = av_.sws_getContext(spec_.width, spec_.height, AV_PIX_FMT_BGR24, spec_.width, spec_.height,
                                     AV_PIX_FMT_YUV420P, SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
        if (!scaler_) return {ExportProblem::EncoderFailed, "colour conversion"};
        return {};
    }

    ExportResult AddFrame(const Picture& picture) override {
        int error = av_.av_frame_make_writable(frame_);
        if (error < 0) return {ExportProblem::EncoderFailed, Reason(error)};
        const std::uint8_t* source[1] = {picture.colour.data()};
        const int sourceStride[1] = {3 * spec_.width};
        av_.sws_scale(scaler_, source, sourceStride, 0, spec_.height, frame_->data, frame_->linesize);
        frame_->pts = frames_++;
        return Encode(frame_);
    }

    ExportResult Finish() override {
        ExportResult result = Encode(nullptr);  // drains the frames the encoder holds back
        if (!result.Ok()) return result;
        int error = av_.av_write_trailer(container_);
        const bool failedWriting = container_->pb->error < 0;
        const int closed = av_.avio_closep(&container_->pb);
        if (error >= 0 && failedWriting) error = AVERROR(EIO);
        if (error >= 0) error = closed;
        return error < 0 ? ExportResult{ExportProblem::CannotWrite, Reason(error)} : ExportResult{};
    }

private:
    std::string Reason(int error) const {
        char text[AV_ERROR_MAX_STRING_SIZE] = {};
        av_.av_strerror(error, text, sizeof text);
        return text;
    }

    ExportResult Encode(const AVFrame* frame) {
        int error = av_.avcodec_send_frame(encoder_, frame);
        if (error < 0) return {ExportProblem::EncoderFailed, Reason(error)};
        while ((error = av_.avcodec_receive_packet(encoder_, packet_)) >= 0) {
            av_.av_packet_rescale_ts(packet_, encoder_->time_base, container_->streams[0]->time_base);
            packet_->stream_index = 0;
            error = av_.av_interleaved_write_frame(container_, packet_);
            if (error < 0 || container_->pb->error < 0)
                return {ExportProblem::CannotWrite, Reason(error < 0 ? error : container_->pb->error)};
        }
        if (error != AVERROR(EAGAIN) && error != AVERROR_EOF) return {ExportProblem::EncoderFailed, Reason(error)};
        return {};
    }

    AnimationFileSpec spec_;
    const VideoLibrary& av_;
    AVFormatContext* container_ = nullptr;
    AVCodecContext* encoder_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
    std::int64_t frames_ = 0;
};

}  // namespace

std::unique_ptr<AnimationWriter> OpenMp4Writer(const AnimationFileSpec& spec, const LoadedVideoLibrary& library,
                                               ExportResult& result) {
    // Nothing is written when the libraries are missing.
    if (!library.result.Ok()) {
        result = library.result;
        return nullptr;
    }
    auto writer = std::make_unique<Mp4Writer>(spec, library.functions);
    result = writer->Open();
    if (!result.Ok()) return nullptr;
    return writer;
}

std::unique_ptr<AnimationWriter> OpenMp4Writer(const AnimationFileSpec& spec, ExportResult& result) {
    return OpenMp4Writer(spec, SystemVideoLibrary(), result);
}

}  // namespace kiva
