// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/footprint.h"

#include <algorithm>

namespace kiva {

namespace {

// One row's cross-section of the sphere: a circle of half-width h in the row's x-depth plane,
// each pixel at the depth of the front surface. `nearest` is indexed by x offset + radius.
void TraceSpan(int halfWidth, std::vector<int>& nearest, int radius) {
    const auto reach = [&](int x, int depth) {
        int& d = nearest[static_cast<std::size_t>(x + radius)];
        d = std::max(d, depth);
    };
    WalkCircle(halfWidth, [&](int k, int m, bool closing) {
        reach(k, m);
        reach(-k, m);
        if (closing) return;
        reach(m, k);
        reach(-m, k);
    });
}

}  // namespace

SphereFootprint TraceSphere(int radius) {
    const int side = 2 * radius + 1;
    // The rows' spans, as the sphere's outline walk reaches them; unreached pixels stay below 0.
    std::vector<std::vector<int>> rows(static_cast<std::size_t>(side), std::vector<int>(static_cast<std::size_t>(side), -1));
    const auto span = [&](int row, int halfWidth) { TraceSpan(halfWidth, rows[static_cast<std::size_t>(row + radius)], radius); };
    WalkCircle(radius, [&](int i, int j, bool closing) {
        span(i, j);
        span(-i, j);
        if (closing) return;
        span(j, i);
        span(-j, i);
    });
    SphereFootprint footprint;
    footprint.radius = radius;
    const int shadeRadius = std::max(radius, 1);
    for (int row = -radius; row <= radius; ++row) {
        const std::vector<int>& nearest = rows[static_cast<std::size_t>(row + radius)];
        // Each span covers its offsets without a gap, so a row's pixels are one run about the centre.
        int halfWidth = 0;
        while (halfWidth < radius && nearest[static_cast<std::size_t>(radius + halfWidth + 1)] >= 0) ++halfWidth;
        footprint.halfWidth.push_back(halfWidth);
        footprint.rowStart.push_back(footprint.depth.size());
        for (int x = -halfWidth; x <= halfWidth; ++x) {
            const int depth = nearest[static_cast<std::size_t>(x + radius)];
            footprint.depth.push_back(depth);
            footprint.shade.push_back(SphereShade(x, row, depth, shadeRadius));
        }
    }
    return footprint;
}

std::vector<int> TraceDisc(int radius) {
    std::vector<int> nearest(static_cast<std::size_t>(2 * radius + 1), -1);
    TraceSpan(radius, nearest, radius);
    return nearest;
}

}  // namespace kiva
