// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/compound_title.h"

#include "platform/translatable.h"

namespace kiva {

std::string_view BondingClassSuffix(std::int32_t bondingClass) {
    switch (bondingClass) {
    case 0: return KIVA_TRANSLATABLE("BondingClass", " - (Metal)");
    case 1: return KIVA_TRANSLATABLE("BondingClass", " - (Atom)");
    case 2: return KIVA_TRANSLATABLE("BondingClass", " - (Ionic)");
    case 3: return KIVA_TRANSLATABLE("BondingClass", " - (Molecule)");
    case 4: return KIVA_TRANSLATABLE("BondingClass", " - (Covalent Network)");
    default: return "";
    }
}

}  // namespace kiva
