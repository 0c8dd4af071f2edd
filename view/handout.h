// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The lesson handout: one page with the substance's name, its description where it has one, the
// picture rendered at the printer's resolution for its place, a table of the substance's facts
// and the measurement of the picture's marked atoms in words.
#include <QString>

#include "io/substance_facts.h"
#include "view/handout_layout.h"

class QPainter;
class QPrinter;
class QWidget;

namespace kiva {

class MoleculeView;
struct MoleculeIndex;

// The facts of the view's substance, with the catalogue's entry when the index names it.
SubstanceFacts FactsOfCompound(const CompoundRecord& compound, const MoleculeIndex& index);

// The facts of a document's substance: one chosen from the catalogue keeps the catalogue's
// entry, such as its description; a file's substance shows what the file gave, even when a
// catalogue entry has its name.
SubstanceFacts FactsOfDocument(const CompoundRecord& compound, bool fromCatalogue, const MoleculeIndex& index);

// Draws the handout with a painter open on a page of its device; returns where each part went.
HandoutLayout PaintHandout(QPainter& painter, const MoleculeView& view, const SubstanceFacts& facts);

// The handout as a one-page job; false when the printer or its file cannot take it.
bool PrintHandout(QPrinter& printer, const MoleculeView& view, const SubstanceFacts& facts);

// File > Print Handout: the handout in the preview window, whose Print button goes to the print
// dialog (and to a PDF file with Print to File).
void RunPrintHandoutCommand(const MoleculeView& view, const SubstanceFacts& facts, const QString& documentName,
                            QWidget* owner);

}  // namespace kiva
