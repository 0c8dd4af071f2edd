// SPDX-License-Identifier: GPL-2.0-or-later
// Opening the standard files teachers find elsewhere: a crystal from the Crystallography Open
// Database, a molfile, by the File menu and by dropping them; saving them as Kiva documents.
#include <QLabel>
#include <QMimeData>
#include <QtTest>

#include "app/kiva_doc.h"
#include "chem/fixed_text.h"
#include "dialogs/substance_info_dialog.h"
#include "tests/app/app_test_support.h"
#include "view/commands.h"
#include "view/kiva_view.h"

using kiva::testing::RunningViewer;
namespace command = kiva::command;

namespace {

const QString kSalt = QStringLiteral("/usr/share/avogadro2/crystals/halides/NaCl-Halite.cif");
const QString kEthanol = QStringLiteral(KIVA_SOURCE_DIR "/tests/data/structures/ethanol.mol");

// The texts of the information window that Substance Information opens.
QStringList SubstanceInformationTexts(RunningViewer& viewer) {
    QStringList texts;
    bool reached = false;
    kiva::testing::WhenDialogOpens<kiva::CSubstanceInfoDlg>(
        [&texts](kiva::CSubstanceInfoDlg& dialog) {
            for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
            dialog.reject();
        },
        &reached);
    viewer.Run(command::SubstanceInformation);
    if (!reached) texts << QStringLiteral("(no information window)");
    return texts;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class StructureFiles : public QObject {
    Q_OBJECT
private slots:
    void FileOpenOffersEveryFormatAndAllFiles() {
        RunningViewer viewer;
        viewer.Run(command::FileOpen);
        QCOMPARE(viewer.dialogs.size(), std::size_t{1});
        const QStringList filters = viewer.dialogs.front().filter.split(QStringLiteral(";;"));
        QVERIFY(filters.first().startsWith(QStringLiteral("All Structure Files (")));
        QVERIFY(filters.contains(QStringLiteral("Molecule Files (*.mol)")));
        QVERIFY(filters.contains(QStringLiteral("Crystallographic Information Files (*.cif)")));
        QCOMPARE(filters.last(), QStringLiteral("All Files (*)"));
    }

    void ACrystalFileOpensWithItsNameAndBondingClass() {
        RunningViewer viewer;
        viewer.chosenFile = kSalt;
        viewer.Run(command::FileOpen);
        QVERIFY(viewer.messages.empty());
        QCOMPARE(viewer.Windows().size(), 2);
        QCOMPARE(viewer.Active()->windowTitle(), QStringLiteral("NaCl-Halite.cif - (Ionic)"));
        QCOMPARE(viewer.Frame().RecentFiles().Files(), QStringList{kSalt});
        viewer.Run(command::CrystalSolid);
        QCOMPARE(viewer.Active()->View()->Molecule().State().atoms.size(), std::size_t{27});
    }

    void ADroppedCrystalFileOpens() {
        RunningViewer viewer;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(kSalt)});
        viewer.Frame().OpenDroppedFiles(data);
        QCOMPARE(viewer.Windows().size(), 2);
        QCOMPARE(viewer.Active()->windowTitle(), QStringLiteral("NaCl-Halite.cif - (Ionic)"));
    }

    void AMissingFileIsReportedInPlainWords() {
        RunningViewer viewer;
        viewer.chosenFile = QStringLiteral("/nonexistent/benzene.xyz");
        viewer.Run(command::FileOpen);
        QCOMPARE(viewer.messages.size(), std::size_t{1});
        QCOMPARE(viewer.messages[0].text,
                 QStringLiteral("Cannot open \"/nonexistent/benzene.xyz\".\nNo such file or directory."));
        QCOMPARE(viewer.Windows().size(), 1);
    }

    // A molfile named .mol opens as a molecule; a save writes a new Kiva document beside it and
    // never writes over the molfile, even when the user names it.
    void AMolfileOpensAndIsNeverWrittenOver() {
        RunningViewer viewer;
        const QString molfile = viewer.File("ethanol.mol");
        QVERIFY(QFile::copy(kEthanol, molfile));
        const QByteArray original = Bytes(molfile);
        QVERIFY(viewer.Frame().OpenDocumentFile(molfile));
        QCOMPARE(viewer.Active()->windowTitle(), QStringLiteral("ethanol.mol - (Molecule)"));
        QCOMPARE(viewer.Active()->Document().compound.unitAtoms.size(), std::size_t{9});

        viewer.chosenFile = molfile;
        viewer.Run(command::FileSave);
        QCOMPARE(viewer.dialogs.size(), std::size_t{1});
        QCOMPARE(viewer.dialogs.front().proposedPath, viewer.File("ethanol-kiva.mol"));
        QCOMPARE(viewer.messages.size(), std::size_t{1});
        QVERIFY(viewer.messages.front().text.contains(QStringLiteral("not a Kiva document")));
        QCOMPARE(Bytes(molfile), original);

        viewer.chosenFile = viewer.File("ethanol-kiva.mol");
        viewer.Run(command::FileSave);
        QCOMPARE(viewer.Active()->windowTitle(), QStringLiteral("ethanol-kiva.mol"));
        QVERIFY(viewer.Frame().OpenDocumentFile(viewer.chosenFile));
        QCOMPARE(viewer.Active()->Document().compound.unitAtoms.size(), std::size_t{9});
        QCOMPARE(Bytes(molfile), original);
    }

    // A molfile called Ethanol.mol shows what the file gave, not the catalogue's Ethanol; the
    // catalogue's own Ethanol, chosen into the same window, shows its description.
    void AFileNamedLikeACatalogueSubstanceShowsNoCatalogueDescription() {
        QVERIFY(kiva::testing::UseBuiltCatalogue(KIVA_CATALOGUE_DIR));
        RunningViewer viewer;
        const QString molfile = viewer.File("Ethanol.mol");
        QVERIFY(QFile::copy(kEthanol, molfile));
        QVERIFY(viewer.Frame().OpenDocumentFile(molfile));
        QCOMPARE(kiva::TextOf(viewer.Active()->Document().compound.name), std::string_view("Ethanol"));
        const QStringList fromFile = SubstanceInformationTexts(viewer);
        QVERIFY(!fromFile.contains(QStringLiteral("(no information window)")));
        QVERIFY(!fromFile.join(' ').contains(QStringLiteral("ethyl alcohol")));

        kiva::testing::ChooseSubstance(viewer, QStringLiteral("Ethanol"));
        QVERIFY(SubstanceInformationTexts(viewer).join(' ').contains(QStringLiteral("ethyl alcohol")));
    }

    void ACrystalSavedAsADocumentProposesItsNameWithTheDocumentExtension() {
        RunningViewer viewer;
        QVERIFY(viewer.Frame().OpenDocumentFile(kSalt));
        viewer.Run(command::FileSaveAs);
        QCOMPARE(viewer.dialogs.back().proposedPath, QStringLiteral("/usr/share/avogadro2/crystals/halides/NaCl-Halite.mol"));
        // A substance chosen from the catalogue into the same window is no import any more.
        viewer.Active()->Document().SetPathName(QDir::current().absoluteFilePath(QStringLiteral("CaSO4.2H2O")));
        viewer.Run(command::FileSave);
        QVERIFY(viewer.dialogs.back().proposedPath.endsWith(QStringLiteral("/CaSO4.2H2O.mol")));
    }

    // A substance whose name holds a dot used to be proposed without the extension, and File
    // Open's filter then hid the file.
    void SaveAsAppendsTheExtensionToANameWithADot() {
        RunningViewer viewer;
        CKivaDoc& document = viewer.Active()->Document();
        document.SetPathName(QDir::current().absoluteFilePath(QStringLiteral("CaSO4.2H2O")));
        document.SetTitle(QStringLiteral("CaSO4.2H2O - (Ionic)"));
        viewer.Run(command::FileSaveAs);
        QVERIFY(viewer.dialogs.back().proposedPath.endsWith(QStringLiteral("/CaSO4.2H2O.mol")));
        document.SetPathName(QDir::current().absoluteFilePath(QStringLiteral("Benzene.MOL")));
        viewer.Run(command::FileSaveAs);
        QVERIFY(viewer.dialogs.back().proposedPath.endsWith(QStringLiteral("/Benzene.MOL")));
    }
};

QTEST_MAIN(StructureFiles)
#include "structure_files_test.moc"
