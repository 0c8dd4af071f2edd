// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The high-quality picture: shaded spheres and cylinders in a 24-bit colour buffer with a 16-bit
// depth buffer, and the overlays drawn with depth-tested lines. Integer-exact: a scene renders to
// the same bytes everywhere.
#include <cstdint>
#include <deque>
#include <vector>

#include "render/footprint.h"
#include "render/label_font.h"
#include "render/view_state.h"

namespace kiva {

// The view's picture: width x height pixels (340 x 340 by default) of blue, green, red bytes in
// top-down rows, and a signed 16-bit depth per pixel, larger nearer.
struct PictureBuffers {
    PictureBuffers() = default;
    explicit PictureBuffers(PictureArea area) { Resize(area); }
    // Takes the area's size within the picture limits; the pixels are left undefined.
    void Resize(PictureArea area);
    PictureArea Area() const { return {width, height}; }

    int width = kPictureSize, height = kPictureSize;
    std::vector<std::uint8_t> colour = std::vector<std::uint8_t>(kPictureSize * kPictureSize * 3);
    std::vector<std::int16_t> depth = std::vector<std::int16_t>(kPictureSize * kPictureSize);
    FootprintCache footprints;  // the spheres' footprints, traced and painted in earlier frames
    // The same for each further thread of a banded frame, so no two threads share one.
    std::deque<FootprintCache> threadFootprints;
    LabelLettering lettering;  // the atom labels' font, opened at the first labelled frame
};

// The threads a frame is rendered on: one for each core, at least one.
int RenderThreadCount();

// The next value of the process-wide dither generator: seed = (29 seed + 217) mod 1024.
int NextDitherValue();

// The grey opposite the background: white on the black screen, black on the white printout.
std::uint32_t ContrastColor(std::uint8_t background);

// Renders the whole scene on a background grey `background` (0 on screen, 255 in print), at the
// buffers' size, in bands of rows on `threads` threads (on every core when not given). The bytes
// are the same for any number of threads.
void RenderFrame(const ViewState& view, PictureBuffers& picture, std::uint8_t background);
void RenderFrame(const ViewState& view, PictureBuffers& picture, std::uint8_t background, int threads);

// Rows first to end - 1 of a picture.
struct RowBand {
    int first, end;
};

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
    void DrawCylinder(int x1, int row1, int z1, int x2, int row2, int z2, int r, std::uint32_t colour);
    void DrawLine3D(int x1, int row1, int z1, int x2, int row2, int z2, std::uint32_t colour);

private:
    void SphereSpan(int x0, int row, int z0, int halfWidth, std::uint32_t colour);
    void SpherePixel(int x, int row, int z, std::uint32_t colour);
    // From the painted footprint where there is one, else shading each pixel drawn.
    void DrawSphereFootprint(int x, int row, int z, const SphereFootprint& footprint, const PaintedFootprint* painted,
                             std::uint32_t colour);
    void CylinderDisc(int x0, int row0, int z0, bool horizontal, std::uint32_t colour);
    void CylinderPixel(int x, int row, int z, int vx, int vrow, int vz, std::uint32_t colour);
    bool Inside(int x, int row) const;
    // True when the square of radius r around (x, row) lies wholly outside, or inside, the band.
    bool SquareOutside(int x, int row, int r) const;
    bool SquareInside(int x, int row, int r) const;
    bool DepthPasses(int x, int row, int z);
    // True when every pixel of the square of radius r about (x, row), within the band, already
    // holds a depth of `nearest` or more, so a sphere no nearer than that draws nothing there.
    bool HiddenBehind(int x, int row, int r, int nearest);
    // The square's tiles were drawn on: their least depths may have grown.
    void MarkTilesDrawn(int x, int row, int r);
    int LeastDepthOfTile(int column, int tileRow) const;
    void WritePixel(int x, int row, std::uint32_t colour, int intensity);

    PictureBuffers& picture_;
    FootprintCache& footprints_;
    int width_;
    int firstRow_, endRow_;
    bool dither_;
    bool everyStep_;
    // The band in tiles of 16 x 16 pixels, each with a depth no greater than any of its pixels':
    // the lowest at first, raised when a hidden test needs it after a drawing.
    int tileColumns_ = 0, tileRows_ = 0;
    std::vector<std::int16_t> tileLeast_;
    std::vector<bool> tileDrawn_;
    // Scratch of one primitive.
    bool clip_ = false;
    int centreX_ = 0, centreRow_ = 0, centreZ_ = 0, sphereRadius_ = 1;
    int axisX_ = 0, axisRow_ = 0, axisZ_ = 0;
    int discRadius_ = 0;      // the traced radius
    int cylinderRadius_ = 1;  // at least 1, for the shading
    long long axisLengthSquared_ = 1;
    std::vector<int> discDepths_;  // the tube's disc traced ahead, or empty
};

}  // namespace kiva
