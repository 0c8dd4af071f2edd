// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/handout.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <memory>

#include "chem/fixed_text.h"
#include "chem/molecule_index.h"
#include "dialogs/substance_fact_rows.h"
#include "platform/print_dialogs.h"
#include "platform/translations.h"
#include "view/exported_frame.h"
#include "view/heating_curve_painter.h"
#include "view/measurements.h"
#include "view/molecule_view.h"
#include "view/printing.h"

namespace kiva {

namespace {

constexpr int kTitlePoints = 20;
constexpr int kDescriptionPoints = 11;
constexpr int kTablePoints = 10;
// In the text layout's pixels of a 96-dpi screen, which it scales to the printer's resolution.
constexpr int kCellPadding = 5;

// A block of rich text laid out at the printer's resolution and wrapped to the page's text width.
std::unique_ptr<QTextDocument> TextBlock(const QString& html, int points, int width, QPaintDevice* device) {
    auto block = std::make_unique<QTextDocument>();
    block->documentLayout()->setPaintDevice(device);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(points);
    block->setDefaultFont(font);
    block->setDocumentMargin(0);
    block->setHtml(html);
    block->setTextWidth(width);
    return block;
}

int HeightOf(const std::unique_ptr<QTextDocument>& block) {
    return block ? static_cast<int>(block->size().height() + 0.5) : 0;
}

void DrawBlock(QPainter& painter, const std::unique_ptr<QTextDocument>& block, const DeviceRect& place) {
    if (!block || place.height <= 0) return;
    painter.save();
    painter.translate(place.left, place.top);
    block->drawContents(&painter, QRectF(0, 0, place.width, place.height));
    painter.restore();
}

QString Escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

QString Label(QString label) {
    if (label.endsWith(QLatin1Char(':'))) label.chop(1);  // a table's column says what follows
    return label.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));  // a label on one line
}

// Two columns, the labels on a light shade, with padding that keeps a printed row readable.
QString FactsTableHtml(const SubstanceFacts& facts) {
    QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"%1\">").arg(kCellPadding);
    for (const FactRow& row : SubstanceFactRows(facts))
        html += QStringLiteral("<tr><td bgcolor=\"#e8eef4\"><b>%1</b></td><td>%2</td></tr>")
                    .arg(Label(row.label), row.rich ? row.value : row.value.toHtmlEscaped());
    return html + QStringLiteral("</table>");
}

// "Distance C–O: 1.25 Å", "Angle C–O–H: 104.5°", "Torsion angle H–C–C–H: 60.0°".
QString MeasurementSentence(const MeasuredFeature& feature) {
    QStringList atoms;
    for (const std::string& atom : feature.atoms) atoms << QString::fromStdString(atom);
    const QString joined = atoms.join(QChar(0x2013));
    const double value = static_cast<double>(feature.value);
    switch (feature.mode) {
    case MeasureMode::Distance:
        return QCoreApplication::translate("Handout", "Distance %1: %2 Å").arg(joined, LocalNumber(value, 2));
    case MeasureMode::Angle:
        return QCoreApplication::translate("Handout", "Angle %1: %2°").arg(joined, LocalNumber(value, 1));
    case MeasureMode::TorsionAngle:
        return QCoreApplication::translate("Handout", "Torsion angle %1: %2°").arg(joined, LocalNumber(value, 1));
    case MeasureMode::None: break;
    }
    return QString();
}

// A translated name may be written in lower case ("chlorure de sodium"); a title begins with a capital.
std::string TitleName(const SubstanceFacts& facts) {
    QString name = QString::fromStdString(DisplayName(facts));
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    return name.toStdString();
}

QString MeasurementHtml(const MeasuredFeature& feature) {
    return QStringLiteral("<p><b>%1</b></p><p>%2</p>")
        .arg(QCoreApplication::translate("Handout", "Measurement").toHtmlEscaped(), MeasurementSentence(feature).toHtmlEscaped());
}

}  // namespace

SubstanceFacts FactsOfCompound(const CompoundRecord& compound, const MoleculeIndex& index) {
    return GatherSubstanceFacts(compound, FindIndexEntryByName(index, TextOf(compound.name)));
}

SubstanceFacts FactsOfDocument(const CompoundRecord& compound, bool fromCatalogue, const MoleculeIndex& index) {
    return fromCatalogue ? FactsOfCompound(compound, index) : GatherSubstanceFacts(compound, nullptr);
}

HandoutLayout PaintHandout(QPainter& painter, const MoleculeView& view, const SubstanceFacts& facts) {
    QPaintDevice* device = painter.device();
    const int dpi = std::max(device->logicalDpiY(), 1);
    const int textWidth = HandoutTextWidth(device->width(), device->height());
    const std::unique_ptr<QTextDocument> title =
        TextBlock(QStringLiteral("<b>%1</b>").arg(Escaped(TitleName(facts))), kTitlePoints, textWidth, device);
    const std::unique_ptr<QTextDocument> description =
        facts.description.empty() ? nullptr : TextBlock(Escaped(facts.description), kDescriptionPoints, textWidth, device);
    const std::unique_ptr<QTextDocument> table = TextBlock(FactsTableHtml(facts), kTablePoints, textWidth, device);
    // A measurement is written once its atoms are all picked; the picture marks them.
    const std::optional<MeasuredFeature> measured = CompleteMeasurement(view.State());
    const std::unique_ptr<QTextDocument> measurement =
        measured ? TextBlock(MeasurementHtml(*measured), kTablePoints, textWidth, device) : nullptr;

    HandoutMeasures measures;
    measures.pageWidth = device->width();
    measures.pageHeight = device->height();
    measures.titleHeight = HeightOf(title);
    measures.descriptionHeight = HeightOf(description);
    measures.factsHeight = HeightOf(table);
    measures.readoutsHeight = HeightOf(measurement);
    const HeatingSession* heating = view.Heating();
    if (heating) measures.curveHeight = textWidth * 9 / 20;  // a plot a little under half as high as wide
    measures.gap = dpi / 6;  // a sixth of an inch
    measures.picture = view.Area();
    const HandoutLayout layout = LayOutHandout(measures);

    DrawBlock(painter, title, layout.title);
    DrawBlock(painter, description, layout.description);
    if (layout.picture.width > 0) {
        const QRect place(layout.picture.left, layout.picture.top, layout.picture.width, layout.picture.height);
        DrawPrintedPicture(painter, place, view.RenderPicture(BoundedPictureArea(place.width(), place.height()), {255, ExportedPicturesFramed(), SmoothEdgesChosen()}));
        painter.setPen(QPen(QColor(160, 160, 160), std::max(dpi / 150, 1)));  // a hairline frame on the white paper
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(place);
    }
    if (heating && layout.curve.height > 0) {
        const QRectF place(layout.curve.left, layout.curve.top, layout.curve.width, layout.curve.height);
        PaintHeatingCurve(painter, place, CurvePictureOf(*heating), std::max(dpi / 96.0, 1.0));
    }
    DrawBlock(painter, table, layout.facts);
    DrawBlock(painter, measurement, layout.readouts);
    return layout;
}

bool PrintHandout(QPrinter& printer, const MoleculeView& view, const SubstanceFacts& facts) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    PaintHandout(painter, view, facts);
    return painter.end();
}

void RunPrintHandoutCommand(const MoleculeView& view, const SubstanceFacts& facts, const QString& documentName,
                            QWidget* owner) {
    QPrinter& printer = SharedPrinter();
    printer.setDocName(documentName);
    RunPrintPreview(printer, owner, [&](QPrinter* target) { PrintHandout(*target, view, facts); });
}

}  // namespace kiva
