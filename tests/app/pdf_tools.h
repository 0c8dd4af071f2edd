// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Printing to PDF files and reading them back with poppler's tools (pdftotext, pdfimages).
#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/print_dialogs.h"

namespace kiva::testing {

inline constexpr int kDotsPerInch = 600;

// A PDF printer whose page is 8 by 10 inches at 600 dpi, without margins: 4800 by 6000 pixels.
inline void MakeWorksheetPrinter(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setResolution(kDotsPerInch);
    printer.setPageSize(QPageSize(QSizeF(8, 10), QPageSize::Inch));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setPageOrientation(QPageLayout::Portrait);
}

// Every preview from now on paints onto a worksheet printer writing `file`; `previews` counts them
// and each must be shown over `owner`.
inline void PreviewIntoPdf(const QString& file, QWidget* owner, int& previews) {
    ReplacePrintPreviewHandler([file, owner, &previews](QPrinter&, QWidget* shownBy, const PrintoutPainter& paint) {
        ++previews;
        QCOMPARE(shownBy, owner);
        QPrinter target(QPrinter::HighResolution);
        MakeWorksheetPrinter(target, file);
        paint(&target);
    });
}


// The tool's standard output; empty when it failed or did not finish within a minute.
inline QByteArray RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return process.readAllStandardOutput();
}

inline bool HasPdfTools() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty();
}

// The text of every page, each line as the page lays it out.
inline QString PdfText(const QString& pdf) {
    return QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
}

// The pixel size of each image the PDF holds, in order, from `pdfimages -list`.
inline QList<QSize> PdfImageSizes(const QString& pdf) {
    QList<QSize> sizes;
    const QStringList lines = QString::fromUtf8(RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})).split('\n');
    static const QRegularExpression row(QStringLiteral("^\\s*\\d+\\s+\\d+\\s+image\\s+(\\d+)\\s+(\\d+)\\s"));
    for (const QString& line : lines)
        if (const QRegularExpressionMatch match = row.match(line); match.hasMatch())
            sizes << QSize(match.captured(1).toInt(), match.captured(2).toInt());
    return sizes;
}

// Each image the PDF holds, in order, as pdfimages writes it out without loss.
inline QList<QImage> PdfImages(const QString& pdf) {
    QList<QImage> images;
    QTemporaryDir dir;
    RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, dir.filePath(QStringLiteral("image"))});
    for (const QString& name : QDir(dir.path()).entryList({QStringLiteral("image-*.png")}, QDir::Files, QDir::Name))
        images << QImage(dir.filePath(name));
    return images;
}

}  // namespace kiva::testing
