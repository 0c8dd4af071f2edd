// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The printer the whole program prints to, and the print dialog, the print-setup dialog and the
// preview window, behind calls that tests replace.
#include <functional>

class QPrinter;
class QWidget;

namespace kiva {

// One printer for the whole run, as the user last set it up; made on first use at high
// resolution on the system's default printer (Qt's PDF output when the system has none), then
// set up as SetUpSharedPrinter says, and freed with the application object. It is made only when
// needed, since asking the system for its printers can take a while.
QPrinter& SharedPrinter();
void SetUpSharedPrinter(std::function<void(QPrinter&)> setUp);

// A printer that can take a job: an installed one, or a PDF file with a name.
bool HasPrintTarget(const QPrinter& printer);

enum class PrintDialogKind { Print, Setup };

struct PrintDialogRequest {
    QPrinter* printer = nullptr;
    QWidget* owner = nullptr;
    PrintDialogKind kind = PrintDialogKind::Print;
};

// True when the user confirmed; the printer then holds the choices made.
using PrintDialogHandler = std::function<bool(const PrintDialogRequest&)>;
bool RunPrintDialog(const PrintDialogRequest& request);
PrintDialogHandler ReplacePrintDialogHandler(PrintDialogHandler handler);

// A preview window over the printer; `paint` draws the printout on the printer it is given.
using PrintoutPainter = std::function<void(QPrinter* printer)>;
using PrintPreviewHandler = std::function<void(QPrinter& printer, QWidget* owner, const PrintoutPainter& paint)>;
void RunPrintPreview(QPrinter& printer, QWidget* owner, const PrintoutPainter& paint);
PrintPreviewHandler ReplacePrintPreviewHandler(PrintPreviewHandler handler);

}  // namespace kiva
