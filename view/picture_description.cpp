// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/picture_description.h"

#include <cstdio>
#include <cstdlib>

namespace kiva {

namespace {

std::string Filled(std::string format, const std::string& value) {
    const std::size_t slot = format.find("%1");
    return slot == std::string::npos ? format : format.replace(slot, 2, value);
}

const std::string& StateWord(DisplayState state, const DescriptionWords& words) {
    switch (state) {
    case DisplayState::CrystalSolid: return words.crystal;
    case DisplayState::ChemicalUnit: return words.chemicalUnit;
    case DisplayState::Liquid: return words.liquid;
    case DisplayState::Gas: return words.gas;
    case DisplayState::Heating: return words.heating;
    }
    return words.chemicalUnit;
}

}  // namespace

std::string MillerText(MillerIndices hkl) {
    const bool compact = std::abs(hkl.h) < 10 && std::abs(hkl.k) < 10 && std::abs(hkl.l) < 10 && hkl.h >= 0 && hkl.k >= 0 && hkl.l >= 0;
    const std::string between = compact ? "" : " ";
    return "(" + std::to_string(hkl.h) + between + std::to_string(hkl.k) + between + std::to_string(hkl.l) + ")";
}

std::string SpacingText(const ViewState& view, const std::string& decimalPoint) {
    if (!view.latticePlane) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", InterplanarSpacing(view.cellAxes, view.latticePlane->hkl));
    std::string spacing = text;
    if (const std::size_t point = spacing.find('.'); point != std::string::npos) spacing.replace(point, 1, decimalPoint);
    return spacing;
}

std::string PictureDescription(std::string_view name, const ViewState& view, const DescriptionWords& words) {
    if (name.empty() || view.atoms.size() == 0) return words.empty;
    std::string text = std::string(name) + ", " + StateWord(view.displayState, words);
    if (view.displayState == DisplayState::CrystalSolid) {
        const auto& m = view.cellMultiples;
        text += ", " + Filled(words.cells, std::to_string(m[0]) + " \u00d7 " + std::to_string(m[1]) + " \u00d7 " + std::to_string(m[2]));
    }
    text += ", " + (view.atoms.size() == 1 ? words.oneAtom : Filled(words.atoms, std::to_string(view.atoms.size())));
    text += ", " + (view.displayModel == DisplayModel::SpaceFilling ? words.spaceFilling : words.ballAndStick);
    if (view.displayState == DisplayState::CrystalSolid) {
        if (view.showPolyhedra) text += ", " + words.polyhedra;
        if (view.latticePlane) {
            std::string plane = Filled(words.plane, MillerText(view.latticePlane->hkl));
            if (const std::size_t slot = plane.find("%2"); slot != std::string::npos) plane.replace(slot, 2, SpacingText(view, words.decimalPoint));
            text += ", " + plane;
        }
    }
    return text;
}

}  // namespace kiva
