// SPDX-License-Identifier: GPL-2.0-or-later
// The view's window under a real mouse: a drag turns the picture, and a distance picked by two
// clicks shows in the tooltip where the pointer lands.
#include <QAccessible>
#include <QClipboard>
#include <QPushButton>
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

    // The keyboard alone: Tab reaches the picture, an arrow turns it, Home brings it back, and a
    // screen reader learns what it shows and when that changes.
    void TheKeyboardTurnsTheFocusedPictureAndItsDescriptionFollows() {
        QWidget window;
        auto* before = new QPushButton(QStringLiteral("before"), &window);
        auto* view = new CKivaView(salt, &window);
        view->move(0, 40);
        window.resize(420, 440);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        view->OnUpdate();
        QVERIFY(view->RunCommand(kiva::command::CrystalSolid));
        before->setFocus();
        QTest::keyClick(&window, Qt::Key_Tab);
        QVERIFY(view->hasFocus());
        const kiva::Matrix4 start = view->Molecule().State().viewTransform;
        QTest::keyClick(view, Qt::Key_Right);
        QVERIFY(!(view->Molecule().State().viewTransform == start));
        QTest::keyClick(view, Qt::Key_Home);
        QVERIFY(view->Molecule().State().viewTransform == start);

        QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(view);
        QVERIFY(picture);
        QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Picture"));
        QString description = picture->text(QAccessible::Description);
        QVERIFY2(description.startsWith(QStringLiteral("NaCl, crystal, 1 \u00d7 1 \u00d7 1 cells, ")), qPrintable(description));
        QVERIFY2(description.endsWith(QStringLiteral(" atoms, ball-and-stick")), qPrintable(description));
        view->Molecule().RunCommand(kiva::command::SpaceFilling);
        QVERIFY(view->RunCommand(kiva::command::ChemicalUnit));
        description = picture->text(QAccessible::Description);
        QVERIFY2(description == QStringLiteral("NaCl, chemical unit, 2 atoms, space-filling"), qPrintable(description));
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
