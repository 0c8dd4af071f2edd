// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The see-through drawing of the high-quality frame: the faces of the coordination polyhedra and
// the lattice plane, blended over the atoms and bonds behind them and hidden by those in front,
// farthest first, with the polyhedra's edges drawn darker over them.
#include <cstdint>
#include <vector>

#include "render/image_point.h"
#include "render/picture_buffers.h"
#include "render/view_state.h"

namespace kiva {

struct TranslucentFace {
    std::vector<ImagePoint> corners;  // in order round the face
    std::uint32_t colour;
    int depth;  // the mean depth of the corners, which orders the faces
};

struct FaceEdge {
    ImagePoint from, to;
    std::uint32_t colour;
};

struct TranslucentItems {
    std::vector<TranslucentFace> faces;  // farthest first
    std::vector<FaceEdge> edges;
    bool Empty() const { return faces.empty() && edges.empty(); }
};

// A face lets 5/8 of what lies behind it through.
inline constexpr int kFaceOpacity = 96;  // of 256

// What the view asks for: its polyhedra, its lattice plane; nothing in another display state.
TranslucentItems CollectTranslucentItems(const ViewState& view, const PictureMap& map);

// Blends the faces into the rows of `band`, where they lie in front of what is drawn there;
// the depth buffer stays as the atoms left it. Smooth: a pixel on a face's edge blends in the
// share of it the face covers.
void BlendFaces(const std::vector<TranslucentFace>& faces, PictureBuffers& picture, RowBand band, bool smooth = false);

}  // namespace kiva
