// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/translucent_faces.h"

#include <algorithm>
#include <cmath>

#include "render/footprint.h"
#include "render/lattice_plane.h"
#include "render/polyhedra.h"
#include "render/smooth_edges.h"

namespace kiva {

namespace {

constexpr std::uint32_t kPlaneColour = 0xFF8040;  // a light blue, apart from every element's default
constexpr std::uint32_t kPlaneEdgeColour = 0xC04010;

ImagePoint Project(const ViewState& view, const PictureMap& map, Vector3D structurePoint) {
    return ToImagePoint(TransformPoint(view.viewTransform, structurePoint), map);
}

// Each channel at half its strength: the edges of a polyhedron in its centre's colour, darker.
std::uint32_t Darker(std::uint32_t colour) { return (colour >> 1) & 0x7F7F7F; }

int MeanDepth(const std::vector<ImagePoint>& corners) {
    long long sum = 0;
    for (const ImagePoint& p : corners) sum += p.z;
    return corners.empty() ? 0 : static_cast<int>(sum / static_cast<long long>(corners.size()));
}

void AddFace(TranslucentItems& items, std::vector<ImagePoint> corners, std::uint32_t colour) {
    if (corners.size() < 3) return;
    const int depth = MeanDepth(corners);
    items.faces.push_back({std::move(corners), colour, depth});
}

// The depth plane z = ax * x + arow * row + c through a face; false for a face seen edge-on.
struct DepthPlane {
    double ax = 0, arow = 0, c = 0;
};
bool PlaneOf(const std::vector<ImagePoint>& corners, DepthPlane& plane) {
    const ImagePoint& p = corners[0];
    for (std::size_t i = 1; i + 1 < corners.size(); ++i) {
        const ImagePoint& q = corners[i];
        const ImagePoint& r = corners[i + 1];
        const double ux = q.x - p.x, urow = q.row - p.row, uz = q.z - p.z;
        const double vx = r.x - p.x, vrow = r.row - p.row, vz = r.z - p.z;
        const double area = ux * vrow - urow * vx;
        if (std::fabs(area) < 0.5) continue;
        plane.ax = (uz * vrow - urow * vz) / area;
        plane.arow = (ux * vz - uz * vx) / area;
        plane.c = p.z - plane.ax * p.x - plane.arow * p.row;
        return true;
    }
    return false;
}

// How far a pixel lies inside the face, from its nearest edge, in pixels; negative outside.
float InsideDistance(const std::vector<ImagePoint>& corners, float orientation, float x, float row) {
    float nearest = 1e9f;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const ImagePoint& a = corners[i];
        const ImagePoint& b = corners[(i + 1) % corners.size()];
        const float ex = static_cast<float>(b.x - a.x), erow = static_cast<float>(b.row - a.row);
        const float length = std::sqrt(ex * ex + erow * erow);
        if (length < 1e-3f) continue;
        nearest = std::min(nearest, orientation * (ex * (row - static_cast<float>(a.row)) - erow * (x - static_cast<float>(a.x))) / length);
    }
    return nearest;
}

// The span of a row the face covers, from its edges' crossings.
bool RowSpan(const std::vector<ImagePoint>& corners, int row, double& left, double& right) {
    left = 1e18;
    right = -1e18;
    const std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const ImagePoint& a = corners[i];
        const ImagePoint& b = corners[(i + 1) % n];
        if ((row < a.row && row < b.row) || (row > a.row && row > b.row)) continue;
        if (a.row == b.row) {
            left = std::min({left, static_cast<double>(a.x), static_cast<double>(b.x)});
            right = std::max({right, static_cast<double>(a.x), static_cast<double>(b.x)});
            continue;
        }
        const double x = a.x + static_cast<double>(b.x - a.x) * (row - a.row) / (b.row - a.row);
        left = std::min(left, x);
        right = std::max(right, x);
    }
    return left <= right;
}

void BlendFace(const TranslucentFace& face, PictureBuffers& picture, RowBand band, bool smooth) {
    DepthPlane plane;
    if (!PlaneOf(face.corners, plane)) return;
    int top = face.corners[0].row, bottom = top;
    long long twiceArea = 0;
    for (std::size_t i = 0; i < face.corners.size(); ++i) {
        const ImagePoint& p = face.corners[i];
        const ImagePoint& q = face.corners[(i + 1) % face.corners.size()];
        twiceArea += static_cast<long long>(p.x) * q.row - static_cast<long long>(q.x) * p.row;
        top = std::min(top, p.row);
        bottom = std::max(bottom, p.row);
    }
    const float orientation = twiceArea > 0 ? 1.0f : -1.0f;
    const int grow = smooth ? 1 : 0;  // a smooth edge reaches into the pixels beside it
    const int first = std::max({top - grow, band.first, 0});
    const int last = std::min({bottom + grow, band.end - 1, picture.height - 1});
    const auto bytes = ShadedBytes(face.colour, 256);
    for (int row = first; row <= last; ++row) {
        double left = 0, right = 0;
        if (!RowSpan(face.corners, std::clamp(row, top, bottom), left, right)) continue;
        const int from = std::max(0, static_cast<int>(std::ceil(left)) - grow);
        const int to = std::min(picture.width - 1, static_cast<int>(std::floor(right)) + grow);
        for (int x = from; x <= to; ++x) {
            const std::size_t pixel = static_cast<std::size_t>(row) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x);
            const double z = plane.ax * x + plane.arow * row + plane.c;
            if (z < picture.depth[pixel]) continue;  // an atom or a bond in front hides the face
            int opacity = kFaceOpacity;
            if (smooth && (x <= left + 1 || x >= right - 1 || row <= top + 1 || row >= bottom - 1)) {
                const float inside = InsideDistance(face.corners, orientation, static_cast<float>(x), static_cast<float>(row));
                opacity = static_cast<int>(static_cast<float>(kFaceOpacity) * EdgeCoverage(inside) + 0.5f);
                if (opacity == 0) continue;
            }
            std::uint8_t* colour = &picture.colour[3 * pixel];
            for (std::size_t channel = 0; channel < 3; ++channel)
                colour[channel] = static_cast<std::uint8_t>((colour[channel] * (256 - opacity) + bytes[channel] * opacity) >> 8);
        }
    }
}

}  // namespace

TranslucentItems CollectTranslucentItems(const ViewState& view, const PictureMap& map) {
    TranslucentItems items;
    if (view.displayState != DisplayState::CrystalSolid) return items;
    if (view.showPolyhedra) {
        for (const Polyhedron& polyhedron : CoordinationPolyhedra(view)) {
            const std::uint32_t colour = view.atoms[static_cast<std::size_t>(polyhedron.centre)].color;
            std::vector<ImagePoint> corners;
            for (const int atom : polyhedron.corners) corners.push_back(ToImagePoint(view.atoms[static_cast<std::size_t>(atom)].picture, map));
            for (const std::vector<int>& face : polyhedron.faces) {
                std::vector<ImagePoint> points;
                for (std::size_t i = 0; i < face.size(); ++i) {
                    points.push_back(corners[static_cast<std::size_t>(face[i])]);
                    const int next = face[(i + 1) % face.size()];
                    if (face[i] < next)  // each edge once, from the face that lists it rising
                        items.edges.push_back({corners[static_cast<std::size_t>(face[i])], corners[static_cast<std::size_t>(next)], Darker(colour)});
                }
                AddFace(items, std::move(points), colour);
            }
        }
    }
    if (view.latticePlane) {
        std::vector<ImagePoint> corners;
        for (const Vector3D& p : PlanePolygon(view.cellAxes, view.cellMultiples, *view.latticePlane)) corners.push_back(Project(view, map, p));
        for (std::size_t i = 0; i < corners.size() && corners.size() >= 3; ++i)
            items.edges.push_back({corners[i], corners[(i + 1) % corners.size()], kPlaneEdgeColour});
        AddFace(items, std::move(corners), kPlaneColour);
    }
    // Farthest first, so each face blends over those behind it; equal depths keep their order.
    std::stable_sort(items.faces.begin(), items.faces.end(), [](const TranslucentFace& a, const TranslucentFace& b) { return a.depth < b.depth; });
    return items;
}

void BlendFaces(const std::vector<TranslucentFace>& faces, PictureBuffers& picture, RowBand band, bool smooth) {
    for (const TranslucentFace& face : faces) BlendFace(face, picture, band, smooth);
}

}  // namespace kiva
