// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A lattice plane by its Miller indices: where it cuts the shown cells, which way it faces, and
// the spacing d(hkl) of its family, from the cell's own metric, so that it is right for every
// cell and not only for cubic ones.
#include <array>
#include <vector>

#include "math/vector_math.h"

namespace kiva {

struct MillerIndices {
    int h = 1, k = 1, l = 1;
    friend bool operator==(const MillerIndices&, const MillerIndices&) = default;
};

// Each index from -6 to 6, not all 0: the planes a school lesson draws.
inline constexpr int kMaxMillerIndex = 6;
bool AreMillerIndices(MillerIndices hkl);

// The plane h x + k y + l z = offset in fractional coordinates: offset 1 cuts the axes at a/h,
// b/k and c/l, and each step of 1 moves it one spacing d(hkl) on.
struct LatticePlane {
    MillerIndices hkl;
    double offset = 1;
    friend bool operator==(const LatticePlane&, const LatticePlane&) = default;
};

// d(hkl) in angstrom for the cell edges a, b, c: 1 / |h a* + k b* + l c*|; 0 for a flat cell.
double InterplanarSpacing(const std::array<Vector3D, 3>& cellAxes, MillerIndices hkl);

// The plane's unit normal in structure coordinates: along h a* + k b* + l c*.
Vector3D PlaneNormal(const std::array<Vector3D, 3>& cellAxes, MillerIndices hkl);

// The polygon the plane cuts from the block of multiples[0] x multiples[1] x multiples[2] cells
// at the origin, in structure coordinates and in order round it; empty where it misses them.
std::vector<Vector3D> PlanePolygon(const std::array<Vector3D, 3>& cellAxes, const std::array<int, 3>& multiples,
                                   const LatticePlane& plane);

}  // namespace kiva
