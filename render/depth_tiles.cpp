// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/depth_tiles.h"

#include <algorithm>

namespace kiva {

DepthTiles::DepthTiles(const std::vector<std::int16_t>& depth, int width, RowBand band)
    : depth_(depth),
      width_(width),
      firstRow_(band.first),
      endRow_(band.end),
      columns_((width + kSide - 1) / kSide),
      rows_(std::max(band.end - band.first, 0) / kSide + 1),
      least_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), INT16_MIN),
      drawn_(least_.size(), true) {}

std::size_t DepthTiles::TileIndex(int column, int tileRow) const {
    return static_cast<std::size_t>(tileRow) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
}

template <typename Visit>
bool DepthTiles::ForTilesOfSquare(int x, int row, int r, Visit visit) {
    const int firstColumn = std::max(x - r, 0) / kSide, lastColumn = std::min(x + r, width_ - 1) / kSide;
    const int firstTileRow = (std::max(row - r, firstRow_) - firstRow_) / kSide;
    const int lastTileRow = (std::min(row + r, endRow_ - 1) - firstRow_) / kSide;
    for (int tileRow = firstTileRow; tileRow <= lastTileRow; ++tileRow)
        for (int column = firstColumn; column <= lastColumn; ++column)
            if (!visit(column, tileRow)) return false;
    return true;
}

int DepthTiles::LeastDepthOfTile(int column, int tileRow) const {
    const int left = column * kSide, top = firstRow_ + tileRow * kSide;
    const int right = std::min(left + kSide, width_), bottom = std::min(top + kSide, endRow_);
    int least = INT16_MAX;
    for (int row = top; row < bottom; ++row) {
        const std::int16_t* stored = depth_.data() + static_cast<std::ptrdiff_t>(row) * width_;
        for (int x = left; x < right; ++x) least = std::min<int>(least, stored[x]);
    }
    return least;
}

bool DepthTiles::HiddenBehind(int x, int row, int r, int nearest) {
    return ForTilesOfSquare(x, row, r, [&](int column, int tileRow) {
        const std::size_t tile = TileIndex(column, tileRow);
        if (least_[tile] >= nearest) return true;
        if (!drawn_[tile]) return false;
        least_[tile] = static_cast<std::int16_t>(LeastDepthOfTile(column, tileRow));
        drawn_[tile] = false;
        return least_[tile] >= nearest;
    });
}

void DepthTiles::MarkDrawn(int x, int row, int r) {
    ForTilesOfSquare(x, row, r, [&](int column, int tileRow) {
        drawn_[TileIndex(column, tileRow)] = true;
        return true;
    });
}

}  // namespace kiva
