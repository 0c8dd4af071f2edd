// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the parts of a lesson handout go on its one page, in the printer's device pixels: the
// substance's name at the top, the catalogue's description under it, the picture as large as the
// rest leaves room for, a heating run's curve, then the table of facts and the measurement in words. The window
// system measures the texts; this places them.
#include "render/picture_area.h"

namespace kiva {

struct DeviceRect {
    int left = 0, top = 0, width = 0, height = 0;
    int Bottom() const { return top + height; }
    friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

// The heights of the text blocks as laid out at HandoutTextWidth, and the page, in device pixels.
struct HandoutMeasures {
    int pageWidth = 0, pageHeight = 0;
    int titleHeight = 0;        // the name and the formula
    int descriptionHeight = 0;  // 0 without a description
    int factsHeight = 0;        // the table of facts
    int curveHeight = 0;        // the heating curve; 0 unless the view shows a heating run
    int readoutsHeight = 0;     // the measurement; 0 until its atoms are all picked
    int gap = 0;                // the space between two blocks
    PictureArea picture;        // the view's picture, whose shape the printed one keeps
};

struct HandoutLayout {
    DeviceRect title, description, picture, curve, facts, readouts;
};

// The margin on every side: a tenth of the page's shorter side.
int HandoutMargin(int pageWidth, int pageHeight);
// The width the texts are wrapped to: the page between its margins.
int HandoutTextWidth(int pageWidth, int pageHeight);

// The blocks one below the other from the top margin. The picture keeps the view's shape, is at
// most four fifths of the text width and kMaxPictureSide a side, fills the height the texts leave
// and is centred; where the texts leave no room it shrinks to nothing rather than overlap them.
HandoutLayout LayOutHandout(const HandoutMeasures& measures);

}  // namespace kiva
