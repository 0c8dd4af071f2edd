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

std::array<std::uint8_t, 3> ShadedBytes(std::uint32_t colour, int intensity) {
    const auto channel = [&](int shift) {
        return static_cast<std::uint8_t>(std::min<long long>(255, ((colour >> shift) & 0xFFu) * static_cast<long long>(intensity) / 256));
    };
    return {channel(16), channel(8), channel(0)};
}

PaintedFootprint PaintFootprint(const SphereFootprint& footprint, std::uint32_t colour, int rowLength) {
    PaintedFootprint painted{&footprint, colour, {}, {}};
    for (const int shade : footprint.shade) {
        const auto bytes = ShadedBytes(colour, shade);
        painted.bytes.insert(painted.bytes.end(), bytes.begin(), bytes.end());
    }
    const int r = footprint.radius;
    for (int dy = -r; dy <= r; ++dy) {
        const auto index = static_cast<std::size_t>(dy + r);
        const int halfWidth = footprint.halfWidth[index];
        for (int dx = -halfWidth; dx <= halfWidth; ++dx) {
            const std::size_t at = footprint.rowStart[index] + static_cast<std::size_t>(dx + halfWidth);
            painted.pixels.push_back({dy * rowLength + dx, footprint.depth[at],
                                      {painted.bytes[3 * at], painted.bytes[3 * at + 1], painted.bytes[3 * at + 2]}});
        }
    }
    return painted;
}

const SphereFootprint& FootprintCache::Traced(int radius) {
    for (const SphereFootprint& traced : traced_)
        if (traced.radius == radius) return traced;
    constexpr std::size_t kMaxPixels = std::size_t{1} << 22;
    if (pixels_ > kMaxPixels) Clear();
    const SphereFootprint& traced = traced_.emplace_back(TraceSphere(radius));
    pixels_ += traced.depth.size();
    return traced;
}

const PaintedFootprint* FootprintCache::LookUpPainted(int radius, std::uint32_t colour, int rowLength) {
    if (rowLength != rowLength_) {
        Clear();
        rowLength_ = rowLength;
    }
    // A salt's ions take turns: the two footprints asked for last are looked at first.
    const auto matches = [&](const PaintedFootprint* painted) {
        return painted && painted->footprint->radius == radius && painted->colour == colour;
    };
    if (matches(recent_[0])) return recent_[0];
    if (matches(recent_[1])) {
        std::swap(recent_[0], recent_[1]);
        return recent_[0];
    }
    for (const PaintedFootprint& painted : painted_)
        if (painted.footprint->radius == radius && painted.colour == colour) return Remember(&painted);
    const std::pair<int, std::uint32_t> key{radius, colour};
    if (std::find(askedOnce_.begin(), askedOnce_.end(), key) == askedOnce_.end()) {
        askedOnce_.push_back(key);
        return nullptr;
    }
    const SphereFootprint& footprint = Traced(radius);
    const PaintedFootprint* painted = &painted_.emplace_back(PaintFootprint(footprint, colour, rowLength));
    pixels_ += footprint.depth.size();
    return Remember(painted);
}

const PaintedFootprint* FootprintCache::Remember(const PaintedFootprint* painted) {
    recent_[1] = recent_[0];
    recent_[0] = painted;
    return painted;
}

const std::vector<int>& FootprintCache::Disc(int radius) {
    const auto index = static_cast<std::size_t>(radius);
    if (discs_.size() <= index) discs_.resize(index + 1);
    if (discs_[index].empty()) discs_[index] = TraceDisc(radius);
    return discs_[index];
}

void FootprintCache::Clear() {
    recent_ = {};
    painted_.clear();
    traced_.clear();
    askedOnce_.clear();
    pixels_ = 0;
}

std::vector<int> TraceDisc(int radius) {
    std::vector<int> nearest(static_cast<std::size_t>(2 * radius + 1), -1);
    TraceSpan(radius, nearest, radius);
    return nearest;
}

}  // namespace kiva
