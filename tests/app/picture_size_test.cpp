// SPDX-License-Identifier: GPL-2.0-or-later
// The picture at any size, driven through the main window: Fit Window, Full Screen, Copy Picture
// and Export Picture.
#include <QClipboard>
#include <QImage>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QtTest>

#include "app/child_frame.h"
#include "dialogs/export_picture_dialog.h"
#include "tests/app/app_test_support.h"
#include "view/commands.h"
#include "view/kiva_view.h"

using kiva::testing::ChooseSubstance;
using kiva::testing::RunningViewer;
using kiva::testing::WhenDialogOpens;
namespace command = kiva::command;

namespace {

constexpr int kBarThickness = CKivaView::kViewSize - kiva::kPictureSize;

CKivaView& ActiveView(const RunningViewer& viewer) { return *viewer.Active()->View(); }

// The picture's size in device pixels as the view's window would give it.
kiva::PictureArea DevicePixels(const CKivaView& view, QSize points) {
    const qreal ratio = view.devicePixelRatioF();
    return {static_cast<int>(std::lround(points.width() * ratio)), static_cast<int>(std::lround(points.height() * ratio))};
}

}  // namespace

class PictureSize : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        kiva::testing::PrepareViewerTests();
        QVERIFY(kiva::testing::UseBuiltCatalogue(KIVA_CATALOGUE_DIR));
    }

    void FitWindowPictureFollowsTheWindowAndIsKeptFromRunToRun() {
        QTemporaryDir profileDir;
        const QString profile = profileDir.filePath(QStringLiteral("kiva.ini"));
        {
            RunningViewer viewer({}, profile);
            viewer.Frame().resize(1200, 900);
            viewer.Frame().show();
            CKivaView& view = ActiveView(viewer);
            QCOMPARE(view.Molecule().Area(), DevicePixels(view, {340, 340}));
            viewer.Run(command::PictureFitWindow);
            QVERIFY(view.FitsWindow());
            QVERIFY(viewer.Frame().Action(command::PictureFitWindow)->isChecked());
            viewer.Active()->resize(520, 460);
            QCoreApplication::processEvents();
            const QSize picture = view.size() - QSize(kBarThickness, kBarThickness);
            QCOMPARE(view.PictureRect().size(), picture);
            QCOMPARE(view.Molecule().Area(), DevicePixels(view, picture));
            QVERIFY(picture.width() > 400);
            viewer.Active()->showMaximized();
            QTRY_VERIFY(view.Molecule().Area().width > DevicePixels(view, picture).width);
            QCOMPARE(view.Molecule().Area(), DevicePixels(view, view.size() - QSize(kBarThickness, kBarThickness)));
        }
        {
            RunningViewer again({}, profile);
            QVERIFY(again.Frame().Action(command::PictureFitWindow)->isChecked());
            QVERIFY(ActiveView(again).FitsWindow());
            again.Run(command::PictureFixed);
            QVERIFY(!ActiveView(again).FitsWindow());
            QCOMPARE(ActiveView(again).Molecule().Area(), DevicePixels(ActiveView(again), {340, 340}));
        }
        RunningViewer fixedAgain({}, profile);
        QVERIFY(!ActiveView(fixedAgain).FitsWindow());
    }

    void FullScreenFillsTheScreenAndEscapeOrF11Leaves() {
        RunningViewer viewer;
        viewer.Frame().show();
        ChooseSubstance(viewer, QStringLiteral("Benzene"));
        CKivaView& view = ActiveView(viewer);
        const QSize screen = view.screen()->geometry().size();
        for (const Qt::Key leave : {Qt::Key_Escape, Qt::Key_F11}) {
            viewer.Run(command::FullScreen);
            QVERIFY(view.IsFullScreen());
            QVERIFY(view.isWindow());
            QVERIFY(viewer.Frame().Action(command::FullScreen)->isChecked());
            QTRY_COMPARE(view.size(), screen);
            QCOMPARE(view.PictureRect(), QRect(QPoint(0, 0), screen));
            QCOMPARE(view.Molecule().Area(), DevicePixels(view, screen));
            QVERIFY(!view.NavigationToolBar()->isVisible());
            QTest::keyClick(&view, leave);
            QVERIFY(!view.IsFullScreen());
            QVERIFY(!view.isWindow());
            QCOMPARE(view.window(), static_cast<QWidget*>(&viewer.Frame()));
            QCOMPARE(view.Molecule().Area(), DevicePixels(view, {340, 340}));
            QVERIFY(view.NavigationToolBar()->isVisible());
            QVERIFY(!viewer.Frame().Action(command::FullScreen)->isChecked());
        }
    }

    void CopyPictureHoldsAnImageOfTheViewsPictureSize() {
        RunningViewer viewer;
        viewer.Frame().resize(1200, 900);
        viewer.Frame().show();
        ChooseSubstance(viewer, QStringLiteral("Benzene"));
        CKivaView& view = ActiveView(viewer);
        QGuiApplication::clipboard()->clear();
        viewer.Run(command::EditCopy);
        const QImage fixed = QGuiApplication::clipboard()->image();
        QCOMPARE(fixed.size(), QSize(view.Molecule().Area().width, view.Molecule().Area().height));
        viewer.Run(command::PictureFitWindow);
        viewer.Active()->resize(700, 500);
        QCoreApplication::processEvents();
        viewer.Run(command::EditCopy);
        const QImage fitted = QGuiApplication::clipboard()->image();
        const kiva::PictureArea area = view.Molecule().Area();
        QVERIFY(area.width > 340);
        QCOMPARE(fitted.size(), QSize(area.width, area.height));
        QVERIFY(fitted.pixelColor(fitted.width() / 2, fitted.height() / 2) != QColor(Qt::black) ||
                fitted.pixelColor(fitted.width() / 3, fitted.height() / 2) != QColor(Qt::black));
    }

    void ExportPictureWritesTheGivenSizeOnWhite() {
        RunningViewer viewer;
        ChooseSubstance(viewer, QStringLiteral("Benzene"));
        viewer.chosenFile = viewer.File(QStringLiteral("poster.png"));
        bool reached = false;
        WhenDialogOpens<kiva::CExportPictureDlg>(
            [](kiva::CExportPictureDlg& dialog) {
                dialog.otherSizeButton()->setChecked(true);
                dialog.widthBox()->setValue(3000);
                dialog.heightBox()->setValue(2000);
                dialog.whiteButton()->setChecked(true);
                dialog.accept();
            },
            &reached);
        viewer.Run(command::ExportPicture);
        QVERIFY(reached);
        QVERIFY(viewer.messages.empty());
        QCOMPARE(viewer.dialogs.size(), std::size_t{1});
        QCOMPARE(viewer.dialogs.front().defaultSuffix, QStringLiteral("png"));
        const QImage poster(viewer.chosenFile);
        QCOMPARE(poster.size(), QSize(3000, 2000));
        QCOMPARE(poster.pixelColor(1, 1), QColor(Qt::white));
    }

    void ExportPictureAtTheViewsSizeOrFailingWithOneMessageAndNoFile() {
        RunningViewer viewer;
        ChooseSubstance(viewer, QStringLiteral("Benzene"));
        viewer.chosenFile = viewer.File(QStringLiteral("no-such-folder/benzene.png"));
        WhenDialogOpens<kiva::CExportPictureDlg>([](kiva::CExportPictureDlg& dialog) { dialog.accept(); });
        viewer.Run(command::ExportPicture);
        QCOMPARE(viewer.messages.size(), std::size_t{1});
        QVERIFY(viewer.messages.front().text.contains(viewer.chosenFile));
        QVERIFY(!QFileInfo::exists(viewer.chosenFile));

        viewer.messages.clear();
        viewer.chosenFile = viewer.File(QStringLiteral("benzene.png"));
        WhenDialogOpens<kiva::CExportPictureDlg>([](kiva::CExportPictureDlg& dialog) { dialog.accept(); });
        viewer.Run(command::ExportPicture);
        QVERIFY(viewer.messages.empty());
        const kiva::PictureArea area = ActiveView(viewer).Molecule().Area();
        QCOMPARE(QImage(viewer.chosenFile).size(), QSize(area.width, area.height));
        QCOMPARE(QImage(viewer.chosenFile).pixelColor(1, 1), QColor(Qt::black));

        viewer.dialogs.clear();
        WhenDialogOpens<kiva::CExportPictureDlg>([](kiva::CExportPictureDlg& dialog) { dialog.reject(); });
        viewer.Run(command::ExportPicture);
        QVERIFY(viewer.dialogs.empty());  // cancelled before the file dialog
    }
};

QTEST_MAIN(PictureSize)
#include "picture_size_test.moc"
