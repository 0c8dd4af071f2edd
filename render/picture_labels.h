// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The labels over the shaded picture: each atom's element and charge on the atom, and the unit
// cell's edges a, b and c and its origin O beside the frame, while the view's labels are shown.
#include <cstdint>
#include <string>
#include <vector>

#include "render/image_point.h"
#include "render/label_font.h"
#include "render/picture_area.h"
#include "render/picture_buffers.h"
#include "render/view_state.h"

namespace kiva {

// An atom's label: its element with the charge of an ion, Na+, Cl-, O2-; C for a carbon of C1.
std::string AtomLabelText(const SceneAtom& atom);

// The letters as high as the atom's drawn radius (device pixels), smaller where the label would
// be wider than the atom; null for an atom too small on screen to read.
const LabelStamp* AtomLabelStamp(const SceneAtom& atom, int radius, LabelFont& font);

// The atom labels of a finished picture of atoms and bonds, for the atoms in `drawn` (all when it
// is empty). An atom whose centre pixel something nearer covers has none; neither has one too
// small on screen to read. Each is drawn only where its atom's front is not covered.
std::vector<PlacedLabel> AtomLabels(const ViewState& view, const PictureMap& map, const PictureBuffers& picture,
                                    const std::vector<bool>& drawn, LabelFont& font);

// An atom's label centred on its image point.
PlacedLabel AtomLabelAt(const LabelStamp& stamp, ImagePoint centre);

// O at the cell's origin and a, b, c just beyond the far ends of the edges from it, in the cell
// frame's yellow, 14 picture units high; none unless the cell frame shows.
std::vector<PlacedLabel> CellEdgeLabels(const ViewState& view, const PictureMap& map, LabelFont& font);

// Blends the labels into the rows of `band`: the outline dark, then the letters.
void DrawLabels(const std::vector<PlacedLabel>& labels, PictureBuffers& picture, RowBand band);

}  // namespace kiva
