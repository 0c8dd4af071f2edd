// SPDX-License-Identifier: GPL-2.0-or-later
// Window > Cascade and Window > Tile: the document windows stay usable. The Window menu lists
// them, and a maximized one names its document once in the main title.
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "app/kiva_doc.h"

#include "tests/app/app_test_support.h"
#include "view/commands.h"

using kiva::testing::RunningViewer;
namespace command = kiva::command;

namespace {

void OpenWindows(RunningViewer& viewer, int count) {
    while (viewer.Windows().size() < count) viewer.Run(command::FileNew);
}

// The Window menu as it opens.
QMenu& WindowMenu(RunningViewer& viewer) {
    for (QAction* top : viewer.Frame().menuBar()->actions())
        if (top->menu() && top->menu()->actions().contains(viewer.Frame().Action(command::WindowNew))) {
            emit top->menu()->aboutToShow();
            return *top->menu();
        }
    qFatal("no Window menu");
}

// The items after the menu's last separator, a checked one marked with a '*'.
QStringList WindowList(RunningViewer& viewer) {
    QStringList items;
    for (QAction* item : WindowMenu(viewer).actions()) {
        if (item->isSeparator()) items.clear();
        else items << item->text() + (item->isChecked() ? QStringLiteral("*") : QString());
    }
    return items;
}

QAction* WindowItem(RunningViewer& viewer, const QString& text) {
    for (QAction* item : WindowMenu(viewer).actions())
        if (item->text() == text) return item;
    return nullptr;
}

}  // namespace

class WindowArrangement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kiva::testing::PrepareViewerTests(); }

    void CascadedWindowsKeepTheDocumentSizeAndShowEachTitle() {
        RunningViewer viewer;
        viewer.Frame().resize(1200, 900);
        OpenWindows(viewer, 6);
        viewer.Run(command::WindowCascade);
        const auto windows = viewer.Windows();
        for (int i = 0; i < windows.size(); ++i) {
            QCOMPARE(windows[i]->size(), CChildFrame::kFrameSize);
            if (i > 0) QVERIFY(windows[i]->y() > windows[i - 1]->y());  // each title bar shows below the last
        }
    }

    void TiledWindowsShareTheAreaWithoutOverlapUpToTheDocumentSize() {
        for (const int count : {6, 16}) {
            RunningViewer viewer;
            viewer.Frame().resize(1280, 900);
            OpenWindows(viewer, count);
            viewer.Run(command::WindowTile);
            const QRect area = viewer.Frame().MdiArea()->viewport()->rect();
            const int columns = static_cast<int>(std::ceil(std::sqrt(count)));
            const int rows = (count + columns - 1) / columns;
            const QSize share(std::min(area.width() / columns, CChildFrame::kFrameSize.width()),
                              std::min(area.height() / rows, CChildFrame::kFrameSize.height()));
            const auto windows = viewer.Windows();
            for (QMdiSubWindow* window : windows) {
                QVERIFY(area.contains(window->geometry()));
                QVERIFY2(window->width() >= share.width() - columns && window->height() >= share.height() - rows,
                         qPrintable(QStringLiteral("%1x%2 of %3x%4 in %5x%6").arg(window->width()).arg(window->height()).arg(share.width()).arg(share.height()).arg(area.width()).arg(area.height())));
                for (QMdiSubWindow* other : windows)
                    if (other != window) QVERIFY(!window->geometry().intersects(other->geometry()));
            }
        }
    }

    void TheWindowMenuListsTheWindowsNumberedAndActivatesTheOneChosen() {
        RunningViewer viewer;
        OpenWindows(viewer, 2);
        viewer.Run(command::WindowNew);  // a second window on Untitled-2
        QCOMPARE(WindowList(viewer), QStringList({"&1 Untitled-1", "&2 Untitled-2:1", "&3 Untitled-2:2*"}));
        WindowItem(viewer, QStringLiteral("&1 Untitled-1"))->trigger();
        QCOMPARE(viewer.Active()->windowTitle(), QStringLiteral("Untitled-1"));
        QCOMPARE(WindowList(viewer), QStringList({"&1 Untitled-1*", "&2 Untitled-2:1", "&3 Untitled-2:2"}));

        // A '&' in a name shows as itself; the tenth window has no key of its own.
        viewer.Active()->Document().SetTitle(QStringLiteral("Salt & Pepper"));
        OpenWindows(viewer, 10);
        const QStringList list = WindowList(viewer);
        QCOMPARE(list.size(), 10);
        QCOMPARE(list.first(), QStringLiteral("&1 Salt && Pepper"));
        QCOMPARE(list.last(), QStringLiteral("10 Untitled-9*"));
        viewer.Run(command::FileClose);
        QTRY_COMPARE(viewer.Windows().size(), 9);
        QCOMPARE(WindowList(viewer).size(), 9);
    }

    // Qt puts "- [the window's title]" after the main title while a window is maximized; the main
    // title names the document already.
    void AMaximizedWindowNamesItsDocumentOnceInTheMainTitle() {
        RunningViewer viewer;
        viewer.Frame().resize(1200, 900);
        viewer.Frame().show();
        viewer.Run(command::PictureFitWindow);
        viewer.Active()->Document().SetTitle(QStringLiteral("nacl.mol"));
        QCOMPARE(viewer.Frame().windowTitle(), QStringLiteral("Zelkora - nacl.mol"));
        viewer.Active()->showMaximized();
        QCoreApplication::processEvents();
        QVERIFY(viewer.Active()->isMaximized());
        QCOMPARE(viewer.Frame().windowTitle(), QStringLiteral("Zelkora - nacl.mol"));
        viewer.Frame().UpdateCommands();  // as every idle pass does
        QCOMPARE(viewer.Frame().windowTitle(), QStringLiteral("Zelkora - nacl.mol"));
        viewer.Active()->Document().SetTitle(QStringLiteral("NaCl - (Ionic)"));
        QCOMPARE(viewer.Frame().windowTitle(), QStringLiteral("Zelkora - NaCl - (Ionic)"));
        viewer.Active()->showNormal();
        QCoreApplication::processEvents();
        QCOMPARE(viewer.Frame().windowTitle(), QStringLiteral("Zelkora - NaCl - (Ionic)"));
    }
};

QTEST_MAIN(WindowArrangement)
#include "window_arrangement_test.moc"
