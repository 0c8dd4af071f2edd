// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The key words under which the selection dialogs file substances, in the dialogs' order. They
// are compared exactly with the keys of index entries.
#include <array>
#include <string_view>

namespace kiva {

inline constexpr std::array<std::string_view, 18> kPositiveIons = {
    "Li", "Be", "B", "Na", "Mg", "Al", "K", "Ca", "Mn", "Fe", "Cu", "Zn", "Zr", "Ag", "Ba", "Hg", "Pb", "Other"};

// The negative ions of metallic compounds, and the negative covalences of non-metallic ones.
inline constexpr std::array<std::string_view, 20> kNegativeIons = {
    "C", "N", "O", "F", "Si", "P", "S", "Cl", "Br", "I", "BO", "CO", "NO", "OH", "SiO", "PO", "SO", "ClO", "BrO", "IO"};

inline constexpr std::array<std::string_view, 7> kPositiveCovalences = {"H", "C", "N", "Si", "P", "S", "NH4"};

struct OrganicCategory {
    int buttonId;
    std::string_view label;    // as the button shows it
    std::string_view keyWord;  // as index entries spell it
};

inline constexpr std::array<OrganicCategory, 15> kOrganicCategories = {{
    {1030, "Alkyl hydrocarbon", "Alkyl"},
    {1031, "Ethylenic hydrocarbon", "Ethylenic"},
    {1032, "Acetylenic hydrocarbon", "Acetylenic"},
    {1033, "Aromatic hydrocarbon", "Aromatic"},
    {1034, "Alcohol", "Alcohol"},
    {1035, "Ether", "Ether"},
    {1036, "Phenol", "Phenol"},
    {1037, "Aldehyde", "Aldehyde"},
    {1038, "Oil & Fat/Ester", "Fat"},
    {1039, "Sugar", "Sugar"},
    {1040, "Hydrocarbon halide", "Halide"},
    {1041, "Carboxylic acid", "Carbonxylic"},
    {1042, "Nitro & Amine", "Nitro"},
    {1043, "Amino acid", "Amino-acid"},
    {1044, "Ketone", "Ketone"},
}};

}  // namespace kiva
