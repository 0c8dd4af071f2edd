// SPDX-License-Identifier: GPL-2.0-or-later
// The view's window under a real mouse: a drag turns the picture, and a distance picked by two
// clicks shows in the tooltip where the pointer lands.
#include <QClipboard>
#include <QTemporaryDir>
#include <QToolTip>
#include <QWindow>
#include <QtTest>

#include "chem/shared_data.h"
#include "tests/support/catalogue_record.h"
#include "view/commands.h"
#include "view/exported_frame.h"
#include "view/kiva_view.h"
#include "view/mouse_modes.h"

namespace {

QPoint WindowPointOf(const kiva::SceneAtom& atom) {
    const kiva::PicturePoint window = kiva::ToWindowPoint(kiva::ScreenPoint(atom.picture));
    return {window.x, window.y};
}

QImage Picture(CKivaView& view) { return view.grab(QRect(0, 0, kiva::kPictureSize, kiva::kPictureSize)).toImage(); }

}  // namespace

class KivaViewMouse : public QObject {
    Q_OBJECT

    kiva::CompoundRecord salt;

private slots:
    void initTestCase() {
        kiva::TheSharedData().elementTable = kiva::MakeDefaultElementTable();
        salt = kiva::testing::CatalogueRecord("NaCl");
    }

    void ADragTurnsThePicture() {
        CKivaView view(salt);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.OnUpdate();
        const QImage before = Picture(view);
        QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(140, 170));
        QTest::mouseMove(&view, QPoint(170, 180));
        QTest::mouseMove(&view, QPoint(210, 200));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(210, 200));
        QVERIFY(!view.Molecule().HoldsMouse());
        QVERIFY(Picture(view) != before);

        // The wheel zooms as the buttons do.
        const float pixel = view.Molecule().State().viewTransform.m[3][3];
        QWheelEvent wheel(QPointF(170, 170), view.mapToGlobal(QPointF(170, 170)), {}, QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
        QCOMPARE(view.Molecule().State().viewTransform.m[3][3], pixel / kiva::kZoomInFactor);
    }

    void CopyLeavesThePictureFrameOutUnlessTheExportsKeepIt() {
        CKivaView view(salt);
        view.OnUpdate();
        QVERIFY(view.RunCommand(kiva::command::EditCopy));
        QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(kiva::kPictureSize, kiva::kPictureSize));
        QCOMPARE(copied.pixel(0, 0), qRgb(0, 0, 0));
        QTemporaryDir profile;
        kiva::SetProfilePath(profile.filePath("kiva.ini"));
        kiva::SetExportedPicturesFramed(true);
        QVERIFY(view.RunCommand(kiva::command::EditCopy));
        copied = QGuiApplication::clipboard()->image();
        kiva::SetProfilePath(QString());
        QCOMPARE(copied.pixel(0, 0), qRgb(0, 255, 0));
    }

    void TwoClicksShowTheDistanceWhereThePointerLands() {
        CKivaView view(salt);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.OnUpdate();
        QVERIFY(view.RunCommand(kiva::command::Distance));
        const auto& atoms = view.Molecule().State().atoms;
        QCOMPARE(atoms.size(), std::size_t{2});  // Na+ and Cl-, 2.82 angstrom apart
        const QPoint sodium = WindowPointOf(atoms[0]), chloride = WindowPointOf(atoms[1]);

        QTest::mouseClick(&view, Qt::LeftButton, {}, sodium);
        QTest::mouseClick(&view, Qt::LeftButton, {}, chloride);

        const QString distance = QString::fromUtf8("Distance=2.82 \u00C5");
        QCOMPARE(QString::fromStdString(view.Molecule().TipText()), distance);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), distance);
        // The tip may cover the next atom to pick; the click on it reaches the picture.
        bool tipPassesInput = false;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel") && top->isVisible())
                tipPassesInput = top->windowHandle()->flags().testFlag(Qt::WindowTransparentForInput);
        QVERIFY(tipPassesInput);
        // The middle of the two atoms, halved in picture coordinates whose y grows upwards.
        const kiva::PicturePoint a = kiva::ScreenPoint(atoms[0].picture), b = kiva::ScreenPoint(atoms[1].picture);
        const kiva::PicturePoint middle = kiva::ToWindowPoint({(a.x + b.x) / 2, (a.y + b.y) / 2});
        QCOMPARE(QCursor::pos(), view.mapToGlobal(QPoint(middle.x, middle.y)));

        // Resting on an atom away from the bond's middle still shows the measured distance first.
        QTest::mouseMove(&view, sodium);
        QCOMPARE(QToolTip::text(), distance);
        view.RunCommand(kiva::command::Distance);
        QTest::mouseMove(&view, sodium + QPoint(1, 0));
        QTRY_COMPARE(QToolTip::text().left(6), QStringLiteral("Na+ 1 "));
    }
};

QTEST_MAIN(KivaViewMouse)
#include "kiva_view_mouse_test.moc"
