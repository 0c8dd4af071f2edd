// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/lattice_plane.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kiva {

namespace {

using Vec = std::array<double, 3>;

Vec Of(Vector3D v) { return {v.x, v.y, v.z}; }
Vec Cross(const Vec& u, const Vec& v) { return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]}; }
double Dot(const Vec& u, const Vec& v) { return u[0] * v[0] + u[1] * v[1] + u[2] * v[2]; }

// h a* + k b* + l c*, with a* = (b x c) / V and so on; zero for a flat cell.
Vec ReciprocalVector(const std::array<Vector3D, 3>& axes, MillerIndices hkl) {
    const Vec a = Of(axes[0]), b = Of(axes[1]), c = Of(axes[2]);
    const Vec bc = Cross(b, c), ca = Cross(c, a), ab = Cross(a, b);
    const double volume = Dot(a, bc);
    if (!(std::fabs(volume) > 1e-12)) return {0, 0, 0};
    Vec g{};
    for (int i = 0; i < 3; ++i) g[static_cast<std::size_t>(i)] = (hkl.h * bc[static_cast<std::size_t>(i)] + hkl.k * ca[static_cast<std::size_t>(i)] + hkl.l * ab[static_cast<std::size_t>(i)]) / volume;
    return g;
}

}  // namespace

bool AreMillerIndices(MillerIndices hkl) {
    const auto fits = [](int i) { return std::abs(i) <= kMaxMillerIndex; };
    return fits(hkl.h) && fits(hkl.k) && fits(hkl.l) && (hkl.h != 0 || hkl.k != 0 || hkl.l != 0);
}

double InterplanarSpacing(const std::array<Vector3D, 3>& cellAxes, MillerIndices hkl) {
    const Vec g = ReciprocalVector(cellAxes, hkl);
    const double length = std::sqrt(Dot(g, g));
    return length > 0 ? 1 / length : 0;
}

Vector3D PlaneNormal(const std::array<Vector3D, 3>& cellAxes, MillerIndices hkl) {
    const Vec g = ReciprocalVector(cellAxes, hkl);
    const double length = std::sqrt(Dot(g, g));
    if (!(length > 0)) return {0, 0, 1};
    return {static_cast<float>(g[0] / length), static_cast<float>(g[1] / length), static_cast<float>(g[2] / length)};
}

std::vector<Vector3D> PlanePolygon(const std::array<Vector3D, 3>& cellAxes, const std::array<int, 3>& multiples,
                                   const LatticePlane& plane) {
    if (!AreMillerIndices(plane.hkl) || !(InterplanarSpacing(cellAxes, plane.hkl) > 0)) return {};
    const Vec size{static_cast<double>(multiples[0]), static_cast<double>(multiples[1]), static_cast<double>(multiples[2])};
    const Vec hkl{static_cast<double>(plane.hkl.h), static_cast<double>(plane.hkl.k), static_cast<double>(plane.hkl.l)};
    const auto side = [&](const Vec& f) { return Dot(hkl, f) - plane.offset; };
    // The block's twelve edges: from each corner with a 0 along the axis to its neighbour along it.
    std::vector<Vec> cuts;
    for (int axis = 0; axis < 3; ++axis)
        for (int corner = 0; corner < 4; ++corner) {
            Vec from{};
            const int u = (axis + 1) % 3, v = (axis + 2) % 3;
            from[static_cast<std::size_t>(u)] = (corner & 1) ? size[static_cast<std::size_t>(u)] : 0;
            from[static_cast<std::size_t>(v)] = (corner & 2) ? size[static_cast<std::size_t>(v)] : 0;
            Vec to = from;
            to[static_cast<std::size_t>(axis)] = size[static_cast<std::size_t>(axis)];
            const double s0 = side(from), s1 = side(to);
            if ((s0 > 0 && s1 > 0) || (s0 < 0 && s1 < 0) || s0 == s1) continue;
            const double t = s0 / (s0 - s1);
            Vec cut{};
            for (std::size_t i = 0; i < 3; ++i) cut[i] = from[i] + t * (to[i] - from[i]);
            const bool known = std::any_of(cuts.begin(), cuts.end(), [&](const Vec& p) {
                return std::fabs(p[0] - cut[0]) + std::fabs(p[1] - cut[1]) + std::fabs(p[2] - cut[2]) < 1e-9;
            });
            if (!known) cuts.push_back(cut);
        }
    if (cuts.size() < 3) return {};
    std::vector<Vector3D> points;
    for (const Vec& f : cuts)
        points.push_back(Add(Add(Scale(static_cast<float>(f[0]), cellAxes[0]), Scale(static_cast<float>(f[1]), cellAxes[1])),
                             Scale(static_cast<float>(f[2]), cellAxes[2])));
    Vector3D centre{0, 0, 0};
    for (const Vector3D& p : points) centre = Add(centre, p);
    centre = Scale(1.0f / static_cast<float>(points.size()), centre);
    const Vec normal = Of(PlaneNormal(cellAxes, plane.hkl));
    const Vec u = Of(Subtract(points[0], centre));
    const Vec v = Cross(normal, u);
    const auto angle = [&](const Vector3D& p) {
        const Vec d = Of(Subtract(p, centre));
        return std::atan2(Dot(d, v), Dot(d, u));
    };
    std::sort(points.begin(), points.end(), [&](const Vector3D& a, const Vector3D& b) { return angle(a) < angle(b); });
    return points;
}

}  // namespace kiva
