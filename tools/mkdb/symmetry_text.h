// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Symmetry operations and translations written as coordinate triplets: "-x+1/2, y, z-0.5".
#include <optional>
#include <string>
#include <string_view>

#include "math/vector_math.h"

namespace kiva::mkdb {

// The operation as a matrix on fractional (x, y, z, 1); nothing when the text is no triplet of
// linear expressions in x, y and z.
std::optional<Matrix4> ParseSymmetryOperation(std::string_view text);

// A triplet of constants ("0,1/2,1/2"); nothing when the text is anything else.
std::optional<Vector3D> ParseFractionTriplet(std::string_view text);

}  // namespace kiva::mkdb
