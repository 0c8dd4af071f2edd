// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The view commands that run a settings dialog on a copy of their values and take the copy back
// only on OK: Color, Multiples of Unit Cell, Lattice Plane and Print Size.
#include <QString>

class QWidget;

namespace kiva {

class MoleculeView;
struct ElementTable;

// The colour dialog over all 43 rows of the element table; on OK the table takes them, its file
// is written, and every atom of this view's scene is recoloured and resized at once. Other views
// follow at their next rebuild.
void RunElementColorCommand(MoleculeView& view, ElementTable& elements, QWidget* owner);
// The multiples dialog; on OK a crystal rebuilds over the new multiples.
void RunUnitCellMultiplesCommand(MoleculeView& view, QWidget* owner);
// The lattice plane dialog; on OK the crystal shows the plane (or none), turned to face it when
// asked, and the status bar gives its spacing d(hkl).
void RunLatticePlaneCommand(MoleculeView& view, QWidget* owner);
// "Lattice plane (111): d = 2,087 Å"; empty without a plane.
QString LatticePlaneReadout(const struct ViewState& view);

// The print-size dialog; on OK the view's print scale becomes the chosen percentage.
void RunPrintSizeCommand(MoleculeView& view, QWidget* owner);

}  // namespace kiva
