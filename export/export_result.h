// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How an export (a picture, an animation, a scene file) ended. The core says what went wrong and with
// which value; the program that shows it words it.
#include <string>

namespace kiva {

enum class ExportProblem {
    None,
    Cancelled,
    NoFrames,          // zero frames asked for, or more than kMaxAnimationFrames
    BadFrameRate,      // outside 1 to kMaxFramesPerSecond
    BadSize,           // a side below kMinPictureSide or beyond kMaxPictureSide
    OddVideoSize,      // H.264 in the colour format slide programs play needs even sides
    UnknownFormat,     // the file name ends in neither .gif nor .mp4
    CannotCreate,      // the file cannot be made in its folder
    CannotWrite,       // writing failed part way, e.g. on a full disk
    EncoderMissing,    // no H.264 encoder in this system's FFmpeg
    EncoderFailed,
    TooManyAtoms,      // a scene file of more atoms than its format can number
    VideoLibraryMissing,  // FFmpeg's libraries, which MP4 files need, cannot be opened; the detail names them
};

struct ExportResult {
    ExportProblem problem = ExportProblem::None;
    std::string detail;  // the system's or the library's own reason, when there is one

    bool Ok() const { return problem == ExportProblem::None; }
};

}  // namespace kiva
