// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whether the pictures that leave the window (exported pictures and animations, copies and
// handouts) carry its green picture frame: off unless the user ticks it in an export dialog,
// and kept in the profile.
#include "platform/profile_settings.h"

namespace kiva {

inline bool ExportedPicturesFramed() { return ProfileFlag("Export/PictureFrame", false); }
inline void SetExportedPicturesFramed(bool framed) { SetProfileFlag("Export/PictureFrame", framed); }

}  // namespace kiva
