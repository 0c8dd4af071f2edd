// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/translucent_faces.h"

#include <algorithm>
#include <cmath>

#include "render/footprint.h"
#include "render/lattice_plane.h"
#include "render/polyhedra.h"

namespace kiva {

namespace {

constexpr std::uint32_t kPlaneColour = 0xFF8040;  // a light blue, apart from every element's default
constexpr std::uint32_t kPlaneEdgeColour = 0xC04010;
constexpr int kChunkRows = 16;      // the rows whose face counts are gathered at once
constexpr int kMostLayers = 48;     // behind more faces than this a pixel keeps none of its colour

ImagePoint Project(const ViewState& view, const PictureMap& map, Vector3D structurePoint) {
    return ToImagePoint(TransformPoint(view.viewTransform, structurePoint), map);
}

// Each channel at half its strength: the edges of a polyhedron in its centre's colour, darker.
std::uint32_t Darker(std::uint32_t colour) { return (colour >> 1) & 0x7F7F7F; }

int ColourIndex(FaceLayer& layer, std::uint32_t colour) {
    const auto known = std::find(layer.colours.begin(), layer.colours.end(), colour);
    if (known != layer.colours.end()) return static_cast<int>(known - layer.colours.begin());
    if (layer.colours.size() < kFaceColours) layer.colours.push_back(colour);
    return static_cast<int>(layer.colours.size()) - 1;
}

void AddFace(FaceLayer& layer, std::vector<ImagePoint> corners, std::uint32_t colour) {
    TranslucentFace face{std::move(corners), {}, 0, 0, 0, 0, 0, 0};
    if (!PlaceFace(face)) return;
    face.colourIndex = ColourIndex(layer, colour);
    layer.faces.push_back(std::move(face));
}

// The span of a row the face covers, from its sides' crossings.
bool RowSpan(const TranslucentFace& face, int row, double& left, double& right) {
    left = 1e18;
    right = -1e18;
    for (const FaceSide& side : face.sides) {
        if (row < side.top || row > side.bottom) continue;
        const double x = side.xAtTop + (row - side.top) * side.xPerRow;
        left = std::min(left, x);
        right = std::max(right, x);
    }
    return left <= right;
}

// The faces' counts over some rows of a band: per colour and pixel, how many faces lie in front
// of what is drawn there.
struct FaceCounts {
    int width, firstRow, endRow;
    std::vector<std::uint16_t> counts;  // per colour, kChunkRows rows of the picture's width
    std::array<int, kChunkRows> from{}, to{};  // the columns counted in each row
    std::uint16_t* Row(std::size_t colour, int row) {
        return counts.data() + (colour * kChunkRows + static_cast<std::size_t>(row - firstRow)) * static_cast<std::size_t>(width);
    }
};

constexpr int kDepthSteps = 256;  // a face's depth along a span in 1/256 of a depth unit
constexpr double kDeepest = 32768;

// One more face at the n pixels where it lies in front: its depth there is start + i * step.
// Written for the compiler to vectorise.
void CountSpan(std::uint16_t* counts, const std::int16_t* depth, int n, int start, int step) {
    for (int i = 0; i < n; ++i) counts[i] = static_cast<std::uint16_t>(counts[i] + (start + i * step >= depth[i] * kDepthSteps ? 1 : 0));
}

void CountFace(const TranslucentFace& face, const PictureBuffers& picture, FaceCounts& chunk) {
    const int first = std::max(face.top, chunk.firstRow), last = std::min(face.bottom, chunk.endRow - 1);
    for (int row = first; row <= last; ++row) {
        double left = 0, right = 0;
        if (!RowSpan(face, row, left, right)) continue;
        const int from = std::max(0, -FloorToInt(-left));
        const int to = std::min(chunk.width - 1, FloorToInt(right));
        if (from > to) continue;
        const std::size_t r = static_cast<std::size_t>(row - chunk.firstRow);
        chunk.from[r] = std::min(chunk.from[r], from);
        chunk.to[r] = std::max(chunk.to[r], to);
        // The depths at the span's ends, kept within the depth buffer's range, and between them.
        const double zRow = face.zPerRow * row + face.zAtOrigin;
        const double zFrom = std::clamp(face.zPerX * from + zRow, -kDeepest, kDeepest);
        const double zTo = std::clamp(face.zPerX * to + zRow, -kDeepest, kDeepest);
        const int start = RoundToInt(zFrom * kDepthSteps);
        const int step = to > from ? RoundToInt((zTo - zFrom) * kDepthSteps / (to - from)) : 0;
        CountSpan(chunk.Row(static_cast<std::size_t>(face.colourIndex), row) + from,
                  picture.depth.data() + static_cast<std::ptrdiff_t>(row) * picture.width + from, to - from + 1, start, step);
    }
}

// The share of 256 a pixel behind n faces keeps of its own colour.
const std::array<int, kMostLayers + 1>& KeptShares() {
    static const std::array<int, kMostLayers + 1> kept = [] {
        std::array<int, kMostLayers + 1> shares{};
        for (std::size_t n = 0; n <= kMostLayers; ++n)
            shares[n] = static_cast<int>(256 * std::pow((256.0 - kFaceOpacity) / 256, static_cast<double>(n)) + 0.5);
        return shares;
    }();
    return kept;
}

// What a pixel behind n faces of one colour becomes: (kept[n] * its colour + added[n]) / 256.
struct FaceBlend {
    std::array<std::array<int, 3>, kMostLayers + 1> added{};
    std::array<std::uint8_t, 3> bytes{};
};

FaceBlend BlendOf(std::uint32_t colour) {
    FaceBlend blend;
    blend.bytes = ShadedBytes(colour, 256);
    for (std::size_t n = 0; n <= kMostLayers; ++n)
        for (std::size_t channel = 0; channel < 3; ++channel) blend.added[n][channel] = blend.bytes[channel] * (256 - KeptShares()[n]) + 128;
    return blend;
}

void BlendCounts(const std::vector<FaceBlend>& blends, FaceCounts& chunk, PictureBuffers& picture) {
    const std::size_t colours = blends.size();
    const std::array<int, kMostLayers + 1>& kept = KeptShares();
    for (int row = chunk.firstRow; row < chunk.endRow; ++row) {
        const std::size_t r = static_cast<std::size_t>(row - chunk.firstRow);
        std::uint8_t* line = &picture.colour[3 * static_cast<std::size_t>(row) * static_cast<std::size_t>(picture.width)];
        std::array<std::uint16_t*, kFaceColours> counts{};
        for (std::size_t k = 0; k < colours; ++k) counts[k] = chunk.Row(k, row);
        for (int x = chunk.from[r]; x <= chunk.to[r]; ++x) {
            std::array<unsigned, kFaceColours> n{};
            unsigned layers = 0;
            std::size_t only = 0;  // the colour of the faces, while there is one
            for (std::size_t k = 0; k < colours; ++k) {
                n[k] = counts[k][x];
                counts[k][x] = 0;
                if (n[k] != 0) only = layers == 0 ? k : kFaceColours;
                layers += n[k];
            }
            if (layers == 0) continue;
            std::uint8_t* colour = line + 3 * x;
            const std::size_t deep = std::min<std::size_t>(layers, kMostLayers);
            if (only < kFaceColours) {
                for (std::size_t channel = 0; channel < 3; ++channel)
                    colour[channel] = static_cast<std::uint8_t>((colour[channel] * kept[deep] + blends[only].added[deep][channel]) >> 8);
                continue;
            }
            // Faces of several colours: the mean of their colours, as many layers deep as all.
            for (std::size_t channel = 0; channel < 3; ++channel) {
                unsigned sum = 0;
                for (std::size_t k = 0; k < colours; ++k) sum += n[k] * blends[k].bytes[channel];
                const int faces = static_cast<int>((sum + layers / 2) / layers);
                colour[channel] = static_cast<std::uint8_t>((colour[channel] * kept[deep] + faces * (256 - kept[deep]) + 128) >> 8);
            }
        }
        chunk.from[r] = chunk.width;
        chunk.to[r] = -1;
    }
}

}  // namespace

bool PlaceFace(TranslucentFace& face) {
    const std::vector<ImagePoint>& corners = face.corners;
    face.sides.clear();
    if (corners.size() < 3) return false;
    face.top = face.bottom = corners[0].row;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const ImagePoint& a = corners[i];
        const ImagePoint& b = corners[(i + 1) % corners.size()];
        face.top = std::min(face.top, a.row);
        face.bottom = std::max(face.bottom, a.row);
        // A side along a row adds nothing: the sides that meet it reach its ends.
        if (a.row == b.row) continue;
        const ImagePoint& upper = a.row < b.row ? a : b;
        const ImagePoint& lower = a.row < b.row ? b : a;
        face.sides.push_back({upper.row, lower.row, static_cast<double>(upper.x),
                              static_cast<double>(lower.x - upper.x) / (lower.row - upper.row)});
    }
    const ImagePoint& p = corners[0];
    for (std::size_t i = 1; i + 1 < corners.size(); ++i) {
        const ImagePoint& q = corners[i];
        const ImagePoint& r = corners[i + 1];
        const double ux = q.x - p.x, urow = q.row - p.row, uz = q.z - p.z;
        const double vx = r.x - p.x, vrow = r.row - p.row, vz = r.z - p.z;
        const double area = ux * vrow - urow * vx;
        if (std::fabs(area) < 0.5) continue;
        face.zPerX = (uz * vrow - urow * vz) / area;
        face.zPerRow = (ux * vz - uz * vx) / area;
        face.zAtOrigin = p.z - face.zPerX * p.x - face.zPerRow * p.row;
        return true;
    }
    return false;
}

TranslucentItems CollectTranslucentItems(const ViewState& view, const PictureMap& map) {
    TranslucentItems items;
    if (view.displayState != DisplayState::CrystalSolid) return items;
    if (view.latticePlane) {
        std::vector<ImagePoint> corners;
        for (const Vector3D& p : PlanePolygon(view.cellAxes, view.cellMultiples, *view.latticePlane)) corners.push_back(Project(view, map, p));
        for (std::size_t i = 0; i < corners.size() && corners.size() >= 3; ++i)
            items.edges.push_back({corners[i], corners[(i + 1) % corners.size()], kPlaneEdgeColour});
        AddFace(items.plane, std::move(corners), kPlaneColour);
    }
    if (view.showPolyhedra) {
        for (const Polyhedron& polyhedron : ScenePolyhedra(view)) {
            const std::uint32_t colour = view.atoms[static_cast<std::size_t>(polyhedron.centre)].color;
            std::vector<ImagePoint> corners;
            for (const int atom : polyhedron.corners) corners.push_back(ToImagePoint(view.atoms[static_cast<std::size_t>(atom)].picture, map));
            for (const std::vector<int>& face : polyhedron.faces) {
                std::vector<ImagePoint> points;
                for (const int corner : face) points.push_back(corners[static_cast<std::size_t>(corner)]);
                AddFace(items.polyhedra, std::move(points), colour);
            }
        }
        const auto pointOf = [&](int atom) { return ToImagePoint(view.atoms[static_cast<std::size_t>(atom)].picture, map); };
        for (const PolyhedronEdge& edge : ScenePolyhedronEdges(view))
            items.edges.push_back({pointOf(edge.from), pointOf(edge.to), Darker(view.atoms[static_cast<std::size_t>(edge.centre)].color)});
    }
    return items;
}

void BlendFaces(const TranslucentItems& items, PictureBuffers& picture, RowBand band) {
    for (const FaceLayer* layer : {&items.polyhedra, &items.plane}) {
        if (layer->faces.empty()) continue;
        std::vector<FaceBlend> blends;
        for (const std::uint32_t colour : layer->colours) blends.push_back(BlendOf(colour));
        FaceCounts chunk{picture.width, 0, 0, {}, {}, {}};
        chunk.counts.assign(blends.size() * kChunkRows * static_cast<std::size_t>(picture.width), 0);
        chunk.from.fill(picture.width);
        chunk.to.fill(-1);
        for (int first = std::max(band.first, 0); first < std::min(band.end, picture.height); first += kChunkRows) {
            chunk.firstRow = first;
            chunk.endRow = std::min({first + kChunkRows, band.end, picture.height});
            for (const TranslucentFace& face : layer->faces)
                if (face.bottom >= chunk.firstRow && face.top < chunk.endRow) CountFace(face, picture, chunk);
            BlendCounts(blends, chunk, picture);
        }
    }
}

}  // namespace kiva
