// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/print_dialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QWidget>
#include <memory>

namespace kiva {

namespace {

std::unique_ptr<QPrinter>& PrinterHolder() {
    static std::unique_ptr<QPrinter> printer;
    return printer;
}

std::function<void(QPrinter&)>& PrinterSetUp() {
    static std::function<void(QPrinter&)> setUp;
    return setUp;
}

// Qt's print plug-ins go with the application, so the printer must go before them.
void FreeSharedPrinter() { PrinterHolder().reset(); }

PrintDialogHandler& InstalledPrintDialog() {
    static PrintDialogHandler handler;
    return handler;
}

PrintPreviewHandler& InstalledPreview() {
    static PrintPreviewHandler handler;
    return handler;
}

bool RunQtPrintDialog(const PrintDialogRequest& request) {
    QPrintDialog dialog(request.printer, request.owner);
    if (request.kind == PrintDialogKind::Setup) {
        // Setting up chooses a printer and its options; it prints nothing.
        dialog.setWindowTitle(QCoreApplication::translate("PrintDialogs", "Print Setup"));
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
            if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QCoreApplication::translate("PrintDialogs", "OK"));
    } else {
        dialog.setWindowTitle(QCoreApplication::translate("PrintDialogs", "Print"));
    }
    return dialog.exec() == QDialog::Accepted;
}

void RunQtPreview(QPrinter& printer, QWidget* owner, const PrintoutPainter& paint) {
    QPrintPreviewDialog preview(&printer, owner);
    preview.setWindowTitle(QCoreApplication::translate("PrintDialogs", "Print Preview"));
    // Large enough to read the page: most of the main window.
    if (owner) preview.resize(owner->window()->size() * 4 / 5);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, paint);
    preview.exec();
}

}  // namespace

QPrinter& SharedPrinter() {
    std::unique_ptr<QPrinter>& printer = PrinterHolder();
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        qAddPostRoutine(FreeSharedPrinter);
        if (PrinterSetUp()) PrinterSetUp()(*printer);
    }
    return *printer;
}

void SetUpSharedPrinter(std::function<void(QPrinter&)> setUp) { PrinterSetUp() = std::move(setUp); }

bool HasPrintTarget(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty();
}

bool RunPrintDialog(const PrintDialogRequest& request) {
    const PrintDialogHandler& handler = InstalledPrintDialog();
    return handler ? handler(request) : RunQtPrintDialog(request);
}

PrintDialogHandler ReplacePrintDialogHandler(PrintDialogHandler handler) {
    return std::exchange(InstalledPrintDialog(), std::move(handler));
}

void RunPrintPreview(QPrinter& printer, QWidget* owner, const PrintoutPainter& paint) {
    const PrintPreviewHandler& handler = InstalledPreview();
    if (handler)
        handler(printer, owner, paint);
    else
        RunQtPreview(printer, owner, paint);
}

PrintPreviewHandler ReplacePrintPreviewHandler(PrintPreviewHandler handler) {
    return std::exchange(InstalledPreview(), std::move(handler));
}

}  // namespace kiva
