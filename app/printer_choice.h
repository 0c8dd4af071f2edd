// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The printer chosen with Print Setup, kept in the program's profile from run to run: the
// printer's name or the PDF file, the paper and its orientation. It is the default printer of
// every print without a dialog, the print verbs included.
#include <QString>

class QPrinter;
class QWidget;

namespace kiva {

// Sets the printer up as the profile keeps it; a printer no longer installed is passed over.
void RestorePrinterChoice(QPrinter& printer, const QString& profilePath);
void SavePrinterChoice(const QPrinter& printer, const QString& profilePath);

// File Print Setup: the print dialog on the program's printer, which prints nothing; the choice
// made is kept in the profile.
void RunPrintSetup(QWidget* owner, const QString& profilePath);

}  // namespace kiva
