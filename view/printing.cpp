// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/printing.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QWidget>

#include "platform/message_box.h"
#include "platform/print_dialogs.h"
#include "view/exported_frame.h"
#include "view/commands.h"
#include "view/molecule_view.h"
#include "view/print_layout.h"

namespace kiva {

int ScreenWidthOf(const QWidget& widget) {
    const QScreen* screen = widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
    if (!screen) return 0;
    return static_cast<int>(screen->geometry().width() * screen->devicePixelRatio());
}

void PaintPrintout(QPainter& painter, QSize page, MoleculeView& view, int screenWidth) {
    const PrintPlacement place = PlacePrintedPicture(screenWidth, view.Area(), page.width(), page.height(), view.PrintScale());
    // Rendered at the pixels the page gives it, so a fine printer shows no pixels of the screen.
    DrawPrintedPicture(painter, QRect(place.left, place.top, place.width, place.height()),
                       view.RenderPicture(PrintedPictureArea(place), {255, true, SmoothEdgesChosen()}));
}

void DrawPrintedPicture(QPainter& painter, QRect place, const Picture& picture) {
    const QImage image(picture.colour.data(), picture.width, picture.height, picture.width * 3, QImage::Format_BGR888);
    // The picture goes out in one piece, pixel for pixel, without smoothing or lossy compression.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(place, image);
}

bool PrintPictures(QPrinter& printer, const std::vector<MoleculeView*>& views, int screenWidth) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    for (std::size_t i = 0; i < views.size(); ++i) {
        if (i > 0 && !printer.newPage()) return false;
        PaintPrintout(painter, QSize(printer.width(), printer.height()), *views[i], screenWidth);
    }
    return painter.end();
}

QString PrintFailureMessage(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QCoreApplication::translate("Printing", "Cannot write the file \"%1\".").arg(printer.outputFileName());
    return QCoreApplication::translate("Printing", "Cannot print on the printer \"%1\".").arg(printer.printerName());
}

QString NoPrinterMessage() {
    return QCoreApplication::translate("Printing", "There is no printer to print on.\nChoose a printer or a PDF file with File > Print Setup.");
}

void RunPrintCommand(int id, MoleculeView& view, const QWidget& viewWidget, const QString& documentName,
                     QWidget* owner) {
    QPrinter& printer = SharedPrinter();
    printer.setDocName(documentName);
    const int screenWidth = ScreenWidthOf(viewWidget);
    if (id == command::FilePrintPreview) {
        RunPrintPreview(printer, owner, [&](QPrinter* target) { PrintPictures(*target, {&view}, screenWidth); });
        return;
    }
    if (id == command::FilePrint && !RunPrintDialog({&printer, owner, PrintDialogKind::Print})) return;
    const QString failure = !HasPrintTarget(printer)              ? NoPrinterMessage()
                            : !PrintPictures(printer, {&view}, screenWidth) ? PrintFailureMessage(printer)
                                                                       : QString();
    if (!failure.isEmpty())
        ShowMessageBox({owner, QApplication::applicationName(), failure, MessageButtons::Ok, MessageIcon::Warning});
}

}  // namespace kiva
