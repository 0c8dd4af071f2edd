// SPDX-License-Identifier: GPL-2.0-or-later
// The lesson handout printed to PDF files, as a teacher prints one for a class: its texts, its
// picture at the printer's resolution, and the measurement a student has under way. The files
// are read back with poppler's pdftotext and pdfimages.
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>

#include "app/handout_file.h"
#include "app/shell_command.h"
#include "chem/document_file.h"
#include "chem/fixed_text.h"
#include "chem/shared_data.h"
#include "math/vector_math.h"
#include "platform/print_dialogs.h"
#include "tests/app/app_test_support.h"
#include "tests/app/pdf_tools.h"
#include "view/handout.h"
#include "view/kiva_view.h"
#include "view/measurements.h"

using kiva::testing::ChooseSubstance;
using kiva::testing::MakeWorksheetPrinter;
using kiva::testing::PdfImageSizes;
using kiva::testing::PdfImages;
using kiva::testing::PdfText;
using kiva::testing::PreviewIntoPdf;
using kiva::testing::RunningViewer;
namespace command = kiva::command;

namespace {

kiva::MoleculeView& ShownSubstance(RunningViewer& viewer, const QString& name) {
    ChooseSubstance(viewer, name);
    return viewer.Active()->View()->Molecule();
}

kiva::SubstanceFacts FactsOf(const kiva::MoleculeView& view) {
    return kiva::FactsOfCompound(view.Compound(), kiva::TheSharedData().moleculeIndex);
}

// Prints the handout on a worksheet page, 600 dpi unless told, and returns where its parts went.
kiva::HandoutLayout PrintOnWorksheet(const kiva::MoleculeView& view, const QString& pdf, int dotsPerInch = 0) {
    QPrinter printer(QPrinter::HighResolution);
    MakeWorksheetPrinter(printer, pdf);
    if (dotsPerInch > 0) printer.setResolution(dotsPerInch);
    QPainter painter(&printer);
    const kiva::HandoutLayout layout = kiva::PaintHandout(painter, view, FactsOf(view));
    painter.end();
    return layout;
}

// Two atoms of the scene `apart` angstrom from each other, picked for a distance.
void MeasureDistance(kiva::MoleculeView& view, const char* first, const char* second, float apart) {
    view.RunCommand(command::Distance);
    kiva::ViewState& state = view.State();
    for (std::size_t i = 0; i < state.atoms.size(); ++i)
        for (std::size_t j = 0; j < state.atoms.size(); ++j)
            if (kiva::TextOf(state.atoms[i].symbol) == first && kiva::TextOf(state.atoms[j].symbol) == second &&
                std::fabs(kiva::Length(kiva::Subtract(state.atoms[i].position, state.atoms[j].position)) - apart) < 0.01f) {
                kiva::PickAtom(state, static_cast<int>(i));
                kiva::PickAtom(state, static_cast<int>(j));
                return;
            }
}

}  // namespace

class Handout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        kiva::testing::PrepareViewerTests();
        QVERIFY(kiva::testing::UseBuiltCatalogue(KIVA_CATALOGUE_DIR));
        if (!kiva::testing::HasPdfTools()) QSKIP("poppler-utils is not installed");
    }

    void cleanup() { kiva::ReplacePrintPreviewHandler({}); }

    void ACrystalsHandoutHoldsItsNameDescriptionCellAndFormulaUnits() {
        RunningViewer viewer;
        kiva::MoleculeView& salt = ShownSubstance(viewer, QStringLiteral("NaCl"));
        viewer.Run(command::CrystalSolid);
        const QString pdf = viewer.File(QStringLiteral("salt.pdf"));
        PrintOnWorksheet(salt, pdf);

        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("NaCl")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Sodium chloride, NaCl (rock salt): each ion has six neighbours")));
        QVERIFY(text.contains(QStringLiteral("Ionic")));
        QVERIFY(text.contains(QStringLiteral("5.6406 Å, 5.6406 Å, 5.6406 Å")));
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Formula units per cell \\(Z\\)\\s+4\\n"))), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Measurement")));  // none under way
    }

    void ThePictureIsRenderedAtTheDevicePixelsOfItsPlaceKeepingTheViewsShape() {
        RunningViewer viewer;
        kiva::MoleculeView& calcite = ShownSubstance(viewer, QStringLiteral("CaCO3"));
        const QString pdf = viewer.File(QStringLiteral("calcite.pdf"));
        const kiva::HandoutLayout layout = PrintOnWorksheet(calcite, pdf);
        QCOMPARE(layout.picture.width, layout.picture.height);  // the fixed square picture
        QVERIFY(layout.picture.width > 4 * kiva::kPictureSize);  // far finer than the screen's pixels
        QCOMPARE(PdfImageSizes(pdf), QList<QSize>({QSize(layout.picture.width, layout.picture.height)}));
        QVERIFY(layout.facts.top > layout.picture.Bottom());
        QVERIFY(PdfText(pdf).contains(QStringLiteral("CaCO3")));
    }

    // A substance being heated prints its heating curve, with its points, under the picture.
    void AHeatingRunsHandoutCarriesTheHeatingCurve() {
        RunningViewer viewer;
        kiva::MoleculeView& water = ShownSubstance(viewer, QStringLiteral("H2O"));
        viewer.Run(command::Heating);
        QVERIFY(water.Heating());
        const QString pdf = viewer.File(QStringLiteral("ice.pdf"));
        const kiva::HandoutLayout layout = PrintOnWorksheet(water, pdf, 300);
        QVERIFY(layout.curve.height > 0);
        QVERIFY(layout.curve.top > layout.picture.Bottom());
        QVERIFY(layout.facts.top > layout.curve.Bottom());
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("melting 273 K")) && text.contains(QStringLiteral("boiling 373 K")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Heat added (kJ/mol)")));

        viewer.Run(command::ChemicalUnit);  // the same substance unheated has no curve
        QCOMPARE(PrintOnWorksheet(water, viewer.File(QStringLiteral("water.pdf")), 300).curve.height, 0);
    }

    // Paper is white, and so is the picture's background: its corners are the paper's colour.
    void ThePictureIsPrintedOnWhite() {
        RunningViewer viewer;
        const QString pdf = viewer.File(QStringLiteral("white.pdf"));
        const kiva::HandoutLayout layout = PrintOnWorksheet(ShownSubstance(viewer, QStringLiteral("CaCO3")), pdf);
        const QList<QImage> images = PdfImages(pdf);
        QCOMPARE(images.size(), 1);
        const QImage& picture = images.first();
        QCOMPARE(picture.size(), QSize(layout.picture.width, layout.picture.height));
        const int right = picture.width() - 1, bottom = picture.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            QCOMPARE(picture.pixelColor(corner).name(), QStringLiteral("#ffffff"));
    }

    // The texts' sizes are points and the spaces inches, so every printer gets the same page.
    void ThePageLooksTheSameAtEveryPrinterResolution() {
        RunningViewer viewer;
        const kiva::MoleculeView& calcite = ShownSubstance(viewer, QStringLiteral("CaCO3"));
        const kiva::HandoutLayout coarse = PrintOnWorksheet(calcite, viewer.File(QStringLiteral("300.pdf")), 300);
        const kiva::HandoutLayout fine = PrintOnWorksheet(calcite, viewer.File(QStringLiteral("1200.pdf")), 1200);
        const auto inches = [](int pixels, int dotsPerInch) { return static_cast<double>(pixels) / dotsPerInch; };
        for (const auto& [atCoarse, atFine] : {std::pair{coarse.title, fine.title}, std::pair{coarse.facts, fine.facts},
                                               std::pair{coarse.picture, fine.picture}}) {
            QVERIFY(atFine.height > 0);
            QVERIFY2(std::abs(inches(atCoarse.top, 300) - inches(atFine.top, 1200)) < 0.05 &&
                         std::abs(inches(atCoarse.height, 300) - inches(atFine.height, 1200)) < 0.05,
                     qPrintable(QStringLiteral("%1 in at 300 dpi, %2 in at 1200 dpi")
                                    .arg(inches(atCoarse.height, 300)).arg(inches(atFine.height, 1200))));
        }
    }

    void AMoleculesHandoutSaysItHasNoCrystal() {
        RunningViewer viewer;
        const QString pdf = viewer.File(QStringLiteral("benzene.pdf"));
        PrintOnWorksheet(ShownSubstance(viewer, QStringLiteral("Benzene")), pdf);
        const QString text = PdfText(pdf);
        QVERIFY(text.contains(QString::fromUtf8("Benzene, C\u2086H\u2086: the simplest aromatic ring")));
        QVERIFY(text.contains(QStringLiteral("no crystal structure")));
        QVERIFY(!text.contains(QStringLiteral("(Z)")));
    }

    void TheCommandPreviewsTheHandoutWithTheMeasurementUnderWay() {
        RunningViewer viewer;
        QVERIFY(!viewer.Frame().Action(command::PrintHandout)->isEnabled());  // an empty window has nothing to hand out
        kiva::MoleculeView& salt = ShownSubstance(viewer, QStringLiteral("NaCl"));
        viewer.Run(command::CrystalSolid);
        MeasureDistance(salt, "Na+", "Cl-", 2.8203f);
        QVERIFY(kiva::SelectionComplete(salt.State()));
        QCoreApplication::processEvents();
        QVERIFY(viewer.Frame().Action(command::PrintHandout)->isEnabled());

        const QString pdf = viewer.File(QStringLiteral("measured.pdf"));
        int previews = 0;
        PreviewIntoPdf(pdf, &viewer.Frame(), previews);
        viewer.Run(command::PrintHandout);
        QCOMPARE(previews, 1);
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Measurement")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Distance Na+\u2013Cl-: 2.82 Å")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Na+ 1 (")));  // no status-bar read-outs
        QVERIFY(!text.contains(QStringLiteral("Distance=")));
        QVERIFY(viewer.messages.empty());
    }

    // The sentence names the atoms in the order picked, with the number the read-out shows.
    void AnAngleAndATorsionAngleAreWrittenInWords() {
        RunningViewer viewer;
        kiva::MoleculeView& ethanol = ShownSubstance(viewer, QStringLiteral("Ethanol"));
        kiva::ViewState& state = ethanol.State();
        QVERIFY(state.atoms.size() >= 4);
        const auto labels = [&state](const std::vector<int>& atoms) {
            QStringList texts;
            for (const int atom : atoms) texts << QString::fromStdString(std::string(kiva::TextOf(state.atoms[static_cast<std::size_t>(atom)].symbol)));
            return texts.join(QChar(0x2013));
        };
        const auto number = [&state] {
            const QString readout = QString::fromStdString(*kiva::MeasuredValue(state));
            return readout.section(QLatin1Char('='), 1).section(QLatin1Char(' '), 0, 0);
        };
        const struct {
            int command;
            std::vector<int> atoms;
            const char* words;
        } measurements[] = {{command::Angle, {0, 1, 2}, "Angle %1: %2°"},
                            {command::TorsionAngle, {0, 1, 2, 3}, "Torsion angle %1: %2°"}};
        for (const auto& measurement : measurements) {
            ethanol.RunCommand(measurement.command);
            for (const int atom : measurement.atoms) QVERIFY(kiva::PickAtom(state, atom));
            const QString pdf = viewer.File(QStringLiteral("ethanol.pdf"));
            PrintOnWorksheet(ethanol, pdf);
            const QString sentence = QString::fromUtf8(measurement.words).arg(labels(measurement.atoms), number());
            QVERIFY2(PdfText(pdf).contains(sentence), qPrintable(sentence + QStringLiteral(" in ") + PdfText(pdf)));
        }
    }

    // The handout's picture keeps the marks of the picked atoms: two measurements of the same
    // length between other atoms give the same page but for the marks.
    void ThePictureMarksTheMeasuredAtoms() {
        RunningViewer viewer;
        kiva::MoleculeView& salt = ShownSubstance(viewer, QStringLiteral("NaCl"));
        viewer.Run(command::CrystalSolid);
        kiva::ViewState& state = salt.State();
        salt.RunCommand(command::Distance);
        std::vector<std::pair<int, int>> pairs;
        for (std::size_t i = 0; i < state.atoms.size() && pairs.size() < 2; ++i)
            for (std::size_t j = 0; j < state.atoms.size() && pairs.size() < 2; ++j)
                if (kiva::TextOf(state.atoms[i].symbol) == "Na+" && kiva::TextOf(state.atoms[j].symbol) == "Cl-" &&
                    std::fabs(kiva::Length(kiva::Subtract(state.atoms[i].position, state.atoms[j].position)) - 2.8203f) < 0.01f &&
                    (pairs.empty() || (pairs[0].first != static_cast<int>(i) && pairs[0].second != static_cast<int>(j))))
                    pairs.emplace_back(static_cast<int>(i), static_cast<int>(j));
        QCOMPARE(pairs.size(), std::size_t{2});
        std::vector<QImage> pages;
        kiva::HandoutLayout layout;
        for (const auto& [first, second] : pairs) {
            QVERIFY(kiva::PickAtom(state, first) && kiva::PickAtom(state, second));
            QImage page(1240, 1754, QImage::Format_RGB32);  // A4 at 150 dpi
            page.setDotsPerMeterX(5906);
            page.setDotsPerMeterY(5906);
            page.fill(Qt::white);
            QPainter painter(&page);
            layout = kiva::PaintHandout(painter, salt, FactsOf(salt));
            painter.end();
            pages.push_back(page);
        }
        const QRect picture(layout.picture.left, layout.picture.top, layout.picture.width, layout.picture.height);
        QVERIFY(!picture.isEmpty());
        const QRect above(0, 0, pages[0].width(), picture.top());
        QCOMPARE(pages[0].copy(above), pages[1].copy(above));  // the same page around the picture
        QVERIFY(pages[0].copy(picture) != pages[1].copy(picture));
    }

    // A document called NaCl.mol holds whatever its author put in it: both handouts of it, the
    // window's and --handout's, show the file's facts and not the catalogue's description of NaCl.
    void BothHandoutsOfAFileNamedLikeACatalogueSubstanceShowTheFilesFacts() {
        RunningViewer viewer;
        kiva::CompoundRecord salt;
        const kiva::SharedData& data = kiva::TheSharedData();
        QVERIFY(kiva::LoadCompoundByName(data.moleculeIndex, data.moleculeDataPath, "NaCl", salt));
        const QString file = viewer.File(QStringLiteral("NaCl.mol"));
        kiva::SaveDocumentFile(QFile::encodeName(file).toStdString(), salt);

        kiva::ShellCommand command;
        command.kind = kiva::ShellCommand::Kind::Handout;
        command.handoutSource = file;
        command.output = viewer.File(QStringLiteral("written.pdf"));
        QString errors;
        QTextStream errorStream(&errors);
        QCOMPARE(kiva::WriteHandoutFile(command, errorStream), 0);

        QVERIFY(viewer.Frame().OpenDocumentFile(file));
        const QString previewed = viewer.File(QStringLiteral("previewed.pdf"));
        int previews = 0;
        PreviewIntoPdf(previewed, &viewer.Frame(), previews);
        viewer.Run(command::PrintHandout);
        QCOMPARE(previews, 1);

        for (const QString& pdf : {command.output, previewed}) {
            const QString text = PdfText(pdf);
            QVERIFY2(text.contains(QStringLiteral("NaCl")) && text.contains(QStringLiteral("Ionic")), qPrintable(text));
            QVERIFY2(!text.contains(QStringLiteral("Sodium chloride")), qPrintable(pdf + QStringLiteral(": ") + text));
        }
        // The catalogue's own NaCl keeps its description.
        command.handoutSource = QStringLiteral("NaCl");
        QCOMPARE(kiva::WriteHandoutFile(command, errorStream), 0);
        QVERIFY(PdfText(command.output).contains(QStringLiteral("Sodium chloride, NaCl (rock salt)")));
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
    }
};

QTEST_MAIN(Handout)
#include "handout_test.moc"
