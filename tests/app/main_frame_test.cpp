// SPDX-License-Identifier: GPL-2.0-or-later
// The viewer as a user meets it: windows, menus, keys, documents and the quit prompt.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QtTest>

#include "app/kiva_doc.h"
#include "chem/document_file.h"
#include "chem/shared_data.h"
#include "platform/binary_archive.h"
#include "tests/app/app_test_support.h"
#include "tests/support/sample_records.h"
#include "view/commands.h"
#include "view/kiva_view.h"

using kiva::testing::RunningViewer;
namespace command = kiva::command;

namespace {

// Each menu item as "Menu/Item\tShortcut=id", submenus nested, separators skipped.
QStringList Describe(const QList<QAction*>& actions, const QString& path) {
    QStringList items;
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible()) continue;
        QString text = action->text();
        if (!action->shortcut().isEmpty()) text += QLatin1Char('\t') + action->shortcut().toString();
        if (action->menu()) {
            items += Describe(action->menu()->actions(), path + text + QLatin1Char('/'));
            continue;
        }
        items << QStringLiteral("%1%2=%3").arg(path, text).arg(action->data().toInt());
    }
    return items;
}

QStringList MenuBarItems(CMainFrame& frame) { return Describe(frame.menuBar()->actions(), QString()); }

void WriteBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string RecordBytes(const kiva::CompoundRecord& record) {
    kiva::ArchiveWriter writer;
    kiva::WriteCompound(record, writer);
    return writer.Bytes();
}

std::string SaltDocumentBytes(bool withCrystal = true) {
    kiva::CompoundRecord salt = kiva::testing::SampleSalt();
    if (!withCrystal) salt.basisAtoms.clear();
    kiva::ArchiveWriter writer;
    kiva::StoreDocument(salt, writer);
    return writer.Bytes();
}

std::vector<kiva::Vector3D> PicturePositions(const CKivaView& view) {
    std::vector<kiva::Vector3D> positions;
    for (const kiva::SceneAtom& atom : view.Molecule().State().atoms.items) positions.push_back(atom.picture);
    return positions;
}

}  // namespace

class MainFrame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        kiva::TheSharedData().elementTable = kiva::MakeDefaultElementTable();
    }

    void StartsMaximizedWithUntitled1() {
        RunningViewer viewer;
        QVERIFY(viewer.started);
        QVERIFY(viewer.Frame().windowState() & Qt::WindowMaximized);
        QCOMPARE(viewer.Windows().size(), 1);
        QCOMPARE(viewer.Active()->windowTitle(), QStringLiteral("Untitled-1"));
        QCOMPARE(viewer.Frame().windowTitle(), QStringLiteral("Zelkora - Untitled-1"));
        QCOMPARE(viewer.Frame().statusBar()->findChild<QLabel*>(QStringLiteral("idleText"))->text(),
                 QStringLiteral("For Help, press F1"));
        for (const char* pane : {"CAPS", "NUM", "SCRL"})
            QVERIFY(viewer.Frame().statusBar()->findChild<QLabel*>(QString::fromLatin1(pane)));
        QVERIFY(viewer.messages.empty());
    }

    void SecondNewIsUntitled2() {
        RunningViewer viewer;
        viewer.Run(command::FileNew);
        QCOMPARE(viewer.Windows().size(), 2);
        QCOMPARE(viewer.Active()->windowTitle(), QStringLiteral("Untitled-2"));
    }

    void QuitAnsweredNoKeepsEveryWindow() {
        RunningViewer viewer;
        viewer.answer = kiva::MessageAnswer::No;
        viewer.Run(command::AppExit);
        QCOMPARE(viewer.messages.size(), std::size_t{1});
        const kiva::MessageRequest& prompt = viewer.messages.front();
        QCOMPARE(prompt.caption, QStringLiteral("Zelkora"));
        QCOMPARE(prompt.text, QStringLiteral("Do you really want to quit?"));
        QVERIFY(prompt.buttons == kiva::MessageButtons::YesNo);
        QVERIFY(prompt.icon == kiva::MessageIcon::Question);
        QVERIFY(viewer.Frame().isVisible());
        QCOMPARE(viewer.Windows().size(), 1);
    }

    void QuitAnsweredYesClosesWithoutOfferingToSave() {
        RunningViewer viewer;
        viewer.Active()->Document().compound = kiva::testing::SampleSalt();
        viewer.answer = kiva::MessageAnswer::Yes;
        viewer.Frame().close();
        QCOMPARE(viewer.messages.size(), std::size_t{1});
        QVERIFY(!viewer.Frame().isVisible());
        QVERIFY(viewer.dialogs.empty());
    }

    void ChildFrameNeverGrowsAndHasNoMaximizeButton() {
        RunningViewer viewer;
        QMdiSubWindow* child = viewer.Active();
        QCOMPARE(child->size(), QSize(384, 403));
        QVERIFY(!(child->windowFlags() & Qt::WindowMaximizeButtonHint));
        child->resize(700, 600);
        QCOMPARE(child->size(), QSize(384, 403));
        child->resize(200, 150);
        QCOMPARE(child->size(), QSize(200, 150));
        child->showMaximized();
        QVERIFY(child->width() <= 384 && child->height() <= 403);
    }

    void DocumentMenuHasEveryItemWithItsIdAndShortcut() {
        RunningViewer viewer;
        const QStringList expected = {
            "&File/&New\tCtrl+N=57600", "&File/&Open...\tCtrl+O=57601", "&File/&Close\tCtrl+W=57602",
            "&File/&Save\tCtrl+S=57603", "&File/Save &As...=57604", "&File/&Print...\tCtrl+P=57607",
            "&File/Print Pre&view=57609", "&File/P&rint Setup...=57606", "&File/Prin&t Size...=32787",
            "&File/Print &Handout...=32848", "&File/E&xport Picture...=32846", "&File/&Export Animation...=32845",
            "&File/Recent File=57616", "&File/&Quit\tCtrl+Q=57665",
            "&Edit/&Copy Picture\tCtrl+C=57634", "&View/&Color...=32788",
            "&View/Display &Structure/&Chemical Unit=32790", "&View/Display &Structure/Crystalline &Solid State=32789",
            "&View/Display &Structure/&Liquid State=32791", "&View/Display &Structure/&Gas State=32792",
            "&View/Display &Structure/&Heating and Cooling=32849",
            "&View/&Particles/&64=32850", "&View/&Particles/&216=32851", "&View/&Particles/&512=32852", "&View/&Particles/&1000=32853",
            "&View/Display &Model/&Ball-and-Stick=32793", "&View/Display &Model/&Space-Filling=32794",
            "&View/Display &Quality/&Low Quality=32812", "&View/Display &Quality/&High Quality=32814",
            "&View/Picture Si&ze/&Fixed (340 \u00d7 340)=32840", "&View/Picture Si&ze/Fit &Window=32841",
            "&View/&Full Screen\tF11=32842", "&View/Smooth &Edges=32859",
            "&View/Multiples of &Unit Cell...=32822", "&View/&XYZ Axes=32817", "&View/&Whole Molecules=32843", "&View/Atom &Labels=32847",
            "&View/P&olyhedra=32857", "&View/La&ttice Plane...=32858",
            "&View/Substance &Information...=32844", "&View/Status &Bar=59393",
            "&View/&Reset=32831", "&Molecule/&Homoatomic...=32797", "&Molecule/&Metallic...=32815",
            "&Molecule/&Non-Metallic...=32801", "&Molecule/&Organic...=32800", "&Molecule/&Index...=32804",
            "M&easure/&Position=32805", "M&easure/&Distance=32806", "M&easure/&Angle=32816",
            "M&easure/&Torsion Angle=32808", "&Window/&New Window=57648", "&Window/&Cascade=57650",
            "&Window/&Tile=57651", "&Window/&Arrange Icons=57649", "&Help/&Help Topics\tF1=57670",
            "&Help/&About 'Zelkora'...=57664"};
        QCOMPARE(MenuBarItems(viewer.Frame()), expected);
    }

    void NoDocumentMenuAfterTheLastWindowCloses() {
        RunningViewer viewer;
        viewer.Run(command::FileClose);
        QTRY_COMPARE(viewer.Windows().size(), 0);
        QCOMPARE(viewer.Frame().windowTitle(), QStringLiteral("Zelkora"));
        const QStringList expected = {"&File/&New\tCtrl+N=57600", "&File/&Open...\tCtrl+O=57601",
                                      "&File/P&rint Setup...=57606", "&File/Recent File=57616",
                                      "&File/&Quit\tCtrl+Q=57665", "&View/Status &Bar=59393",
                                      "&Help/&Help Topics\tF1=57670", "&Help/&About 'Zelkora'...=57664"};
        QCOMPARE(MenuBarItems(viewer.Frame()), expected);
        QVERIFY(!viewer.Frame().Action(command::FileSave)->isEnabled());
        QVERIFY(viewer.Frame().Action(command::FileOpen)->isEnabled());
    }

    void UnservedCommandsAreDisabled() {
        RunningViewer viewer;
        for (const int id : {command::NextPane, command::SpaceKey})
            QVERIFY2(!viewer.Frame().Action(id)->isEnabled(), qPrintable(QString::number(id)));
    }

    void KeysRunTheirCommandsAndInertKeysDoNothing() {
        RunningViewer viewer;
        viewer.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&viewer.Frame()));
        QTest::keyClick(&viewer.Frame(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(viewer.Windows().size(), 2);
        QTest::keyClick(&viewer.Frame(), Qt::Key_W, Qt::ControlModifier);
        QTest::keyClick(viewer.Active()->View(), Qt::Key_W, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QCOMPARE(viewer.Windows().size(), 2);
        for (const QKeyCombination key : {Qt::Key_F6 | Qt::NoModifier, Qt::Key_C | Qt::ControlModifier,
                                           Qt::Key_V | Qt::ControlModifier, Qt::Key_Z | Qt::ControlModifier,
                                           Qt::Key_Space | Qt::NoModifier})
            QTest::keyClick(&viewer.Frame(), key.key(), key.keyboardModifiers());
        QCOMPARE(viewer.Windows().size(), 2);
        QVERIFY(viewer.messages.empty());
        viewer.answer = kiva::MessageAnswer::No;
        QTest::keyClick(&viewer.Frame(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(viewer.messages.size(), std::size_t{1});
    }

    // The menu items of the display commands follow the active view's rules.
    void DisplayMenuFollowsTheActiveViewInEveryState() {
        RunningViewer viewer;
        WriteBytes(viewer.File("salt.mol"), SaltDocumentBytes());
        QVERIFY(viewer.Frame().OpenDocumentFile(viewer.File("salt.mol")));
        CMainFrame& frame = viewer.Frame();
        for (const int state : {command::CrystalSolid, command::ChemicalUnit, command::Liquid, command::Gas}) {
            viewer.Run(state);
            const bool navigation = state == command::CrystalSolid || state == command::ChemicalUnit;
            QVERIFY(frame.Action(state)->isChecked());
            QCOMPARE(frame.Action(command::Reset)->isEnabled(), navigation);
            QVERIFY(frame.Action(command::Axes)->isEnabled());
            QVERIFY(frame.Action(command::SpaceFilling)->isEnabled());
            for (QAction* button : viewer.Active()->View()->Buttons())
                if (button->data().toInt() == command::CellFrame)
                    QCOMPARE(button->isEnabled(), state == command::CrystalSolid);
        }
        viewer.Run(command::SpaceFilling);
        QVERIFY(frame.Action(command::SpaceFilling)->isChecked());
        QVERIFY(!frame.Action(command::BallAndStick)->isChecked());
        viewer.Run(command::ViewStatusBar);
        QVERIFY(frame.statusBar()->isHidden());
        QVERIFY(!frame.Action(command::ViewStatusBar)->isChecked());
    }

    void ToolbarButtonsActOnTheirOwnViewWithTheirTooltips() {
        RunningViewer viewer;
        CKivaView* view = viewer.Active()->View();
        QStringList tooltips;
        for (QAction* button : view->Buttons()) tooltips << button->toolTip();
        QCOMPARE(tooltips.size(), 24);
        QCOMPARE(tooltips.first(), QStringLiteral("Reset"));
        QVERIFY(tooltips.contains(QStringLiteral("Heating and Cooling")));
        QVERIFY(tooltips.contains(QStringLiteral("Zoom In")));
        QVERIFY(tooltips.contains(QStringLiteral("Translate (Move)")));
        for (QAction* button : view->Buttons())
            if (button->data().toInt() == command::Axes) button->trigger();
        QVERIFY(view->Molecule().State().showAxes);
        QVERIFY(viewer.Frame().Action(command::Axes)->isChecked());
    }

    void SavedDocumentReopensWithTheSameRecordAndTheFilesTitle() {
        RunningViewer viewer;
        viewer.Active()->Document().compound = kiva::testing::SampleSalt();
        viewer.chosenFile = viewer.File("salt.mol");
        viewer.Run(command::FileSave);
        QCOMPARE(viewer.dialogs.size(), std::size_t{1});
        QVERIFY(viewer.dialogs.front().save);
        QCOMPARE(viewer.dialogs.front().proposedPath, QStringLiteral("Untitled-1.mol"));
        QCOMPARE(viewer.Active()->windowTitle(), QStringLiteral("salt.mol"));

        viewer.Run(command::FileOpen);
        QCOMPARE(viewer.Windows().size(), 2);
        QCOMPARE(viewer.Active()->windowTitle(), QStringLiteral("salt.mol"));
        QVERIFY(&viewer.Active()->Document() != &qobject_cast<CChildFrame*>(viewer.Windows().first())->Document());
        QCOMPARE(RecordBytes(viewer.Active()->Document().compound), RecordBytes(kiva::testing::SampleSalt()));
        QVERIFY(viewer.Frame().Action(command::FileRecent1)->isVisible());

        viewer.Run(command::FileSave);  // an existing file is written again without asking
        QCOMPARE(viewer.dialogs.size(), std::size_t{2});
        QVERIFY(viewer.messages.empty());
    }

    void DamagedDocumentsGiveOneMessageAndNoWindow() {
        const std::string whole = SaltDocumentBytes();
        const std::pair<const char*, std::string> files[] = {
            {"empty.mol", std::string()},
            {"truncated.mol", whole.substr(0, whole.size() / 2)},
            {"garbage.mol", std::string("\x00\x01\x00\x00" "Formula\0", 12) + std::string(400, '\xff')},
            {"missing.mol", "-"},
        };
        for (const auto& [name, bytes] : files) {
            RunningViewer viewer;
            viewer.chosenFile = viewer.File(QString::fromLatin1(name));
            if (bytes != "-") WriteBytes(viewer.chosenFile, bytes);
            viewer.Run(command::FileOpen);
            QCOMPARE(viewer.messages.size(), std::size_t{1});
            QVERIFY2(viewer.messages.front().text.contains(QString::fromLatin1(name)), name);
            QCOMPARE(viewer.Windows().size(), 1);
            QVERIFY(!viewer.Frame().Action(command::FileRecent1)->isVisible());
        }
    }

    // A .mol file that is no Kiva document used to open as an empty window, enter the recent
    // list, and be overwritten with an empty record by the next Save.
    void AForeignFileIsRefusedLeftUntouchedAndNotRemembered() {
        RunningViewer viewer;
        viewer.chosenFile = viewer.File("other.mol");
        const char otherTag[] = "\x00\x01\x00\x00NotOurs\0 and then some more bytes";
        const std::string bytes(otherTag, sizeof otherTag - 1);
        WriteBytes(viewer.chosenFile, bytes);
        viewer.Run(command::FileOpen);
        QCOMPARE(viewer.messages.size(), std::size_t{1});
        QVERIFY(viewer.messages.front().text.contains(QStringLiteral("other.mol")));
        QVERIFY(viewer.messages.front().text.contains(QStringLiteral("neither a Kiva document nor a readable MDL molfile")));
        QCOMPARE(viewer.Windows().size(), 1);
        QVERIFY(viewer.Frame().RecentFiles().Files().isEmpty());

        viewer.Run(command::FileSave);  // the untitled window, saved onto the foreign file's name
        QCOMPARE(viewer.messages.size(), std::size_t{2});
        QVERIFY(viewer.messages.back().text.startsWith(QStringLiteral("Cannot save")));
        QFile file(viewer.chosenFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), bytes);
    }

    void CrystalOfAMoleculeWithoutCrystalDataShowsTheFallbackMessage() {
        RunningViewer viewer;
        WriteBytes(viewer.File("molecule.mol"), SaltDocumentBytes(false));
        QVERIFY(viewer.Frame().OpenDocumentFile(viewer.File("molecule.mol")));
        viewer.Run(command::CrystalSolid);
        QCOMPARE(viewer.messages.size(), std::size_t{1});
        const kiva::MessageRequest& message = viewer.messages.front();
        QCOMPARE(message.text, QStringLiteral("No crystal structure.\nOnly single molecule available."));
        QCOMPARE(message.caption, QStringLiteral("Molecule"));
        QVERIFY(message.buttons == kiva::MessageButtons::Ok);
        QVERIFY(message.icon == kiva::MessageIcon::None);
        QVERIFY(viewer.Frame().Action(command::ChemicalUnit)->isChecked());
    }

    void AnimationAdvancesOnlyTheActiveView() {
        RunningViewer viewer;
        WriteBytes(viewer.File("salt.mol"), SaltDocumentBytes());
        QVERIFY(viewer.Frame().OpenDocumentFile(viewer.File("salt.mol")));
        viewer.Run(command::Liquid);
        CKivaView* first = viewer.Active()->View();
        const auto unprojected = std::vector<kiva::Vector3D>(PicturePositions(*first).size());
        QVERIFY(PicturePositions(*first) != unprojected);  // the first frame shows at once
        QVERIFY(viewer.Frame().OpenDocumentFile(viewer.File("salt.mol")));
        viewer.Run(command::Gas);
        CKivaView* second = viewer.Active()->View();
        QVERIFY(first != second);

        const auto firstBefore = PicturePositions(*first);
        auto secondBefore = PicturePositions(*second);
        QVERIFY(viewer.app.OnIdle());
        QCOMPARE(PicturePositions(*first), firstBefore);
        QVERIFY(PicturePositions(*second) != secondBefore);

        viewer.Frame().MdiArea()->setActiveSubWindow(viewer.Windows().at(1));
        secondBefore = PicturePositions(*second);
        QVERIFY(viewer.app.OnIdle());
        QVERIFY(PicturePositions(*first) != firstBefore);
        QCOMPARE(PicturePositions(*second), secondBefore);

        viewer.Run(command::ChemicalUnit);
        QVERIFY(!viewer.app.OnIdle());
    }

    void NewWindowShowsTheSameDocumentAndCloseClosesBoth() {
        RunningViewer viewer;
        CKivaDoc& document = viewer.Active()->Document();
        viewer.Run(command::WindowNew);
        QCOMPARE(viewer.Windows().size(), 2);
        QCOMPARE(&viewer.Active()->Document(), &document);
        QCOMPARE(viewer.Windows().at(0)->windowTitle(), QStringLiteral("Untitled-1:1"));
        QCOMPARE(viewer.Windows().at(1)->windowTitle(), QStringLiteral("Untitled-1:2"));
        viewer.Run(command::ChemicalUnit);  // views keep their own settings
        viewer.Run(command::Gas);
        QVERIFY(qobject_cast<CChildFrame*>(viewer.Windows().at(0))->View()->Molecule().State().displayState ==
                kiva::DisplayState::ChemicalUnit);
        viewer.Windows().at(1)->close();
        QTRY_COMPARE(viewer.Windows().size(), 1);
        QTRY_COMPARE(viewer.Windows().at(0)->windowTitle(), QStringLiteral("Untitled-1"));
        viewer.Run(command::WindowNew);
        viewer.Run(command::FileClose);
        QTRY_COMPARE(viewer.Windows().size(), 0);
        QTRY_COMPARE(viewer.Frame().Documents().DocumentCount(), std::size_t{0});
    }

    void DroppedFilesOpenAsDocuments() {
        RunningViewer viewer;
        WriteBytes(viewer.File("salt.mol"), SaltDocumentBytes());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(viewer.File("salt.mol"))});
        viewer.Frame().OpenDroppedFiles(data);
        QCOMPARE(viewer.Windows().size(), 2);
        QCOMPARE(viewer.Active()->windowTitle(), QStringLiteral("salt.mol"));
    }

    void CommandLineFilesOpenInsteadOfUntitled() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("salt.mol"));
        WriteBytes(path, SaltDocumentBytes());
        RunningViewer viewer({path, dir.filePath(QStringLiteral("absent.mol"))});
        QCOMPARE(viewer.Windows().size(), 1);
        QCOMPARE(viewer.Active()->windowTitle(), QStringLiteral("salt.mol"));
        QCOMPARE(viewer.messages.size(), std::size_t{1});
    }

    void RecentFilesPersistAndADeadEntryLeaves() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("salt.mol"));
        WriteBytes(path, SaltDocumentBytes());
        QString profile;
        {
            RunningViewer viewer({path});
            profile = viewer.File("kiva.ini");
            QCOMPARE(viewer.Frame().RecentFiles().Files(), QStringList{path});
            QVERIFY(QFile::copy(profile, dir.filePath(QStringLiteral("kiva.ini"))));
        }
        kiva::RecentFileList list(dir.filePath(QStringLiteral("kiva.ini")));
        QCOMPARE(list.Files(), QStringList{path});
        for (int i = 0; i < 6; ++i) list.Add(dir.filePath(QStringLiteral("f%1.mol").arg(i)));
        QCOMPARE(list.Files().size(), 4);
        QCOMPARE(list.Files().first(), dir.filePath(QStringLiteral("f5.mol")));
        QVERIFY(list.MenuText(0).startsWith(QStringLiteral("&1 ")));

        RunningViewer viewer;
        viewer.Frame().RecentFiles().Add(dir.filePath(QStringLiteral("gone.mol")));
        viewer.Frame().UpdateCommands();
        viewer.Run(command::FileRecent1);
        QCOMPARE(viewer.messages.size(), std::size_t{1});
        QVERIFY(viewer.Frame().RecentFiles().Files().isEmpty());
    }
};

QTEST_MAIN(MainFrame)
#include "main_frame_test.moc"
