// SPDX-License-Identifier: GPL-2.0-or-later
// Animated GIF files with giflib: a GIF89a screen, the application extension that makes viewers
// loop, and per frame a delay, a palette of its own quantised by median cut, and the pixels.
#include <gif_lib.h>

#include <cmath>
#include <vector>

#include "export/animation_writer.h"

namespace kiva {

namespace {

constexpr int kPaletteSize = 256;  // colours of one GIF frame

ExportResult GifFailure(ExportProblem problem, int error) { return {problem, GifErrorString(error)}; }

class GifWriter final : public AnimationWriter {
public:
    GifWriter(GifFileType* gif, const AnimationFileSpec& spec) : gif_(gif), spec_(spec) {}
    ~GifWriter() override {
        if (gif_) EGifCloseFile(gif_, nullptr);
    }
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    ExportResult Start() {
        EGifSetGifVersion(gif_, true);
        if (EGifPutScreenDesc(gif_, spec_.width, spec_.height, 8, 0, nullptr) == GIF_ERROR)
            return GifFailure(ExportProblem::CannotWrite, gif_->Error);
        // NETSCAPE2.0 with a loop count of 0: play for ever.
        static const char kLoopName[] = "NETSCAPE2.0";
        const unsigned char loopForever[3] = {1, 0, 0};
        if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
            EGifPutExtensionBlock(gif_, 11, kLoopName) == GIF_ERROR ||
            EGifPutExtensionBlock(gif_, 3, loopForever) == GIF_ERROR || EGifPutExtensionTrailer(gif_) == GIF_ERROR)
            return GifFailure(ExportProblem::CannotWrite, gif_->Error);
        return {};
    }

    ExportResult AddFrame(const Picture& frame) override {
        const std::size_t pixels = static_cast<std::size_t>(spec_.width) * static_cast<std::size_t>(spec_.height);
        std::vector<GifByteType> red(pixels), green(pixels), blue(pixels), indices(pixels);
        for (std::size_t i = 0; i < pixels; ++i) {
            blue[i] = frame.colour[3 * i];
            green[i] = frame.colour[3 * i + 1];
            red[i] = frame.colour[3 * i + 2];
        }
        int colours = kPaletteSize;
        std::vector<GifColorType> palette(kPaletteSize);
        if (GifQuantizeBuffer(static_cast<unsigned>(spec_.width), static_cast<unsigned>(spec_.height), &colours,
                              red.data(), green.data(), blue.data(), indices.data(), palette.data()) == GIF_ERROR)
            return {ExportProblem::EncoderFailed, "colour quantisation"};
        ColorMapObject* map = GifMakeMapObject(kPaletteSize, palette.data());
        if (!map) return GifFailure(ExportProblem::EncoderFailed, E_GIF_ERR_NOT_ENOUGH_MEM);

        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSAL_UNSPECIFIED;  // each frame covers the whole picture
        control.DelayTime = NextDelay();
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        bool written = EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) != GIF_ERROR &&
                       EGifPutImageDesc(gif_, 0, 0, spec_.width, spec_.height, false, map) != GIF_ERROR;
        for (int row = 0; written && row < spec_.height; ++row)
            written = EGifPutLine(gif_, &indices[static_cast<std::size_t>(row) * static_cast<std::size_t>(spec_.width)],
                                  spec_.width) != GIF_ERROR;
        GifFreeMapObject(map);
        ++frames_;
        return written ? ExportResult{} : GifFailure(ExportProblem::CannotWrite, gif_->Error);
    }

    ExportResult Finish() override {
        int error = 0;
        const bool closed = EGifCloseFile(gif_, &error) != GIF_ERROR;
        gif_ = nullptr;
        return closed ? ExportResult{} : GifFailure(ExportProblem::CannotWrite, error);
    }

private:
    // GIF delays are whole hundredths of a second: each frame takes its share of the rounded
    // running time, so 12 frames a second play as 8, 9, 8, ... and keep the rate on average.
    int NextDelay() const {
        const auto endOf = [this](int frame) { return std::lround(100.0 * frame / spec_.framesPerSecond); };
        return static_cast<int>(endOf(frames_ + 1) - endOf(frames_));
    }

    GifFileType* gif_;
    AnimationFileSpec spec_;
    int frames_ = 0;
};

}  // namespace

std::unique_ptr<AnimationWriter> OpenGifWriter(const AnimationFileSpec& spec, ExportResult& result) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(spec.path.c_str(), false, &error);
    if (!gif) {
        result = GifFailure(ExportProblem::CannotCreate, error);
        return nullptr;
    }
    auto writer = std::make_unique<GifWriter>(gif, spec);
    result = writer->Start();
    if (!result.Ok()) return nullptr;
    return writer;
}

}  // namespace kiva
