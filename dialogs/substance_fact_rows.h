// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A substance's facts worded for a reader, row by row, as the information window and the lesson
// handout show them.
#include <QString>
#include <vector>

#include "io/substance_facts.h"

namespace kiva {

struct FactRow {
    QString label;   // "Formula units per cell (Z):"
    QString value;   // plain text, or rich text where `rich` says so
    bool rich = false;
};

QString BondingClassName(BondingClass bondingClass);
// Digits after a letter or a closing bracket are counts, written as subscripts: CaCO<sub>3</sub>.
QString FormulaHtml(const std::string& formula);

// The formula, the bonding class and, for a crystal, its cell (or that it has none); the name
// and the description are left to the caller, which shows them in its own way.
std::vector<FactRow> SubstanceFactRows(const SubstanceFacts& facts);

}  // namespace kiva
