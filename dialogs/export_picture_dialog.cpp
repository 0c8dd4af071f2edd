// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/export_picture_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>

namespace kiva {

CExportPictureDlg::CExportPictureDlg(PictureArea viewArea, QWidget* parent, bool pictureFrame) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("ExportPicture", "Export Picture"));
    auto* form = new QFormLayout(this);
    viewSize_ = new QRadioButton(QCoreApplication::translate("ExportPicture", "The &view's size, %1 \u00d7 %2 pixels").arg(viewArea.width).arg(viewArea.height), this);
    otherSize_ = new QRadioButton(QCoreApplication::translate("ExportPicture", "&Another size:"), this);
    viewSize_->setChecked(true);
    auto* sizes = new QButtonGroup(this);
    sizes->addButton(viewSize_);
    sizes->addButton(otherSize_);
    const auto side = [this](int value) {
        auto* box = new QSpinBox(this);
        box->setRange(kMinPictureSide, kMaxPictureSide);
        box->setValue(value);
        box->setSuffix(QCoreApplication::translate("ExportPicture", " pixels"));
        box->setEnabled(false);
        return box;
    };
    width_ = side(viewArea.width);
    height_ = side(viewArea.height);
    connect(otherSize_, &QRadioButton::toggled, width_, &QSpinBox::setEnabled);
    connect(otherSize_, &QRadioButton::toggled, height_, &QSpinBox::setEnabled);
    form->addRow(viewSize_);
    form->addRow(otherSize_);
    form->addRow(QCoreApplication::translate("ExportPicture", "&Width:"), width_);
    form->addRow(QCoreApplication::translate("ExportPicture", "&Height:"), height_);

    black_ = new QRadioButton(QCoreApplication::translate("ExportPicture", "&Black, as on screen"), this);
    white_ = new QRadioButton(QCoreApplication::translate("ExportPicture", "Wh&ite, as in print"), this);
    black_->setChecked(true);
    auto* backgrounds = new QButtonGroup(this);
    backgrounds->addButton(black_);
    backgrounds->addButton(white_);
    auto* backgroundRow = new QHBoxLayout;
    backgroundRow->addWidget(black_);
    backgroundRow->addWidget(white_);
    form->addRow(QCoreApplication::translate("ExportPicture", "Background:"), backgroundRow);
    frame_ = new QCheckBox(QCoreApplication::translate("ExportPicture", "Picture &frame, as in the window"), this);
    frame_->setChecked(pictureFrame);
    form->addRow(frame_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

PictureExportChoice CExportPictureDlg::choice() const {
    return {viewSize_->isChecked(), width_->value(), height_->value(), white_->isChecked(), frame_->isChecked()};
}

}  // namespace kiva
