// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The title a document gets when a substance is chosen: its name and its bonding class.
#include <cstdint>
#include <string>
#include <string_view>

namespace kiva {

// " - (Metal)", " - (Atom)", " - (Ionic)", " - (Molecule)", " - (Covalent Network)"; nothing for a
// value outside the five classes. Shown translated in the context kBondingClassContext.
inline constexpr const char* kBondingClassContext = "BondingClass";
std::string_view BondingClassSuffix(std::int32_t bondingClass);

inline std::string CompoundTitle(std::string_view name, std::int32_t bondingClass) {
    return std::string(name) + std::string(BondingClassSuffix(bondingClass));
}

}  // namespace kiva
