// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/printer_choice.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>

#include "platform/print_dialogs.h"

namespace kiva {

namespace {

const QString kGroup = QStringLiteral("Printer");

}  // namespace

void RestorePrinterChoice(QPrinter& printer, const QString& profilePath) {
    QSettings profile(profilePath, QSettings::IniFormat);
    profile.beginGroup(kGroup);
    const QString name = profile.value(QStringLiteral("Name")).toString();
    const QString file = profile.value(QStringLiteral("File")).toString();
    if (!file.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    } else if (!name.isEmpty() && !QPrinterInfo::printerInfo(name).isNull()) {
        printer.setPrinterName(name);
    } else {
        return;  // the system's default printer and paper
    }
    bool known = false;
    const int paper = profile.value(QStringLiteral("Paper")).toInt(&known);
    if (known && paper >= 0 && paper < QPageSize::LastPageSize && paper != QPageSize::Custom)
        printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(paper)));
    const bool landscape = profile.value(QStringLiteral("Landscape")).toBool();
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void SavePrinterChoice(const QPrinter& printer, const QString& profilePath) {
    QSettings profile(profilePath, QSettings::IniFormat);
    profile.beginGroup(kGroup);
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    profile.setValue(QStringLiteral("Name"), toFile ? QString() : printer.printerName());
    profile.setValue(QStringLiteral("File"), toFile ? printer.outputFileName() : QString());
    profile.setValue(QStringLiteral("Paper"), static_cast<int>(printer.pageLayout().pageSize().id()));
    profile.setValue(QStringLiteral("Landscape"), printer.pageLayout().orientation() == QPageLayout::Landscape);
}

void RunPrintSetup(QWidget* owner, const QString& profilePath) {
    QPrinter& printer = SharedPrinter();
    if (RunPrintDialog({&printer, owner, PrintDialogKind::Setup})) SavePrinterChoice(printer, profilePath);
}

}  // namespace kiva
