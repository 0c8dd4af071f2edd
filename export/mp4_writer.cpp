// SPDX-License-Identifier: GPL-2.0-or-later
// H.264 in an MP4 container with FFmpeg's libraries: libx264 through libavcodec, the pictures
// converted from BGR to 4:2:0 YUV by libswscale, and the index moved to the front of the file so
// a slide program can start playing before it has read the whole file.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include "export/animation_writer.h"

namespace kiva {

namespace {

constexpr const char* kQuality = "18";   // x264's constant rate factor: visually lossless for slides
constexpr const char* kPreset = "medium";

std::string AvReason(int error) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return text;
}

class Mp4Writer final : public AnimationWriter {
public:
    explicit Mp4Writer(const AnimationFileSpec& spec) : spec_(spec) {}
    ~Mp4Writer() override {
        sws_freeContext(scaler_);
        av_frame_free(&frame_);
        av_packet_free(&packet_);
        avcodec_free_context(&encoder_);
        if (container_) {
            if (container_->pb) avio_closep(&container_->pb);
            avformat_free_context(container_);
        }
    }
    Mp4Writer(const Mp4Writer&) = delete;
    Mp4Writer& operator=(const Mp4Writer&) = delete;

    ExportResult Open() {
        // The encoder's own chatter would fill the terminal of every export.
        av_log_set_level(AV_LOG_ERROR);
        const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
        if (!codec) codec = avcodec_find_encoder(AV_CODEC_ID_H264);
        if (!codec) return {ExportProblem::EncoderMissing, "H.264"};
        int error = avformat_alloc_output_context2(&container_, nullptr, "mp4", spec_.path.c_str());
        if (error < 0 || !container_) return {ExportProblem::EncoderFailed, AvReason(error)};
        encoder_ = avcodec_alloc_context3(codec);
        frame_ = av_frame_alloc();
        packet_ = av_packet_alloc();
        if (!encoder_ || !frame_ || !packet_) return {ExportProblem::EncoderFailed, AvReason(AVERROR(ENOMEM))};
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
        av_opt_set(encoder_->priv_data, "crf", kQuality, 0);
        av_opt_set(encoder_->priv_data, "preset", kPreset, 0);
        if ((error = avcodec_open2(encoder_, codec, nullptr)) < 0) return {ExportProblem::EncoderFailed, AvReason(error)};

        AVStream* stream = avformat_new_stream(container_, nullptr);
        if (!stream) return {ExportProblem::EncoderFailed, AvReason(AVERROR(ENOMEM))};
        stream->time_base = encoder_->time_base;
        stream->avg_frame_rate = encoder_->framerate;
        if ((error = avcodec_parameters_from_context(stream->codecpar, encoder_)) < 0)
            return {ExportProblem::EncoderFailed, AvReason(error)};
        if ((error = avio_open(&container_->pb, spec_.path.c_str(), AVIO_FLAG_WRITE)) < 0)
            return {ExportProblem::CannotCreate, AvReason(error)};
        AVDictionary* options = nullptr;
        av_dict_set(&options, "movflags", "+faststart", 0);
        error = avformat_write_header(container_, &options);
        av_dict_free(&options);
        if (error < 0) return {ExportProblem::CannotWrite, AvReason(error)};

        frame_->format = encoder_->pix_fmt;
        frame_->width = spec_.width;
        frame_->height = spec_.height;
        if ((error = av_frame_get_buffer(frame_, 0)) < 0) return {ExportProblem::EncoderFailed, AvReason(error)};
        scaler_ = sws_getContext(spec_.width, spec_.height, AV_PIX_FMT_BGR24, spec_.width, spec_.height,
                                 AV_PIX_FMT_YUV420P, SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
        if (!scaler_) return {ExportProblem::EncoderFailed, "colour conversion"};
        return {};
    }

    ExportResult AddFrame(const AnimationPicture& picture) override {
        int error = av_frame_make_writable(frame_);
        if (error < 0) return {ExportProblem::EncoderFailed, AvReason(error)};
        const std::uint8_t* source[1] = {picture.bgr.data()};
        const int sourceStride[1] = {3 * spec_.width};
        sws_scale(scaler_, source, sourceStride, 0, spec_.height, frame_->data, frame_->linesize);
        frame_->pts = frames_++;
        return Encode(frame_);
    }

    ExportResult Finish() override {
        ExportResult result = Encode(nullptr);  // drains the frames the encoder holds back
        if (!result.Ok()) return result;
        int error = av_write_trailer(container_);
        const bool failedWriting = container_->pb->error < 0;
        const int closed = avio_closep(&container_->pb);
        if (error >= 0 && failedWriting) error = AVERROR(EIO);
        if (error >= 0) error = closed;
        return error < 0 ? ExportResult{ExportProblem::CannotWrite, AvReason(error)} : ExportResult{};
    }

private:
    ExportResult Encode(const AVFrame* frame) {
        int error = avcodec_send_frame(encoder_, frame);
        if (error < 0) return {ExportProblem::EncoderFailed, AvReason(error)};
        while ((error = avcodec_receive_packet(encoder_, packet_)) >= 0) {
            av_packet_rescale_ts(packet_, encoder_->time_base, container_->streams[0]->time_base);
            packet_->stream_index = 0;
            error = av_interleaved_write_frame(container_, packet_);
            if (error < 0 || container_->pb->error < 0)
                return {ExportProblem::CannotWrite, AvReason(error < 0 ? error : container_->pb->error)};
        }
        if (error != AVERROR(EAGAIN) && error != AVERROR_EOF) return {ExportProblem::EncoderFailed, AvReason(error)};
        return {};
    }

    AnimationFileSpec spec_;
    AVFormatContext* container_ = nullptr;
    AVCodecContext* encoder_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
    std::int64_t frames_ = 0;
};

}  // namespace

std::unique_ptr<AnimationWriter> OpenMp4Writer(const AnimationFileSpec& spec, ExportResult& result) {
    auto writer = std::make_unique<Mp4Writer>(spec);
    result = writer->Open();
    if (!result.Ok()) return nullptr;
    return writer;
}

}  // namespace kiva
