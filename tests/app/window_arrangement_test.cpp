// SPDX-License-Identifier: GPL-2.0-or-later
// Window > Cascade and Window > Tile: the document windows stay usable.
#include <QtTest>

#include "tests/app/app_test_support.h"
#include "view/commands.h"

using kiva::testing::RunningViewer;
namespace command = kiva::command;

namespace {

void OpenWindows(RunningViewer& viewer, int count) {
    while (viewer.Windows().size() < count) viewer.Run(command::FileNew);
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
};

QTEST_MAIN(WindowArrangement)
#include "window_arrangement_test.moc"
