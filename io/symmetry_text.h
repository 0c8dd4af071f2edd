// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Symmetry operations and translations written as coordinate triplets: "-x+1/2, y, z-0.5".
#include <cstddef>
#include <optional>
#include <string_view>

#include "math/vector_math.h"

namespace kiva {

// The longest triplet read: the longest real operation ("-x+y+1/3,-x+2/3,-z+1/6") is far
// shorter, and a longer text is damage, not symmetry.
inline constexpr std::size_t kMaxTripletText = 128;

// The operation as a matrix on fractional (x, y, z, 1); nothing when the text is no triplet of
// linear expressions in x, y and z, or longer than kMaxTripletText.
std::optional<Matrix4> ParseSymmetryOperation(std::string_view text);

// A triplet of constants ("0,1/2,1/2"); nothing when the text is anything else.
std::optional<Vector3D> ParseFractionTriplet(std::string_view text);

}  // namespace kiva
