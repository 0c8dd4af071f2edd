// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The see-through drawing of the high-quality frame: the faces of the coordination polyhedra and
// the lattice plane over the atoms and bonds behind them, hidden by those in front, with the
// polyhedra's and the plane's edges drawn darker over them.
//
// Every face lets the same share of what lies behind it through, so a pixel behind n faces keeps
// (1 - opacity)^n of its colour and takes the rest in the mean colour of those faces: the faces
// need no depth order, and each face adds only a count to the pixels it covers.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "render/image_point.h"
#include "render/picture_buffers.h"
#include "render/view_state.h"

namespace kiva {

// The faces are counted per pixel and colour, for up to four colours: the faces of a fifth colour
// and beyond count as the fourth's.
inline constexpr std::size_t kFaceColours = 4;

// A side of a face that crosses rows: x = xAtTop + (row - top) * xPerRow from row top to bottom.
struct FaceSide {
    int top, bottom;
    double xAtTop, xPerRow;
};

struct TranslucentFace {
    std::vector<ImagePoint> corners;   // in order round the face
    std::vector<FaceSide> sides;       // those not along a row
    int colourIndex;                   // into its layer's colours
    int top, bottom;                   // the rows it spans
    double zPerX, zPerRow, zAtOrigin;  // its depth as a plane over the picture
};

struct FaceEdge {
    ImagePoint from, to;
    std::uint32_t colour;
};

// Faces blended together, in up to kFaceColours colours.
struct FaceLayer {
    std::vector<TranslucentFace> faces;
    std::vector<std::uint32_t> colours;
};

// The polyhedra, then the lattice plane over them, where the class looks for it; then the edges.
struct TranslucentItems {
    FaceLayer polyhedra, plane;
    std::vector<FaceEdge> edges;
    bool Empty() const { return polyhedra.faces.empty() && plane.faces.empty() && edges.empty(); }
};

// Fills in the face's rows, sides and depth plane from its corners; false for a face seen
// edge-on, which covers no pixel.
bool PlaceFace(TranslucentFace& face);

// A face lets 5/8 of what lies behind it through.
inline constexpr int kFaceOpacity = 96;  // of 256

// What the view asks for: its polyhedra, its lattice plane; nothing in another display state.
// Faces seen edge-on are left out.
TranslucentItems CollectTranslucentItems(const ViewState& view, const PictureMap& map);

// Blends the faces into the rows of `band` where they lie in front of what is drawn there, the
// polyhedra first; the depth buffer stays as the atoms left it.
void BlendFaces(const TranslucentItems& items, PictureBuffers& picture, RowBand band);

}  // namespace kiva
