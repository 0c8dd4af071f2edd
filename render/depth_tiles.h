// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The least depths of a band's tiles of 16 x 16 pixels: a sphere wholly behind what its tiles hold
// already is skipped without reading its pixels.
#include <cstdint>
#include <vector>

#include "render/picture_buffers.h"

namespace kiva {

class DepthTiles {
public:
    static constexpr int kSide = 16;  // pixels a side of a tile

    // Over the depth buffer of a picture `width` pixels wide, for the rows of `band`, which lie
    // within the picture. Each tile starts at the lowest depth and is read when first asked for.
    DepthTiles(const std::vector<std::int16_t>& depth, int width, RowBand band);

    // True when every pixel of the square of radius r about (x, row), within the band, already
    // holds a depth of `nearest` or more, so a sphere no nearer than that draws nothing there.
    bool HiddenBehind(int x, int row, int r, int nearest);
    // The square's tiles were drawn on: their least depths may have grown.
    void MarkDrawn(int x, int row, int r);

private:
    int LeastDepthOfTile(int column, int tileRow) const;
    std::size_t TileIndex(int column, int tileRow) const;
    // The tiles the square of radius r about (x, row) touches, clipped to the band.
    template <typename Visit>
    bool ForTilesOfSquare(int x, int row, int r, Visit visit);

    const std::vector<std::int16_t>& depth_;
    int width_, firstRow_, endRow_;
    int columns_, rows_;
    std::vector<std::int16_t> least_;  // no greater than any of the tile's depths
    std::vector<bool> drawn_;          // drawn on since its least depth was read
};

}  // namespace kiva
