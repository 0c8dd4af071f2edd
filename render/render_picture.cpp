// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/render_picture.h"

#include "render/render_frame.h"

namespace kiva {

const Picture& RenderPicture(const ViewState& view, PictureStyle style, PictureBuffers& buffers) {
    if (buffers.Area() != view.pictureArea) buffers.Resize(view.pictureArea);
    RenderFrame(view, buffers, style);
    return buffers;
}

ViewState ViewAtArea(const ViewState& view, const MotionTables& motion, PictureArea area) {
    ViewState atArea = view;
    atArea.pictureArea = BoundedPictureArea(area.width, area.height);
    const bool fluid = view.displayState == DisplayState::Liquid || view.displayState == DisplayState::Gas;
    // Only the liquid's and the gas's places depend on the area; the rest maps to it as it stands.
    if (fluid && atArea.pictureArea != view.pictureArea) {
        MotionTables copy = motion;
        ProjectScene(atArea, copy);
    }
    return atArea;
}

}  // namespace kiva
