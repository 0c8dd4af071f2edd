// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/rasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "render/dither.h"
#include "render/footprint.h"
#include "render/image_point.h"

namespace kiva {

namespace {

// Atoms and bonds stay below the overlay depth 32767, which nothing may beat.
constexpr int kNearestSceneDepth = 32766;

int ClampDepth(int z) { return std::clamp(z, -kNearestSceneDepth, kNearestSceneDepth); }


// Steps from one point to another along the longest axis with error sums, calling visit at every
// step where a coordinate moved: the first point itself is not visited, the last one is.
template <typename Visit>
void StepAlong(int x1, int row1, int z1, int x2, int row2, int z2, Visit visit) {
    const long long dx = std::llabs(static_cast<long long>(x2) - x1);
    const long long drow = std::llabs(static_cast<long long>(row2) - row1);
    const long long dz = std::llabs(static_cast<long long>(z2) - z1);
    const long long n = std::max({dx, drow, dz});
    int x = x1, row = row1, z = z1;
    long long sumX = 0, sumRow = 0, sumZ = 0;
    for (long long step = 0; step <= n; ++step) {
        bool moved = false;
        sumX += dx;
        sumRow += drow;
        sumZ += dz;
        if (sumX > n) {
            x += x2 > x1 ? 1 : -1;
            sumX -= n;
            moved = true;
        }
        if (sumRow > n) {
            row += row2 > row1 ? 1 : -1;
            sumRow -= n;
            moved = true;
        }
        if (sumZ > n) {
            z += z2 > z1 ? 1 : -1;
            sumZ -= n;
            moved = true;
        }
        if (moved) visit(x, row, z);
    }
}

}  // namespace

Rasterizer::Rasterizer(PictureBuffers& picture, int screenBitsPerPixel, bool everyStep)
    : Rasterizer(picture, screenBitsPerPixel, {0, picture.height}, picture.footprints, everyStep) {}

Rasterizer::Rasterizer(PictureBuffers& picture, int screenBitsPerPixel, RowBand band, FootprintCache& footprints,
                       bool everyStep)
    : picture_(picture),
      footprints_(footprints),
      width_(picture.width),
      firstRow_(std::max(band.first, 0)),
      endRow_(std::min(band.end, picture.height)),
      dither_(screenBitsPerPixel < 16),
      everyStep_(everyStep),
      tiles_(picture.depth, width_, {firstRow_, endRow_}) {}

bool Rasterizer::Inside(int x, int row) const { return x >= 0 && x < width_ && row >= firstRow_ && row < endRow_; }

bool Rasterizer::SquareOutside(int x, int row, int r) const {
    return x + r < 0 || x - r >= width_ || row + r < firstRow_ || row - r >= endRow_;
}

bool Rasterizer::SquareInside(int x, int row, int r) const {
    return x - r >= 0 && x + r < width_ && row - r >= firstRow_ && row + r < endRow_;
}

bool Rasterizer::DepthPasses(int x, int row, int z) {
    if (clip_ && !Inside(x, row)) return false;
    std::int16_t& stored = picture_.depth[static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
    if (z <= stored) return false;
    stored = static_cast<std::int16_t>(z);
    return true;
}

void Rasterizer::WritePixel(int x, int row, std::uint32_t colour, int intensity) {
    const auto bytes = ShadedBytes(colour, intensity);
    std::copy(bytes.begin(), bytes.end(), &picture_.colour[(static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 3]);
}

void Rasterizer::SpherePixel(int x, int row, int z, std::uint32_t colour) {
    z = ClampDepth(z);
    if (!DepthPasses(x, row, z)) return;
    int intensity = SphereShade(x - centreX_, row - centreRow_, z - centreZ_, sphereRadius_);
    if (dither_) intensity -= NextDitherValue() % 32;
    WritePixel(x, row, colour, intensity);
}

void Rasterizer::SphereSpan(int x0, int row, int z0, int halfWidth, std::uint32_t colour) {
    if (clip_ && (row < firstRow_ || row >= endRow_)) return;  // every pixel of the span lies in this row
    WalkCircle(halfWidth, [&](int k, int m, bool closing) {
        SpherePixel(x0 + k, row, z0 + m, colour);
        if (!closing) SpherePixel(x0 + m, row, z0 + k, colour);
        SpherePixel(x0 - k, row, z0 + m, colour);
        if (!closing) SpherePixel(x0 - m, row, z0 + k, colour);
    });
}

bool Rasterizer::DrawnFromFootprint(int z, int r) const {
    // Dithering takes a value for every step that passes the depth test, so it walks them all;
    // so do spheres whose depths the clamp would change, and the largest ones.
    return !dither_ && !everyStep_ && r <= kLargestFootprint && z >= -kNearestSceneDepth && z <= kNearestSceneDepth - r;
}

void Rasterizer::DrawSphere(int x, int row, int z, int r, std::uint32_t colour) {
    r = std::clamp(r, 0, static_cast<int>(kPixelLimit));
    if (SquareOutside(x, row, r)) return;
    if (DrawnFromFootprint(z, r)) {
        // No pixel of the footprint lies nearer than its centre, z + r: behind what is drawn
        // there already, the sphere would pass no depth test. Worth asking of spheres larger
        // than a tile; a smaller one is drawn in about the time a tile's depths are read.
        const bool large = r >= DepthTiles::kSide;
        if (large && tiles_.HiddenBehind(x, row, r, z + r)) return;
        const PaintedFootprint* painted = footprints_.Painted(r, colour, width_);
        DrawSphereFootprint(x, row, z, painted ? *painted->footprint : footprints_.Traced(r), painted, colour);
        if (large) tiles_.MarkDrawn(x, row, r);
        return;
    }
    clip_ = !SquareInside(x, row, r);
    centreX_ = x;
    centreRow_ = row;
    centreZ_ = z;
    sphereRadius_ = std::max(r, 1);
    WalkCircle(r, [&](int i, int j, bool closing) {
        SphereSpan(x, row + i, z, j, colour);
        if (!closing) SphereSpan(x, row + j, z, i, colour);
        SphereSpan(x, row - i, z, j, colour);
        if (!closing) SphereSpan(x, row - j, z, i, colour);
    });
}

void Rasterizer::DrawSpheres(const std::vector<PlacedSphere>& spheres) {
    for (const PlacedSphere& s : spheres) {
        if (s.row + s.radius < firstRow_ || s.row - s.radius >= endRow_) continue;
        // Most spheres of a large scene are small, wholly inside the band and painted already:
        // straight to their pixels, as DrawSphere would draw them.
        if (s.radius >= 0 && s.radius < DepthTiles::kSide && DrawnFromFootprint(s.z, s.radius) && SquareInside(s.x, s.row, s.radius))
            if (const PaintedFootprint* painted = footprints_.Painted(s.radius, s.colour, width_)) {
                DrawPaintedPixels(s.x, s.row, s.z, *painted);
                continue;
            }
        DrawSphere(s.x, s.row, s.z, s.radius, s.colour);
    }
}

void Rasterizer::DrawPaintedPixels(int x, int row, int z, const PaintedFootprint& painted) {
    const auto centre = static_cast<std::ptrdiff_t>(row) * width_ + x;
    std::int16_t* depth = picture_.depth.data() + centre;
    std::uint8_t* pixels = picture_.colour.data() + 3 * centre;
    for (const PaintedPixel& pixel : painted.pixels) {
        const int nearer = z + pixel.depth;
        if (nearer <= depth[pixel.offset]) continue;
        depth[pixel.offset] = static_cast<std::int16_t>(nearer);
        std::uint8_t* bytes = pixels + 3 * pixel.offset;
        bytes[0] = pixel.bytes[0];
        bytes[1] = pixel.bytes[1];
        bytes[2] = pixel.bytes[2];
    }
}

void Rasterizer::DrawSphereFootprint(int x, int row, int z, const SphereFootprint& footprint,
                                     const PaintedFootprint* painted, std::uint32_t colour) {
    const int r = footprint.radius;
    if (painted && SquareInside(x, row, r)) {
        DrawPaintedPixels(x, row, z, *painted);
        return;
    }
    for (int dy = std::max(-r, firstRow_ - row); dy <= std::min(r, endRow_ - 1 - row); ++dy) {
        const auto index = static_cast<std::size_t>(dy + r);
        const int halfWidth = footprint.halfWidth[index];
        const std::size_t centre = footprint.rowStart[index] + static_cast<std::size_t>(halfWidth);
        const int* depth = &footprint.depth[centre];
        const int* shade = &footprint.shade[centre];
        const std::uint8_t* bytes = painted ? &painted->bytes[3 * centre] : nullptr;
        // Offsets from the centre, which may lie left of the picture.
        const std::ptrdiff_t at = static_cast<std::ptrdiff_t>(row + dy) * width_ + x;
        std::int16_t* storedRow = picture_.depth.data() + at;
        std::uint8_t* colourRow = picture_.colour.data() + 3 * at;
        for (int dx = std::max(-halfWidth, -x); dx <= std::min(halfWidth, width_ - 1 - x); ++dx) {
            const int nearer = z + depth[dx];
            if (nearer <= storedRow[dx]) continue;
            storedRow[dx] = static_cast<std::int16_t>(nearer);
            const auto shaded = bytes ? std::array{bytes[3 * dx], bytes[3 * dx + 1], bytes[3 * dx + 2]}
                                      : ShadedBytes(colour, shade[dx]);
            std::copy(shaded.begin(), shaded.end(), colourRow + 3 * dx);
        }
    }
}

int Rasterizer::CylinderIntensity(int vx, int vrow, int vz) const {
    // The normal is v less its part along the axis; 64-bit so long tubes at close zoom never overflow.
    const long long s = static_cast<long long>(vx) * axisX_ + static_cast<long long>(vrow) * axisRow_ +
                        static_cast<long long>(vz) * axisZ_;
    const long long lengthSquared = axisLengthSquared_;
    long long intensity = (axisRow_ * s / lengthSquared - axisX_ * s / lengthSquared - axisZ_ * s / lengthSquared -
                           vrow + vz + vx) * 80 / cylinderRadius_ + 80;
    if (intensity < 80) intensity = 80;
    return static_cast<int>(std::min<long long>(intensity, 1 << 20));
}

void Rasterizer::CylinderPixel(int x, int row, int z, int vx, int vrow, int vz, std::uint32_t colour) {
    z = ClampDepth(z);
    if (!DepthPasses(x, row, z)) return;
    WritePixel(x, row, colour, CylinderIntensity(vx, vrow, vz));
}

void Rasterizer::CylinderDisc(int x0, int row0, int z0, bool horizontal, std::uint32_t colour) {
    // A horizontal disc spreads along the row, a vertical one along the column.
    if (clip_ && (horizontal ? row0 < firstRow_ || row0 >= endRow_ || x0 + discRadius_ < 0 || x0 - discRadius_ >= width_
                             : x0 < 0 || x0 >= width_ || row0 + discRadius_ < firstRow_ || row0 - discRadius_ >= endRow_))
        return;  // wholly outside the picture
    const auto pixel = [&](int along, int depth) {
        if (horizontal)
            CylinderPixel(x0 + along, row0, z0 + depth, along, 0, depth, colour);
        else
            CylinderPixel(x0, row0 + along, z0 + depth, 0, along, depth, colour);
    };
    if (discDepths_) {
        // Every step's disc shades alike: its pixels keep their offsets from the axis.
        for (int along = -discRadius_; along <= discRadius_; ++along) {
            const auto at = static_cast<std::size_t>(along + discRadius_);
            const int x = horizontal ? x0 + along : x0, row = horizontal ? row0 : row0 + along;
            if (!DepthPasses(x, row, ClampDepth(z0 + (*discDepths_)[at]))) continue;
            const std::array<std::uint8_t, 3>& bytes = discBytes_[at];
            std::copy(bytes.begin(), bytes.end(), &picture_.colour[(static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 3]);
        }
        return;
    }
    WalkCircle(discRadius_, [&](int k, int m, bool closing) {
        pixel(k, m);
        if (!closing) pixel(m, k);
        pixel(-k, m);
        if (!closing) pixel(-m, k);
    });
}

void Rasterizer::DrawCylinder(int x1, int row1, int z1, int x2, int row2, int z2, int r, std::uint32_t colour) {
    r = std::clamp(r, 0, static_cast<int>(kPixelLimit));
    // Nothing to draw only when the tube's whole box lies outside: a bond may cross the picture
    // with both its ends beyond it.
    if (std::max(x1, x2) + r < 0 || std::min(x1, x2) - r >= width_ || std::max(row1, row2) + r < firstRow_ ||
        std::min(row1, row2) - r >= endRow_)
        return;
    clip_ = !(SquareInside(x1, row1, r) && SquareInside(x2, row2, r));
    axisX_ = x2 - x1;
    axisRow_ = row2 - row1;
    axisZ_ = z2 - z1;
    const long long squared = static_cast<long long>(axisX_) * axisX_ + static_cast<long long>(axisRow_) * axisRow_ +
                              static_cast<long long>(axisZ_) * axisZ_;
    axisLengthSquared_ = std::max<long long>(squared, 1);
    discRadius_ = r;
    cylinderRadius_ = std::max(r, 1);
    const bool horizontal = std::abs(axisRow_) >= std::abs(axisX_);
    // The disc is traced and shaded once ahead, unless the clamp would change its depths or it is
    // very large.
    discDepths_ = nullptr;
    if (!everyStep_ && r <= kLargestFootprint && std::min(z1, z2) >= -kNearestSceneDepth && std::max(z1, z2) <= kNearestSceneDepth - r) {
        discDepths_ = &footprints_.Disc(r);
        discBytes_.resize(discDepths_->size());
        for (int along = -r; along <= r; ++along) {
            const auto at = static_cast<std::size_t>(along + r);
            const int depth = (*discDepths_)[at];
            discBytes_[at] = ShadedBytes(colour, horizontal ? CylinderIntensity(along, 0, depth) : CylinderIntensity(0, along, depth));
        }
    }
    StepAlong(x1, row1, z1, x2, row2, z2, [&](int x, int row, int z) { CylinderDisc(x, row, z, horizontal, colour); });
}

void Rasterizer::DrawLine3D(int x1, int row1, int z1, int x2, int row2, int z2, std::uint32_t colour) {
    if (std::max(row1, row2) < firstRow_ || std::min(row1, row2) >= endRow_) return;  // no row of it lies in the band
    clip_ = !(Inside(x1, row1) && Inside(x2, row2));
    const auto bytes = ShadedBytes(colour, 256);
    StepAlong(x1, row1, z1, x2, row2, z2, [&](int x, int row, int z) {
        if (DepthPasses(x, row, std::clamp(z, -32767, 32767)))
            std::copy(bytes.begin(), bytes.end(), &picture_.colour[(static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 3]);
    });
}

void Rasterizer::BlendLinePixel(int x, int row, int z, const std::array<std::uint8_t, 3>& bytes, double coverage) {
    const int weight = static_cast<int>(coverage * 256 + 0.5);
    if (weight <= 0 || !Inside(x, row)) return;
    const std::size_t pixel = static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    std::int16_t& stored = picture_.depth[pixel];
    if (z <= stored) return;
    if (weight > 128) stored = static_cast<std::int16_t>(z);
    std::uint8_t* colour = &picture_.colour[3 * pixel];
    for (std::size_t channel = 0; channel < 3; ++channel)
        colour[channel] = static_cast<std::uint8_t>((colour[channel] * (256 - weight) + bytes[channel] * weight + 128) >> 8);
}

void Rasterizer::DrawSmoothLine3D(int x1, int row1, int z1, int x2, int row2, int z2, std::uint32_t colour) {
    if (std::max(row1, row2) + 1 < firstRow_ || std::min(row1, row2) - 1 >= endRow_) return;
    const long long dx = static_cast<long long>(x2) - x1, drow = static_cast<long long>(row2) - row1;
    const bool steep = std::llabs(drow) > std::llabs(dx);
    const long long steps = std::max(std::llabs(dx), std::llabs(drow));
    // The steps whose pixels may lie in the band's rows, with one to spare either way; each
    // step's pixels come from its own index, whichever band draws it.
    long long first = 0, last = steps;
    if (drow != 0) {
        const double a = static_cast<double>(firstRow_ - 1 - row1) * static_cast<double>(steps) / static_cast<double>(drow);
        const double b = static_cast<double>(endRow_ - row1) * static_cast<double>(steps) / static_cast<double>(drow);
        first = std::max(first, static_cast<long long>(std::floor(std::min(a, b))) - 1);
        last = std::min(last, static_cast<long long>(std::ceil(std::max(a, b))) + 1);
    }
    const auto bytes = ShadedBytes(colour, 256);
    for (long long i = first; i <= last; ++i) {
        const double t = steps == 0 ? 0 : static_cast<double>(i) / static_cast<double>(steps);
        const int z = ClampDepth(z1 + RoundToInt((static_cast<double>(z2) - z1) * t));
        const double along = steep ? row1 + static_cast<double>(drow) * t : x1 + static_cast<double>(dx) * t;
        const double across = steep ? x1 + static_cast<double>(dx) * t : row1 + static_cast<double>(drow) * t;
        const int major = RoundToInt(along);
        const double low = std::floor(across);
        const int minor = static_cast<int>(low);
        const double share = across - low;  // of the line in the pixel past `minor`
        if (steep) {
            BlendLinePixel(minor, major, z, bytes, 1 - share);
            BlendLinePixel(minor + 1, major, z, bytes, share);
        } else {
            BlendLinePixel(major, minor, z, bytes, 1 - share);
            BlendLinePixel(major, minor + 1, z, bytes, share);
        }
    }
}

}  // namespace kiva
