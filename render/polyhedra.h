// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Coordination polyhedra, as crystallography is taught: around each cation of an ionic crystal
// (of the highest charge, where there are several), or each four- to eight-bonded atom of a
// covalent network, the convex hull of the atoms it is
// bonded to: the octahedra of rock salt, the cubes of caesium chloride, the tetrahedra of quartz.
#include <cstddef>
#include <vector>

#include "math/vector_math.h"
#include "render/view_state.h"

namespace kiva {

// Fewer than four neighbours make a triangle or a line, which is no polyhedron; twelve (the
// cuboctahedra of close packing) fill the whole picture with overlapping faces.
inline constexpr std::size_t kFewestCorners = 4;
inline constexpr std::size_t kMostCorners = 8;

// The faces of the convex hull of 4 to kMostCorners points: coplanar points share one face.
// Empty when the points are fewer or more, or all lie in one plane.
std::vector<std::vector<int>> ConvexHullFaces(const std::vector<Vector3D>& points);

// Whether `p` lies inside the hull, clear of every face.
bool InsideHull(const std::vector<Vector3D>& points, const std::vector<std::vector<int>>& faces, Vector3D p);

// The polyhedra of the crystal the view shows, in the order of their centres; none in any
// other state. A centre has one only when its whole coordination is shown: as many neighbours
// as any atom of its label has in the scene, enclosing it.
std::vector<Polyhedron> CoordinationPolyhedra(const ViewState& view);

// The same polyhedra, worked out once for each scene the view builds and kept until the next:
// a turn or a zoom moves them but does not change them.
const std::vector<Polyhedron>& ScenePolyhedra(const ViewState& view);
const std::vector<PolyhedronEdge>& ScenePolyhedronEdges(const ViewState& view);

}  // namespace kiva
