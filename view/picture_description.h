// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the picture shows, in a sentence a screen reader speaks: "NaCl, crystal, 2 × 2 × 2 cells,
// 64 atoms, space-filling". The window gives it to assistive technology as the picture's
// description and renews it whenever the picture changes.
#include <string>
#include <string_view>

#include "platform/translatable.h"
#include "render/view_state.h"

namespace kiva {

// English, or the user's language where the window gives it (translated in the context
// "PictureDescription"); %1 stands for a number.
struct DescriptionWords {
    std::string chemicalUnit = KIVA_TRANSLATABLE("PictureDescription", "chemical unit");
    std::string crystal = KIVA_TRANSLATABLE("PictureDescription", "crystal");
    std::string liquid = KIVA_TRANSLATABLE("PictureDescription", "liquid");
    std::string gas = KIVA_TRANSLATABLE("PictureDescription", "gas");
    std::string heating = KIVA_TRANSLATABLE("PictureDescription", "heating and cooling");
    std::string cells = KIVA_TRANSLATABLE("PictureDescription", "%1 cells");
    std::string atoms = KIVA_TRANSLATABLE("PictureDescription", "%1 atoms");
    std::string oneAtom = KIVA_TRANSLATABLE("PictureDescription", "1 atom");
    std::string ballAndStick = KIVA_TRANSLATABLE("PictureDescription", "ball-and-stick");
    std::string spaceFilling = KIVA_TRANSLATABLE("PictureDescription", "space-filling");
    std::string polyhedra = KIVA_TRANSLATABLE("PictureDescription", "coordination polyhedra");
    std::string plane = KIVA_TRANSLATABLE("PictureDescription", "lattice plane %1, d = %2 Å");
    std::string empty = KIVA_TRANSLATABLE("PictureDescription", "no substance");
    std::string decimalPoint = ".";
};

std::string PictureDescription(std::string_view name, const ViewState& view, const DescriptionWords& words = {});

// "(111)", "(1 -1 0)": the indices written together where each is one digit and not negative.
std::string MillerText(MillerIndices hkl);

// The spacing of the view's lattice plane in angstrom with two decimals: "2.09"; in the words'
// decimal separator.
std::string SpacingText(const ViewState& view, const std::string& decimalPoint = ".");

}  // namespace kiva
