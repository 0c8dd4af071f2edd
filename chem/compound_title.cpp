// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/compound_title.h"

namespace kiva {

std::string_view BondingClassSuffix(std::int32_t bondingClass) {
    switch (bondingClass) {
    case 0: return " - (Metal)";
    case 1: return " - (Atom)";
    case 2: return " - (Ionic)";
    case 3: return " - (Molecule)";
    case 4: return " - (Covalent Network)";
    default: return "";
    }
}

}  // namespace kiva
