// SPDX-License-Identifier: GPL-2.0-or-later
// Printing to PDF files, as a teacher prints a picture for a worksheet: the picture's size and
// place on the page, its white background and quality, the print dialogs and the print verbs.
// The PDF files are read back with poppler's pdftoppm and pdfimages.
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QtTest>

#include "app/kiva_doc.h"
#include "app/printer_choice.h"
#include "app/shell_command.h"
#include "chem/shared_data.h"
#include "platform/print_dialogs.h"
#include "render/render_frame.h"
#include "tests/app/app_test_support.h"
#include "tests/app/pdf_tools.h"
#include "view/exported_frame.h"
#include "view/kiva_view.h"
#include "view/print_layout.h"
#include "view/printing.h"

using kiva::testing::ChooseSubstance;
using kiva::testing::PreviewIntoPdf;
using kiva::testing::RunningViewer;
namespace command = kiva::command;

namespace {

using kiva::testing::kDotsPerInch;
using kiva::testing::MakeWorksheetPrinter;

QByteArray Run(const QString& program, const QStringList& arguments) { return kiva::testing::RunTool(program, arguments); }

// The page rasterised at the printer's resolution.
QImage RasterPage(const QString& pdf, int page = 1) {
    const QString prefix = pdf + QStringLiteral("-page");
    Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDotsPerInch), QStringLiteral("-gray"),
                                     QStringLiteral("-f"), QString::number(page), QStringLiteral("-singlefile"), pdf,
                                     prefix});
    return QImage(prefix + QStringLiteral(".pgm"));
}

// The rectangle of everything on the page that is not white paper.
QRect InkedArea(const QImage& page) {
    QRect area;
    for (int y = 0; y < page.height(); ++y) {
        const uchar* line = page.constScanLine(y);
        for (int x = 0; x < page.width(); ++x)
            if (line[x] < 250) area |= QRect(x, y, 1, 1);
    }
    return area;
}

// The images the PDF holds, as their own pixels.
QList<QImage> EmbeddedImages(const QString& pdf) {
    const QString prefix = pdf + QStringLiteral("-image");
    Run(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, prefix});
    QList<QImage> images;
    for (int i = 0;; ++i) {
        const QImage image(QStringLiteral("%1-%2.png").arg(prefix).arg(i, 3, 10, QLatin1Char('0')));
        if (image.isNull()) return images;
        images << image.convertToFormat(QImage::Format_RGB888);
    }
}

int PageCount(const QString& pdf) {
    const QByteArray info = Run(QStringLiteral("pdfinfo"), {pdf});
    const qsizetype at = info.indexOf("Pages:");
    return at < 0 ? 0 : info.mid(at + 6, info.indexOf('\n', at) - at - 6).trimmed().toInt();
}

void WriteProfile(const QString& path, const QString& printerFile) {
    QSettings profile(path, QSettings::IniFormat);
    profile.setValue(QStringLiteral("Printer/File"), printerFile);
}

}  // namespace

class Printing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        kiva::testing::PrepareViewerTests();
        QVERIFY(kiva::testing::UseBuiltCatalogue(KIVA_CATALOGUE_DIR));
    }

    void cleanup() {
        kiva::ReplacePrintDialogHandler({});
        kiva::ReplacePrintPreviewHandler({});
    }

    // Screen 1024 pixels wide, page 4800: the picture is 1593 by 1592 pixels, 480 from the left.
    void PrintSizeHundredKeepsTheScreenShareWithATenthOfThePageAsMargin_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("100") << 100 << QRect(480, 600, 1593, 1592);
        QTest::newRow("50") << 50 << QRect(480, 600, 796, 796);
        QTest::newRow("200") << 200 << QRect(480, 600, 3187, 3184);
    }
    void PrintSizeHundredKeepsTheScreenShareWithATenthOfThePageAsMargin() {
        QFETCH(int, percent);
        QFETCH(QRect, expected);
        RunningViewer viewer;
        ChooseSubstance(viewer, QStringLiteral("NaCl"));
        kiva::MoleculeView& molecule = viewer.Active()->View()->Molecule();
        molecule.SetPrintScale(static_cast<float>(percent * 0.01));
        const QString pdf = viewer.File(QStringLiteral("sheet.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        MakeWorksheetPrinter(printer, pdf);
        QCOMPARE(printer.width(), 4800);
        QVERIFY(kiva::PrintPictures(printer, {&molecule}, 1024));

        const QImage page = RasterPage(pdf);
        QCOMPARE(page.size(), QSize(4800, 6000));
        const QRect inked = InkedArea(page);  // the picture's green frame bounds it
        QVERIFY2(std::abs(inked.left() - expected.left()) <= 1 && std::abs(inked.top() - expected.top()) <= 1 &&
                     std::abs(inked.width() - expected.width()) <= 1 && std::abs(inked.height() - expected.height()) <= 1,
                 qPrintable(QStringLiteral("printed at %1,%2 %3x%4").arg(inked.left()).arg(inked.top()).arg(inked.width()).arg(inked.height())));
    }

    void ThePrintoutIsTheHighQualityPictureOnWhiteAtThePrintersResolutionEvenFromALowQualityView() {
        RunningViewer viewer;
        ChooseSubstance(viewer, QStringLiteral("NaCl"));
        viewer.Run(command::LowQuality);
        kiva::MoleculeView& molecule = viewer.Active()->View()->Molecule();
        const QString pdf = viewer.File(QStringLiteral("sheet.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        MakeWorksheetPrinter(printer, pdf);
        QVERIFY(kiva::PrintPictures(printer, {&molecule}, 1024));

        const QList<QImage> images = EmbeddedImages(pdf);
        QCOMPARE(images.size(), 1);  // sent in one piece
        // Rendered at the device pixels the layout gives it on the 600-dpi page, not enlarged.
        const kiva::PrintPlacement place =
            kiva::PlacePrintedPicture(1024, molecule.Area(), printer.width(), printer.height(), molecule.PrintScale());
        QCOMPARE(images[0].size(), QSize(place.width, place.height()));
        QVERIFY(place.width > 3 * kiva::kPictureSize);
        // Printed with smooth edges, as the profile chooses at first.
        const kiva::Picture expected = molecule.RenderPicture(kiva::PrintedPictureArea(place), {255, true, kiva::SmoothEdgesChosen()});
        const QImage shaded(expected.colour.data(), expected.width, expected.height, expected.width * 3,
                            QImage::Format_BGR888);
        QCOMPARE(images[0], shaded.convertToFormat(QImage::Format_RGB888));
        QCOMPARE(images[0].pixelColor(images[0].width() / 2, 20), QColor(Qt::white));
    }

    void PrintRunsTheDialogAndPrintsOnTheChosenFile() {
        RunningViewer viewer;
        ChooseSubstance(viewer, QStringLiteral("NaCl"));
        const QString pdf = viewer.File(QStringLiteral("chosen.pdf"));
        std::vector<kiva::PrintDialogKind> asked;
        bool confirm = false;
        kiva::ReplacePrintDialogHandler([&](const kiva::PrintDialogRequest& request) {
            asked.push_back(request.kind);
            MakeWorksheetPrinter(*request.printer, pdf);
            return confirm;
        });
        viewer.Run(command::FilePrint);  // cancelled
        QVERIFY(!QFile::exists(pdf));
        confirm = true;
        viewer.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&viewer.Frame()));
        QTest::keyClick(&viewer.Frame(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(asked, (std::vector<kiva::PrintDialogKind>{kiva::PrintDialogKind::Print, kiva::PrintDialogKind::Print}));
        QCOMPARE(PageCount(pdf), 1);
        QVERIFY(viewer.messages.empty());
    }

    void AFileThatCannotBeWrittenIsReported() {
        RunningViewer viewer;
        const QString pdf = viewer.File(QStringLiteral("no/such/folder/sheet.pdf"));
        kiva::ReplacePrintDialogHandler([&](const kiva::PrintDialogRequest& request) {
            MakeWorksheetPrinter(*request.printer, pdf);
            return true;
        });
        viewer.Run(command::FilePrint);
        QCOMPARE(viewer.messages.size(), std::size_t{1});
        QCOMPARE(viewer.messages[0].text, QStringLiteral("Cannot write the file \"%1\".").arg(pdf));
    }

    void PreviewPaintsThePrintoutOnThePreviewsPrinter() {
        RunningViewer viewer;
        ChooseSubstance(viewer, QStringLiteral("NaCl"));
        const QString pdf = viewer.File(QStringLiteral("preview.pdf"));
        int previews = 0;
        PreviewIntoPdf(pdf, &viewer.Frame(), previews);
        viewer.Run(command::FilePrintPreview);
        QCOMPARE(previews, 1);
        QCOMPARE(EmbeddedImages(pdf).size(), 1);
    }

    void PrintSetupIsKeptInTheProfileForTheNextRun() {
        RunningViewer viewer;
        const QString pdf = viewer.File(QStringLiteral("setup.pdf"));
        kiva::ReplacePrintDialogHandler([&](const kiva::PrintDialogRequest& request) {
            if (request.kind != kiva::PrintDialogKind::Setup) return false;
            MakeWorksheetPrinter(*request.printer, pdf);
            request.printer->setPageOrientation(QPageLayout::Landscape);
            return true;
        });
        viewer.Frame().Documents().CloseDocument(viewer.Active()->Document());
        QCoreApplication::processEvents();
        QVERIFY(viewer.Frame().Action(command::FilePrintSetup)->isEnabled());
        viewer.Run(command::FilePrintSetup);

        QPrinter next(QPrinter::HighResolution);
        kiva::RestorePrinterChoice(next, viewer.File(QStringLiteral("kiva.ini")));
        QCOMPARE(next.outputFormat(), QPrinter::PdfFormat);
        QCOMPARE(next.outputFileName(), pdf);
        QCOMPARE(next.pageLayout().orientation(), QPageLayout::Landscape);
        QVERIFY(kiva::HasPrintTarget(next));
    }

    void ShellCommandsAreParsedLikeTheOldVerbs() {
        using Kind = kiva::ShellCommand::Kind;
        const kiva::ShellCommand open = kiva::ParseShellCommand({"a.mol", "b.mol"});
        QCOMPARE(open.kind, Kind::Open);
        QCOMPARE(open.files, QStringList({"a.mol", "b.mol"}));
        QCOMPARE(kiva::ParseShellCommand({"/p", "a.mol"}).kind, Kind::Print);
        QCOMPARE(kiva::ParseShellCommand({"a.mol", "-P"}).files, QStringList({"a.mol"}));
        const kiva::ShellCommand printTo = kiva::ParseShellCommand({"/pt", "a.mol", "Laser", "driver", "port"});
        QCOMPARE(printTo.kind, Kind::PrintTo);
        QCOMPARE(printTo.files, QStringList({"a.mol"}));
        QCOMPARE(printTo.printer, QStringLiteral("Laser"));
        QCOMPARE(kiva::ParseShellCommand({"--help-topics"}).kind, Kind::HelpTopics);
        QCOMPARE(kiva::ParseShellCommand({"/pages.mol"}).files, QStringList({"/pages.mol"}));
        const kiva::ShellCommand handout = kiva::ParseShellCommand({"-o", "sheet.pdf", "--handout", "-p"});
        QCOMPARE(handout.kind, Kind::Handout);
        QCOMPARE(handout.handoutSource, QStringLiteral("-p"));  // the word after --handout, whatever it looks like
        QCOMPARE(handout.output, QStringLiteral("sheet.pdf"));
        QVERIFY(handout.files.isEmpty());
        QVERIFY(kiva::ParseShellCommand({"--handout"}).handoutSource.isEmpty());
    }

    void PrintVerbPrintsEveryFileOnAPageOfItsOwnWithoutAWindow() {
        QTemporaryDir dir;
        const QString profile = dir.filePath(QStringLiteral("kiva.ini"));
        const QString pdf = dir.filePath(QStringLiteral("verb.pdf"));
        WriteProfile(profile, pdf);
        kiva::RestorePrinterChoice(kiva::SharedPrinter(), profile);
        const QString salt = dir.filePath(QStringLiteral("salt.mol"));
        {
            RunningViewer viewer;
            ChooseSubstance(viewer, QStringLiteral("NaCl"));
            viewer.chosenFile = salt;
            QVERIFY(viewer.Frame().Documents().SaveDocumentAs(viewer.Active()->Document()));
        }
        QVERIFY(QFile::exists(salt));
        kiva::ReplaceMessageBoxHandler([](const kiva::MessageRequest&) { return kiva::MessageAnswer::Ok; });
        CKivaApp app;
        QCOMPARE(app.PrintFiles(kiva::ParseShellCommand({"-p", salt, salt}), {profile, false, false}), 0);
        kiva::ReplaceMessageBoxHandler({});
        QVERIFY(!app.MainFrame()->isVisible());
        QCOMPARE(PageCount(pdf), 2);
    }

    void PrintVerbFailuresGiveOneMessageAndAFailingExit() {
        QTemporaryDir dir;
        const QString profile = dir.filePath(QStringLiteral("kiva.ini"));
        QStringList messages;
        kiva::ReplaceMessageBoxHandler([&](const kiva::MessageRequest& request) {
            messages << request.text;
            return kiva::MessageAnswer::Ok;
        });
        QPrinter& printer = kiva::SharedPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("out.pdf")));
        {
            CKivaApp app;
            QCOMPARE(app.PrintFiles(kiva::ParseShellCommand({"/p", dir.filePath(QStringLiteral("missing.mol"))}),
                                    {profile, false, false}),
                     1);
        }
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("missing.mol")));
        {
            CKivaApp app;
            QCOMPARE(app.PrintFiles(kiva::ParseShellCommand({"/pt", "a.mol", "Nowhere"}), {profile, false, false}), 1);
        }
        QCOMPARE(messages.value(1), QStringLiteral("The printer \"Nowhere\" is not installed."));
        printer.setOutputFileName(QString());
        {
            CKivaApp app;
            QCOMPARE(app.PrintFiles(kiva::ParseShellCommand({"/p", "a.mol"}), {profile, false, false}), 1);
        }
        QCOMPARE(messages.value(2), kiva::NoPrinterMessage());
        QCOMPARE(messages.size(), 3);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.pdf"))));
        kiva::ReplaceMessageBoxHandler({});
    }
};

QTEST_MAIN(Printing)
#include "printing_test.moc"
