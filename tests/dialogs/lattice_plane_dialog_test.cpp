// SPDX-License-Identifier: GPL-2.0-or-later
// The lattice plane dialog as a student uses it: indices chosen, the spacing read as they change,
// the plane shown, taken away, or faced.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "dialogs/lattice_plane_dialog.h"
#include "render/scene_build.h"

namespace kiva {
namespace {

const std::array<Vector3D, 3> kSalt = CellAxes(UnitCell{5.64f, 5.64f, 5.64f, 90, 90, 90});

QSpinBox* Index(QDialog& dialog, int i) { return dialog.findChild<QSpinBox*>(QStringLiteral("hkl%1").arg(i)); }

QPushButton* Button(QDialog& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text().remove(QLatin1Char('&')) == text) return button;
    return nullptr;
}

TEST(CLatticePlaneDlg, ShowsTheSpacingAsTheIndicesChangeAndRefusesThreeZeros) {
    CLatticePlaneDlg dialog(std::nullopt, kSalt);
    auto* spacing = dialog.findChild<QLabel*>(QStringLiteral("spacing"));
    ASSERT_TRUE(spacing && Index(dialog, 2));
    EXPECT_EQ(spacing->text().toStdString(), "d = 3.256 \u00c5");  // 5.64 / sqrt(3), opened on (111)
    Index(dialog, 0)->setValue(2);
    Index(dialog, 1)->setValue(0);
    Index(dialog, 2)->setValue(0);
    EXPECT_EQ(spacing->text().toStdString(), "d = 2.820 \u00c5");
    Index(dialog, 0)->setValue(0);
    QPushButton* ok = Button(dialog, QStringLiteral("OK"));
    ASSERT_TRUE(ok);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(dialog.plane().has_value());
    Index(dialog, 2)->setValue(-7);  // beyond the range: held at -6
    EXPECT_EQ(Index(dialog, 2)->value(), -6);
}

TEST(CLatticePlaneDlg, OpensOnTheShownPlaneAndCanTakeItAwayOrFaceIt) {
    CLatticePlaneDlg shown(LatticePlane{{1, -1, 0}, 0.5}, kSalt);
    ASSERT_TRUE(shown.plane().has_value());
    EXPECT_EQ(*shown.plane(), (LatticePlane{{1, -1, 0}, 0.5}));
    shown.findChild<QCheckBox*>()->setChecked(false);
    EXPECT_FALSE(shown.plane().has_value());

    CLatticePlaneDlg facing(std::nullopt, kSalt);
    QPushButton* face = Button(facing, QStringLiteral("Face the Plane"));
    ASSERT_TRUE(face);
    face->click();
    EXPECT_TRUE(facing.facePlane());
    EXPECT_EQ(facing.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace kiva
