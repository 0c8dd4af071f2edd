// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The key words under which the selection dialogs file substances, in the dialogs' order. They
// are compared exactly with the keys of index entries.
#include <array>
#include <string_view>

#include "platform/translatable.h"

namespace kiva {

// The keys a user reads as words ("Other") are shown translated in this context.
inline constexpr const char* kSelectionKeysContext = "SelectionKeys";

inline constexpr std::array<std::string_view, 18> kPositiveIons = {
    "Li", "Be", "B", "Na", "Mg", "Al", "K", "Ca", "Mn", "Fe", "Cu", "Zn", "Zr", "Ag", "Ba", "Hg", "Pb", KIVA_TRANSLATABLE("SelectionKeys", "Other")};

// The negative ions of metallic compounds, and the negative covalences of non-metallic ones.
inline constexpr std::array<std::string_view, 20> kNegativeIons = {
    "C", "N", "O", "F", "Si", "P", "S", "Cl", "Br", "I", "BO", "CO", "NO", "OH", "SiO", "PO", "SO", "ClO", "BrO", "IO"};

inline constexpr std::array<std::string_view, 7> kPositiveCovalences = {"H", "C", "N", "Si", "P", "S", "NH4"};

struct OrganicCategory {
    int buttonId;
    std::string_view label;    // as the button shows it, translated in the context "OrganicCategory"
    std::string_view keyWord;  // as index entries spell it
};

inline constexpr std::array<OrganicCategory, 15> kOrganicCategories = {{
    {1030, KIVA_TRANSLATABLE("OrganicCategory", "Alkyl hydrocarbon"), "Alkyl"},
    {1031, KIVA_TRANSLATABLE("OrganicCategory", "Ethylenic hydrocarbon"), "Ethylenic"},
    {1032, KIVA_TRANSLATABLE("OrganicCategory", "Acetylenic hydrocarbon"), "Acetylenic"},
    {1033, KIVA_TRANSLATABLE("OrganicCategory", "Aromatic hydrocarbon"), "Aromatic"},
    {1034, KIVA_TRANSLATABLE("OrganicCategory", "Alcohol"), "Alcohol"},
    {1035, KIVA_TRANSLATABLE("OrganicCategory", "Ether"), "Ether"},
    {1036, KIVA_TRANSLATABLE("OrganicCategory", "Phenol"), "Phenol"},
    {1037, KIVA_TRANSLATABLE("OrganicCategory", "Aldehyde"), "Aldehyde"},
    {1038, KIVA_TRANSLATABLE("OrganicCategory", "Oil & Fat/Ester"), "Fat"},
    {1039, KIVA_TRANSLATABLE("OrganicCategory", "Sugar"), "Sugar"},
    {1040, KIVA_TRANSLATABLE("OrganicCategory", "Hydrocarbon halide"), "Halide"},
    {1041, KIVA_TRANSLATABLE("OrganicCategory", "Carboxylic acid"), "Carbonxylic"},
    {1042, KIVA_TRANSLATABLE("OrganicCategory", "Nitro & Amine"), "Nitro"},
    {1043, KIVA_TRANSLATABLE("OrganicCategory", "Amino acid"), "Amino-acid"},
    {1044, KIVA_TRANSLATABLE("OrganicCategory", "Ketone"), "Ketone"},
}};

}  // namespace kiva
