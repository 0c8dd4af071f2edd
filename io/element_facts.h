// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the readers must know of an element beyond the element table, which holds only the
// elements of the course: whether it exists at all, its covalent radius, its electronegativity,
// and how it bonds.
#include <optional>
#include <string>
#include <string_view>

#include "chem/element_table.h"  // IonLabel

namespace kiva {

struct ElementFacts {
    std::string symbol;       // Na, Cl
    int number = 0;           // atomic number
    int group = 0;            // periodic-table group 1 to 18; 0 for the lanthanides and actinides
    float covalentRadius = 0; // angstrom
    float electronegativity = 0;  // Pauling
    bool metal = false;       // bonds as a metal; the semimetals B, Si, Ge, As, Sb and Te do not
    bool nobleGas = false;
};

// The facts of an element symbol in any letter case ("Na", "NA", "na"); deuterium and tritium
// count as hydrogen. Nothing for a symbol no element has.
std::optional<ElementFacts> FactsOf(std::string_view symbol);

// The element that a CIF type symbol or site label begins with: the longest of its first two
// letters that is an element ("Na1+" gives Na, "CL1" Cl, "OW" O). Nothing when none is.
std::optional<ElementFacts> ElementAtStartOf(std::string_view text);

}  // namespace kiva
