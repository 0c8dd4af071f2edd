// SPDX-License-Identifier: GPL-2.0-or-later
// The Export Picture dialog driven as a user drives it.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogs/export_picture_dialog.h"

namespace kiva {
namespace {

// A click on the button's round indicator, where the style takes it.
void ClickRadio(QRadioButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

void Retype(QSpinBox* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    box->interpretText();
}

TEST(ExportPictureDialog, OpensOnTheViewsSizeOnBlackWithTheOtherSizeWaiting) {
    const CExportPictureDlg dialog({1280, 720});
    const PictureExportChoice choice = dialog.choice();
    EXPECT_TRUE(choice.viewSize);
    EXPECT_FALSE(choice.whiteBackground);
    EXPECT_FALSE(choice.pictureFrame);
    EXPECT_TRUE(CExportPictureDlg({340, 340}, nullptr, true).choice().pictureFrame);  // as it was last chosen
    EXPECT_EQ(choice.width, 1280);
    EXPECT_EQ(choice.height, 720);
    EXPECT_FALSE(dialog.widthBox()->isEnabled());
    EXPECT_TRUE(dialog.viewSizeButton()->text().contains(QStringLiteral("1280 \u00d7 720")));
}

TEST(ExportPictureDialog, AnotherSizeIsTypedAndHeldWithinThePictureLimits) {
    CExportPictureDlg dialog({340, 340});
    dialog.show();
    ClickRadio(dialog.otherSizeButton());
    ASSERT_TRUE(dialog.widthBox()->isEnabled());
    Retype(dialog.widthBox(), QStringLiteral("3000"));
    Retype(dialog.heightBox(), QStringLiteral("2000"));
    ClickRadio(dialog.whiteButton());
    dialog.frameBox()->click();
    PictureExportChoice choice = dialog.choice();
    EXPECT_TRUE(choice.pictureFrame);
    EXPECT_FALSE(choice.viewSize);
    EXPECT_EQ(choice.width, 3000);
    EXPECT_EQ(choice.height, 2000);
    EXPECT_TRUE(choice.whiteBackground);
    EXPECT_TRUE(dialog.otherSizeButton()->isChecked());  // the background buttons are a choice apart

    Retype(dialog.widthBox(), QStringLiteral("90000"));
    Retype(dialog.heightBox(), QStringLiteral("12"));
    choice = dialog.choice();
    EXPECT_LE(choice.width, kMaxPictureSide);
    EXPECT_GE(choice.height, kMinPictureSide);
}

}  // namespace
}  // namespace kiva
