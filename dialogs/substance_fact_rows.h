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

// A temperature in kelvin and in degrees Celsius, "273 K (0 °C)", each rounded on its own; below
// 100 K to a tenth, "4.2 K (−269.0 °C)", where a whole kelvin is a large share of the value.
QString TemperatureText(double kelvin);

// "Melting point:" and "Boiling point:" as far as the table gives them: "decomposes at ..." or
// "sublimes at ..." in the melting point's place, helium's "does not freeze at normal pressure";
// a temperature that no source gives has no row.
std::vector<FactRow> PhasePointRows(const PhasePoints& points);

// The formula, the bonding class, the phase points where the facts have them and, for a crystal,
// its cell (or that it has none); the name and the description are left to the caller, which
// shows them in its own way.
std::vector<FactRow> SubstanceFactRows(const SubstanceFacts& facts);

}  // namespace kiva
