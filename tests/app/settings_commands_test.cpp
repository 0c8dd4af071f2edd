// SPDX-License-Identifier: GPL-2.0-or-later
// Color, Multiples of Unit Cell and Print Size as a teacher uses them, through the real dialogs.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "chem/fixed_text.h"
#include "chem/shared_data.h"
#include "dialogs/element_color_dialog.h"
#include "dialogs/print_size_dialog.h"
#include "dialogs/unit_cell_multiples_dialog.h"
#include "tests/app/app_test_support.h"
#include "view/kiva_view.h"

using kiva::testing::ChooseSubstance;
using kiva::testing::RunningViewer;
using kiva::testing::WhenDialogOpens;
namespace command = kiva::command;

namespace {

constexpr int kChlorine = 16;

template <typename Widget>
Widget* Control(QWidget& dialog, int id) {
    return dialog.findChild<Widget*>(QString::number(id));
}

void Retype(QWidget& dialog, int id, const QString& text) {
    QLineEdit* edit = Control<QLineEdit>(dialog, id);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void Click(QWidget& dialog, int id) { QTest::mouseClick(Control<QPushButton>(dialog, id), Qt::LeftButton); }

// Chlorine made magenta in the colour dialog, then OK or Cancel.
void RecolourChlorine(QDialog& dialog, bool ok) {
    QListWidget* elements = Control<QListWidget>(dialog, 1024);
    QTest::mouseClick(elements->viewport(), Qt::LeftButton, {},
                      elements->visualItemRect(elements->item(kChlorine)).center());
    Retype(dialog, 1019, QStringLiteral("255"));
    Retype(dialog, 1020, QStringLiteral("0"));
    Retype(dialog, 1021, QStringLiteral("255"));
    Click(dialog, ok ? 1 : 2);
}

// The colour of the window's picture at the middle of the first atom with this label.
QColor PictureColourOf(CKivaView& view, const char* label) {
    const QImage picture = view.grab(QRect(0, 0, kiva::kPictureSize, kiva::kPictureSize)).toImage();
    for (const kiva::SceneAtom& atom : view.Molecule().State().atoms.items)
        if (kiva::TextOf(atom.symbol) == label)
            return picture.pixelColor(static_cast<int>(atom.picture.x), kiva::kPictureSize - 1 - static_cast<int>(atom.picture.y));
    return {};
}

bool SameRows(const kiva::ElementTable& table, const std::array<kiva::ElementInfo, kiva::kElementRows>& rows) {
    return std::memcmp(table.rows.data(), rows.data(), sizeof rows) == 0;
}

}  // namespace

class SettingsCommands : public QObject {
    Q_OBJECT

    QTemporaryDir data;  // a copy of the catalogue, with room for Elements.dat
    kiva::StartUpPlaces places;

private slots:
    void initTestCase() {
        kiva::testing::PrepareViewerTests();
        for (const char* file : {"Molecule.dat", "Index.dat"})
            QVERIFY(QFile::copy(QStringLiteral(KIVA_CATALOGUE_DIR "/") + QLatin1String(file),
                                data.filePath(QLatin1String(file))));
        places = {{data.path().toStdString()}, data.filePath(QStringLiteral("config")).toStdString()};
    }

    void init() { QFile::remove(data.filePath(QStringLiteral("Elements.dat"))); }

    void ColourShowsAtOnceSurvivesARestartAndDefaultBringsTheBuiltInsBack() {
        {
            const kiva::SharedDataLifetime run(places);
            RunningViewer viewer;
            ChooseSubstance(viewer, QStringLiteral("NaCl"));
            CKivaView& view = *viewer.Active()->View();
            QCOMPARE(PictureColourOf(view, "Cl-").red(), 0);
            QVERIFY(PictureColourOf(view, "Cl-").green() > 100);

            bool reached = false;
            WhenDialogOpens<kiva::CElementColorDlg>([](kiva::CElementColorDlg& dialog) { RecolourChlorine(dialog, true); },
                                                    &reached);
            viewer.Run(command::ElementColor);
            QVERIFY(reached);
            const QColor chloride = PictureColourOf(view, "Cl-");
            QCOMPARE(chloride.green(), 0);
            QVERIFY(chloride.red() > 100);
            QCOMPARE(chloride.red(), chloride.blue());
            QVERIFY(viewer.messages.empty());
            // Written at once, so that a session ended by force keeps the colour too.
            QFile written(data.filePath(QStringLiteral("Elements.dat")));
            QVERIFY(written.open(QIODevice::ReadOnly));
            QVERIFY(written.readAll().contains("Cl   255   0 255 1.50 0.26 1.81\r\n"));
        }  // the program ends: Elements.dat is written again

        {
            const kiva::SharedDataLifetime run(places);
            QCOMPARE(kiva::TheSharedData().elementTable.rows[kChlorine].color, kiva::MakeColor(255, 0, 255));
            RunningViewer viewer;
            ChooseSubstance(viewer, QStringLiteral("NaCl"));
            CKivaView& view = *viewer.Active()->View();
            QCOMPARE(PictureColourOf(view, "Cl-").green(), 0);

            WhenDialogOpens<kiva::CElementColorDlg>([](kiva::CElementColorDlg& dialog) {
                Click(dialog, 3);
                Click(dialog, 1);
            });
            viewer.Run(command::ElementColor);
            QVERIFY(SameRows(kiva::TheSharedData().elementTable, kiva::DefaultElements()));
            QCOMPARE(PictureColourOf(view, "Cl-").red(), 0);
        }
        const kiva::SharedDataLifetime run(places);
        QVERIFY(SameRows(kiva::TheSharedData().elementTable, kiva::DefaultElements()));
    }

    void CancelAndDefaultThenCancelLeaveTheElementTableAlone() {
        const kiva::SharedDataLifetime run(places);
        kiva::TheSharedData().elementTable.rows[0].atomicRadius = 3.0f;
        const auto before = kiva::TheSharedData().elementTable.rows;
        RunningViewer viewer;
        WhenDialogOpens<kiva::CElementColorDlg>([](kiva::CElementColorDlg& dialog) { RecolourChlorine(dialog, false); });
        viewer.Run(command::ElementColor);
        WhenDialogOpens<kiva::CElementColorDlg>([](kiva::CElementColorDlg& dialog) {
            Click(dialog, 3);
            Click(dialog, 2);
        });
        viewer.Run(command::ElementColor);
        QVERIFY(SameRows(kiva::TheSharedData().elementTable, before));
    }

    void OtherWindowsTakeTheNewColoursAtTheirNextRebuild() {
        const kiva::SharedDataLifetime run(places);
        RunningViewer viewer;
        ChooseSubstance(viewer, QStringLiteral("NaCl"));
        CKivaView& first = *viewer.Active()->View();
        viewer.Run(command::WindowNew);
        CKivaView& second = *viewer.Active()->View();
        QVERIFY(&first != &second);
        WhenDialogOpens<kiva::CElementColorDlg>([](kiva::CElementColorDlg& dialog) { RecolourChlorine(dialog, true); });
        viewer.Run(command::ElementColor);
        QCOMPARE(PictureColourOf(second, "Cl-").green(), 0);
        QVERIFY(PictureColourOf(first, "Cl-").green() > 100);
        viewer.Frame().MdiArea()->setActiveSubWindow(viewer.Windows().first());
        viewer.Run(command::CrystalSolid);
        QCOMPARE(PictureColourOf(first, "Cl-").green(), 0);
    }

    void MultiplesThreeByThreeByThreeBuildTheLargerCrystal() {
        const kiva::SharedDataLifetime run(places);
        RunningViewer viewer;
        ChooseSubstance(viewer, QStringLiteral("NaCl"));
        CMainFrame& frame = viewer.Frame();
        QVERIFY(!frame.Action(command::UnitCellMultiples)->isEnabled());  // the chemical unit shows
        viewer.Run(command::CrystalSolid);
        QVERIFY(frame.Action(command::UnitCellMultiples)->isEnabled());
        const kiva::ViewState& state = viewer.Active()->View()->Molecule().State();
        QCOMPARE(state.atoms.size(), std::size_t{27});

        WhenDialogOpens<kiva::CUnitCellMultiplesDlg>([](kiva::CUnitCellMultiplesDlg& dialog) {
            QCOMPARE(Control<QLineEdit>(dialog, 1012)->text(), QStringLiteral("1"));
            for (const int id : {1012, 1013, 1014}) Retype(dialog, id, QStringLiteral("3"));
            Click(dialog, 1);
        });
        viewer.Run(command::UnitCellMultiples);
        QCOMPARE(state.cellMultiples, (std::array<int, 3>{3, 3, 3}));
        QCOMPARE(state.atoms.size(), std::size_t{7 * 7 * 7});

        WhenDialogOpens<kiva::CUnitCellMultiplesDlg>([](kiva::CUnitCellMultiplesDlg& dialog) {
            QCOMPARE(Control<QLineEdit>(dialog, 1013)->text(), QStringLiteral("3"));
            Retype(dialog, 1013, QStringLiteral("17"));
            Click(dialog, 1);
            Click(dialog, 2);
        });
        viewer.Run(command::UnitCellMultiples);
        QCOMPARE(state.cellMultiples, (std::array<int, 3>{3, 3, 3}));
        QCOMPARE(viewer.messages.size(), std::size_t{1});
        QCOMPARE(viewer.messages[0].text, QStringLiteral("Please enter an integer between 1 and 16."));
    }

    void PrintSizeOpensOnTheCurrentScaleAndOkSetsTheNewOne() {
        const kiva::SharedDataLifetime run(places);
        RunningViewer viewer;
        const kiva::MoleculeView& molecule = viewer.Active()->View()->Molecule();
        WhenDialogOpens<kiva::CPrintSizeDlg>([](kiva::CPrintSizeDlg& dialog) {
            QComboBox* sizes = Control<QComboBox>(dialog, 1143);
            QCOMPARE(sizes->currentText(), QStringLiteral("100"));
            sizes->setCurrentIndex(1);
            Click(dialog, 1);
        });
        viewer.Run(command::PrintSize);
        QCOMPARE(molecule.PrintScale(), 0.5f);
        WhenDialogOpens<kiva::CPrintSizeDlg>([](kiva::CPrintSizeDlg& dialog) {
            QCOMPARE(Control<QComboBox>(dialog, 1143)->currentText(), QStringLiteral("50"));
            Control<QComboBox>(dialog, 1143)->setCurrentIndex(7);
            Click(dialog, 2);
        });
        viewer.Run(command::PrintSize);
        QCOMPARE(molecule.PrintScale(), 0.5f);
    }
};

QTEST_MAIN(SettingsCommands)
#include "settings_commands_test.moc"
