// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/polyhedra.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <utility>
#include <string_view>

#include "chem/fixed_text.h"

namespace kiva {

namespace {

constexpr double kFlat = 1e-3;  // angstrom: points this close to a face's plane lie in it

struct Vector3Dd {
    double x, y, z;
};

Vector3Dd Delta(Vector3D p, Vector3D q) {
    return {static_cast<double>(p.x) - q.x, static_cast<double>(p.y) - q.y, static_cast<double>(p.z) - q.z};
}
Vector3Dd CrossOf(Vector3Dd u, Vector3Dd v) { return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x}; }
double DotOf(Vector3Dd u, Vector3Dd v) { return u.x * v.x + u.y * v.y + u.z * v.z; }
double LengthOf(Vector3Dd v) { return std::sqrt(DotOf(v, v)); }

// The face's points in order round it, anticlockwise seen along -outward.
std::vector<int> OrderRound(const std::vector<Vector3D>& points, std::vector<int> face, Vector3Dd outward) {
    Vector3D centre{0, 0, 0};
    for (const int i : face) centre = Add(centre, points[static_cast<std::size_t>(i)]);
    centre = Scale(1.0f / static_cast<float>(face.size()), centre);
    const Vector3Dd u = Delta(points[static_cast<std::size_t>(face[0])], centre);
    const Vector3Dd v = CrossOf(outward, u);
    const auto angle = [&](int i) {
        const Vector3Dd d = Delta(points[static_cast<std::size_t>(i)], centre);
        return std::atan2(DotOf(d, v), DotOf(d, u));
    };
    std::sort(face.begin(), face.end(), [&](int a, int b) { return angle(a) < angle(b); });
    return face;
}

// Each face's outward normal, from its first three points.
Vector3Dd FaceNormal(const std::vector<Vector3D>& points, const std::vector<int>& face) {
    const Vector3D& p = points[static_cast<std::size_t>(face[0])];
    const Vector3Dd n = CrossOf(Delta(points[static_cast<std::size_t>(face[1])], p), Delta(points[static_cast<std::size_t>(face[2])], p));
    const double length = LengthOf(n);
    return length > 0 ? Vector3Dd{n.x / length, n.y / length, n.z / length} : Vector3Dd{0, 0, 0};
}

}  // namespace

std::size_t Polyhedron::EdgeCount() const {
    std::size_t sides = 0;
    for (const std::vector<int>& face : faces) sides += face.size();
    return sides / 2;  // each edge borders two faces
}

std::vector<std::vector<int>> ConvexHullFaces(const std::vector<Vector3D>& points) {
    const std::size_t n = points.size();
    if (n < kFewestCorners || n > kMostCorners) return {};
    std::vector<std::vector<int>> faces;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k) {
                Vector3Dd normal = CrossOf(Delta(points[j], points[i]), Delta(points[k], points[i]));
                const double length = LengthOf(normal);
                if (length < kFlat) continue;  // three points in a line
                normal = {normal.x / length, normal.y / length, normal.z / length};
                bool above = false, below = false;
                std::vector<int> face;
                for (std::size_t m = 0; m < n; ++m) {
                    const double side = DotOf(normal, Delta(points[m], points[i]));
                    if (side > kFlat) above = true;
                    else if (side < -kFlat) below = true;
                    else face.push_back(static_cast<int>(m));
                }
                if (above && below) continue;  // the plane cuts through the points
                if (!above && !below) return {};  // every point in one plane
                if (above) normal = {-normal.x, -normal.y, -normal.z};
                if (std::any_of(faces.begin(), faces.end(), [&](const std::vector<int>& known) {
                        return std::is_permutation(known.begin(), known.end(), face.begin(), face.end());
                    }))
                    continue;
                faces.push_back(OrderRound(points, face, normal));
            }
    return faces;
}

bool InsideHull(const std::vector<Vector3D>& points, const std::vector<std::vector<int>>& faces, Vector3D p) {
    if (faces.empty()) return false;
    for (const std::vector<int>& face : faces) {
        const Vector3Dd normal = FaceNormal(points, face);
        if (DotOf(normal, Delta(p, points[static_cast<std::size_t>(face[0])])) > -kFlat) return false;
    }
    return true;
}

std::vector<Polyhedron> CoordinationPolyhedra(const ViewState& view) {
    if (view.displayState != DisplayState::CrystalSolid) return {};
    const std::size_t count = view.atoms.size();
    std::vector<std::vector<int>> neighbours(count);
    bool coordinated = false;
    for (const SceneBond& bond : view.bonds.items)
        if (bond.kind == static_cast<std::int32_t>(BondKind::Coordination)) coordinated = true;
    for (const SceneBond& bond : view.bonds.items) {
        if (bond.first < 0 || bond.second < 0 || static_cast<std::size_t>(bond.first) >= count ||
            static_cast<std::size_t>(bond.second) >= count)
            continue;
        const auto a = static_cast<std::size_t>(bond.first), b = static_cast<std::size_t>(bond.second);
        const float qa = view.atoms[a].charge, qb = view.atoms[b].charge;
        if (coordinated) {
            // An ionic crystal: the cation's anions.
            if (bond.kind != static_cast<std::int32_t>(BondKind::Coordination)) continue;
            if (qa > 0 && qb < 0) neighbours[a].push_back(bond.second);
            if (qb > 0 && qa < 0) neighbours[b].push_back(bond.first);
        } else {
            // A covalent network: every atom's bonded atoms.
            neighbours[a].push_back(bond.second);
            neighbours[b].push_back(bond.first);
        }
    }
    // The fullest coordination of each label: an atom with fewer neighbours lies at the edge of
    // the shown cells, and its shell is cut.
    std::map<std::string_view, std::size_t> fullest;
    for (std::size_t i = 0; i < count; ++i) {
        std::vector<int>& around = neighbours[i];
        std::sort(around.begin(), around.end());
        around.erase(std::unique(around.begin(), around.end()), around.end());
        std::size_t& most = fullest[TextOf(view.atoms[i].symbol)];
        most = std::max(most, neighbours[i].size());
    }
    // Of several cations, those of the highest charge: the titanium of a perovskite, the
    // aluminium of a spinel, the silicon of a silicate, whose polyhedra the lessons draw.
    float highestCharge = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (coordinated && !neighbours[i].empty()) highestCharge = std::max(highestCharge, view.atoms[i].charge);
    std::vector<Polyhedron> polyhedra;
    for (std::size_t i = 0; i < count; ++i) {
        if (coordinated && view.atoms[i].charge < highestCharge) continue;
        const std::vector<int>& around = neighbours[i];
        if (around.size() < kFewestCorners || around.size() > kMostCorners || around.size() < fullest[TextOf(view.atoms[i].symbol)])
            continue;
        std::vector<Vector3D> points;
        for (const int corner : around) points.push_back(view.atoms[static_cast<std::size_t>(corner)].position);
        std::vector<std::vector<int>> faces = ConvexHullFaces(points);
        if (!InsideHull(points, faces, view.atoms[i].position)) continue;
        polyhedra.push_back({static_cast<int>(i), around, std::move(faces)});
    }
    return polyhedra;
}

const std::vector<Polyhedron>& ScenePolyhedra(const ViewState& view) {
    PolyhedraCache& cache = view.polyhedra;
    if (cache.pending || cache.atomCount != view.atoms.size() || cache.bondCount != view.bonds.size() ||
        cache.state != view.displayState) {
        cache.polyhedra = CoordinationPolyhedra(view);
        cache.edges.clear();
        std::set<std::pair<int, int>> drawn;
        for (const Polyhedron& polyhedron : cache.polyhedra)
            for (const std::vector<int>& face : polyhedron.faces)
                for (std::size_t i = 0; i < face.size(); ++i) {
                    const int a = polyhedron.corners[static_cast<std::size_t>(face[i])];
                    const int b = polyhedron.corners[static_cast<std::size_t>(face[(i + 1) % face.size()])];
                    if (drawn.insert({std::min(a, b), std::max(a, b)}).second) cache.edges.push_back({a, b, polyhedron.centre});
                }
        cache.pending = false;
        cache.atomCount = view.atoms.size();
        cache.bondCount = view.bonds.size();
        cache.state = view.displayState;
    }
    return cache.polyhedra;
}

const std::vector<PolyhedronEdge>& ScenePolyhedronEdges(const ViewState& view) {
    ScenePolyhedra(view);
    return view.polyhedra.edges;
}

}  // namespace kiva
