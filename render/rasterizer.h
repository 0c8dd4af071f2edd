// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The raster primitives of the high-quality picture: shaded spheres and cylinders and depth-tested
// lines, drawn into a 24-bit colour buffer with a 16-bit depth buffer. Integer-exact: a scene
// renders to the same bytes everywhere.
#include <array>
#include <cstdint>
#include <vector>

#include "render/depth_tiles.h"
#include "render/footprint.h"
#include "render/picture_buffers.h"

namespace kiva {

// The raster primitives, in image coordinates (x right, row down, z nearer larger).
class Rasterizer {
public:
    // `everyStep` walks every step of the midpoint walks instead of drawing traced footprints:
    // slower, and the picture the footprints must match.
    Rasterizer(PictureBuffers& picture, int screenBitsPerPixel, bool everyStep = false);
    // Draws only into the rows of `band`, with a footprint cache of its own: bands of one picture
    // can be drawn at once on several threads.
    Rasterizer(PictureBuffers& picture, int screenBitsPerPixel, RowBand band, FootprintCache& footprints,
               bool everyStep = false);
    int Width() const { return width_; }
    int Height() const { return picture_.height; }
    void DrawSphere(int x, int row, int z, int r, std::uint32_t colour);
    // The spheres in turn, those that reach the band's rows.
    void DrawSpheres(const std::vector<PlacedSphere>& spheres);
    void DrawCylinder(int x1, int row1, int z1, int x2, int row2, int z2, int r, std::uint32_t colour);
    void DrawLine3D(int x1, int row1, int z1, int x2, int row2, int z2, std::uint32_t colour);
    // The line blended into the two pixels either side of its true course, by how near it passes
    // each; it marks its depth only where it covers the pixel more than half.
    void DrawSmoothLine3D(int x1, int row1, int z1, int x2, int row2, int z2, std::uint32_t colour);

private:
    void SphereSpan(int x0, int row, int z0, int halfWidth, std::uint32_t colour);
    void SpherePixel(int x, int row, int z, std::uint32_t colour);
    // Whether a sphere at depth z of radius r is drawn from its footprint, not walked step by step.
    bool DrawnFromFootprint(int z, int r) const;
    // A painted footprint wholly inside the band.
    void DrawPaintedPixels(int x, int row, int z, const PaintedFootprint& painted);
    // From the painted footprint where there is one, else shading each pixel drawn.
    void DrawSphereFootprint(int x, int row, int z, const SphereFootprint& footprint, const PaintedFootprint* painted,
                             std::uint32_t colour);
    void CylinderDisc(int x0, int row0, int z0, bool horizontal, std::uint32_t colour);
    void CylinderPixel(int x, int row, int z, int vx, int vrow, int vz, std::uint32_t colour);
    // A tube pixel's brightness of 256 from its offset v to the axis.
    int CylinderIntensity(int vx, int vrow, int vz) const;
    bool Inside(int x, int row) const;
    // True when the square of radius r around (x, row) lies wholly outside, or inside, the band.
    bool SquareOutside(int x, int row, int r) const;
    bool SquareInside(int x, int row, int r) const;
    bool DepthPasses(int x, int row, int z);
    void WritePixel(int x, int row, std::uint32_t colour, int intensity);
    void BlendLinePixel(int x, int row, int z, const std::array<std::uint8_t, 3>& bytes, double coverage);

    PictureBuffers& picture_;
    FootprintCache& footprints_;
    int width_;
    int firstRow_, endRow_;
    bool dither_;
    bool everyStep_;
    DepthTiles tiles_;
    // Scratch of one primitive.
    bool clip_ = false;
    int centreX_ = 0, centreRow_ = 0, centreZ_ = 0, sphereRadius_ = 1;
    int axisX_ = 0, axisRow_ = 0, axisZ_ = 0;
    int discRadius_ = 0;      // the traced radius
    int cylinderRadius_ = 1;  // at least 1, for the shading
    long long axisLengthSquared_ = 1;
    const std::vector<int>* discDepths_ = nullptr;        // the tube's disc traced ahead, or null
    std::vector<std::array<std::uint8_t, 3>> discBytes_;  // and its pixels' shaded bytes
};

}  // namespace kiva
