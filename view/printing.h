// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Printing the view's picture: always the high-quality picture on a white background, a tenth of
// the page in from the top left, and as wide a share of the page as the picture is of the
// screen, times the view's print scale.
#include <QString>
#include <vector>

class QPainter;
class QPrinter;
class QRect;
class QSize;
class QWidget;

namespace kiva {

class MoleculeView;
struct Picture;

// The screen's width in device pixels: the measure the printout keeps its share of.
int ScreenWidthOf(const QWidget& widget);

// Draws the printout with a painter open on a page of the given size in device pixels.
void PaintPrintout(QPainter& painter, QSize page, MoleculeView& view, int screenWidth);

// A rendered picture drawn into its place on the page, pixel for pixel when it was rendered at
// the place's size.
void DrawPrintedPicture(QPainter& painter, QRect place, const Picture& picture);

// One job on the printer with a page for each view's picture; false when the printer cannot take it.
bool PrintPictures(QPrinter& printer, const std::vector<MoleculeView*>& views, int screenWidth);

// A failed job's message: which printer or file could not be used.
QString PrintFailureMessage(const QPrinter& printer);
// There is nothing to print to: no printer installed and none set up.
QString NoPrinterMessage();

// File Print (the print dialog first), the direct print without it, and Print Preview, on the
// program's printer. Failures are reported to the user over `owner`.
void RunPrintCommand(int id, MoleculeView& view, const QWidget& viewWidget, const QString& documentName,
                     QWidget* owner);

}  // namespace kiva
