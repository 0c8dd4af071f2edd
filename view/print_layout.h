// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the printed picture goes on the page: a margin of a tenth of the page, and the width that
// gives the picture the same share of the page's width as it has of the screen's, times the
// print scale, shrunk only where that would not fit inside the margins. All sizes in the
// printer's device pixels.
#include "render/picture_area.h"

namespace kiva {

struct PrintPlacement {
    int left, top;      // the margin: a tenth of the page's width and of its height
    int width;          // 340 x pageWidth / screenWidth x printScale, truncated
    int bandHeight;     // the same for one of the picture's four bands of 85 rows, truncated
    int height() const { return 4 * bandHeight; }
};

PrintPlacement PlacePrintedPicture(int screenWidth, int pageWidth, int pageHeight, float printScale);
// The same for a picture of any size, `picture` and `screenWidth` both in the screen's device
// pixels: the height is four bands of a quarter of the picture's.
PrintPlacement PlacePrintedPicture(int screenWidth, PictureArea picture, int pageWidth, int pageHeight, float printScale);

// The pixels to render a placed picture at: its printed size, within the largest picture side
// and keeping its shape.
PictureArea PrintedPictureArea(const PrintPlacement& place);

}  // namespace kiva
