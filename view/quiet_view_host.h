// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A window for a molecule view that shows nothing: for a picture made without a window (the
// handout written from the command line), benchmarks and fuzzing, which only drive the view.
#include <string>

#include "view/molecule_view.h"

namespace kiva {

struct QuietViewHost final : ViewHost {
    void InvalidatePicture() override {}
    void ShowNoCrystalMessage() override {}
    void SetTipText(const std::string&) override {}
    void ShowTip(PicturePoint) override {}
    void HideTip() override {}
    void MovePointer(PicturePoint) override {}
};

}  // namespace kiva
