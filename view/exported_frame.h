// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whether the pictures that leave the window (exported pictures and animations, copies and
// handouts) carry its green picture frame: off unless the user ticks it in an export dialog,
// and kept in the profile; and whether pictures have smooth edges.
#include "platform/profile_settings.h"

namespace kiva {

inline bool ExportedPicturesFramed() { return ProfileFlag("Export/PictureFrame", false); }
inline void SetExportedPicturesFramed(bool framed) { SetProfileFlag("Export/PictureFrame", framed); }

// View > Smooth Edges, kept in the profile and on at first: it smooths the pictures that fill a
// window or the screen and every picture that leaves the window; the fixed 340 picture on screen
// stays as it always was.
inline bool SmoothEdgesChosen() { return ProfileFlag("View/SmoothEdges", true); }
inline void SetSmoothEdgesChosen(bool smooth) { SetProfileFlag("View/SmoothEdges", smooth); }

}  // namespace kiva
