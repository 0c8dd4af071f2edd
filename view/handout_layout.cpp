// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/handout_layout.h"

#include <algorithm>

namespace kiva {

int HandoutMargin(int pageWidth, int pageHeight) { return std::max(std::min(pageWidth, pageHeight), 0) / 10; }

int HandoutTextWidth(int pageWidth, int pageHeight) {
    return std::max(pageWidth - 2 * HandoutMargin(pageWidth, pageHeight), 0);
}

HandoutLayout LayOutHandout(const HandoutMeasures& m) {
    const int margin = HandoutMargin(m.pageWidth, m.pageHeight);
    const int textWidth = HandoutTextWidth(m.pageWidth, m.pageHeight);
    const int gap = std::max(m.gap, 0);
    HandoutLayout layout;
    int top = margin;
    const auto place = [&](DeviceRect& block, int height) {
        if (height <= 0) return;
        block = {margin, top, textWidth, height};
        top += height + gap;
    };
    place(layout.title, m.titleHeight);
    place(layout.description, m.descriptionHeight);

    const int textBelow = (m.curveHeight > 0 ? m.curveHeight + gap : 0) + std::max(m.factsHeight, 0) +
                          (m.readoutsHeight > 0 ? gap + m.readoutsHeight : 0);
    const int roomHeight = m.pageHeight - margin - top - gap - textBelow;
    const int roomWidth = std::min(textWidth * 4 / 5, kMaxPictureSide);
    const double shapeWidth = std::max(m.picture.width, 1), shapeHeight = std::max(m.picture.height, 1);
    const double scale = std::max(0.0, std::min({roomWidth / shapeWidth, roomHeight / shapeHeight,
                                                 kMaxPictureSide / shapeHeight}));
    const int width = static_cast<int>(shapeWidth * scale), height = static_cast<int>(shapeHeight * scale);
    if (width > 0 && height > 0) {
        layout.picture = {margin + (textWidth - width) / 2, top, width, height};
        top += height + gap;
    }
    place(layout.curve, m.curveHeight);
    place(layout.facts, m.factsHeight);
    place(layout.readouts, m.readoutsHeight);
    return layout;
}

}  // namespace kiva
