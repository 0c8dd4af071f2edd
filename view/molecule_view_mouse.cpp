// SPDX-License-Identifier: GPL-2.0-or-later
// The molecule view under the mouse: dragging in the mouse modes, the read-outs while the
// pointer rests, and the picking of atoms to measure.
#include "view/measurements.h"
#include "view/molecule_view.h"
#include "view/mouse_modes.h"

namespace kiva {

void MoleculeView::MousePress(PicturePoint p) {
    if (!InNavigationState()) return;
    dragFrom_ = p;
}

void MoleculeView::MouseMove(PicturePoint p) {
    if (!dragFrom_) {
        ShowReadout(p);
        return;
    }
    if (!InNavigationState() || p == *dragFrom_) return;
    // Each move turns or shifts by the step from the previous pointer position only.
    if (ApplyDragStep(state_, *dragFrom_, p)) Project();
    dragFrom_ = p;
}

void MoleculeView::MouseRelease(PicturePoint p) {
    dragFrom_.reset();
    if (!InNavigationState()) return;
    // A drag that ends on an atom picks it too.
    Pick(p);
}

void MoleculeView::ShowReadout(PicturePoint p) {
    if (!InNavigationState()) return;
    const std::optional<std::string> text = HoverReadout(state_, p, readoutWords_);
    if (!text) {
        host_.HideTip();
        return;
    }
    // An unchanged text is not sent again, so the tooltip does not flicker.
    if (*text != tipText_) {
        tipText_ = *text;
        host_.SetTipText(tipText_);
    }
    host_.ShowTip(p);
}

void MoleculeView::Pick(PicturePoint p) {
    if (state_.measureMode == MeasureMode::None) return;
    const int atom = HitTestAtom(state_, p);
    if (atom < 0 || !PickAtom(state_, atom)) return;
    host_.InvalidatePicture();
    if (!SelectionComplete(state_)) return;
    // The pointer goes onto the measured feature, where the value shows at once; the emptied text
    // makes sure it is sent even when it equals the previous one.
    const PicturePoint anchor = AnchorPoint(state_);
    host_.MovePointer(anchor);
    tipText_.clear();
    ShowReadout(anchor);
}

}  // namespace kiva
