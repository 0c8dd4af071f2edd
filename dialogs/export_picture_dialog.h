// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Export Picture": the size and the background of the picture to write as a PNG file.
#include <QDialog>

#include "dialogs/export_picture_model.h"

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace kiva {

class CExportPictureDlg final : public QDialog {
public:
    // Opens on the view's size, with its width and height proposed for another size, and the
    // picture frame as it was last chosen.
    explicit CExportPictureDlg(PictureArea viewArea, QWidget* parent = nullptr, bool pictureFrame = false);

    PictureExportChoice choice() const;
    // The controls, for tests that answer the dialog as a user would.
    QRadioButton* viewSizeButton() const { return viewSize_; }
    QRadioButton* otherSizeButton() const { return otherSize_; }
    QSpinBox* widthBox() const { return width_; }
    QSpinBox* heightBox() const { return height_; }
    QRadioButton* whiteButton() const { return white_; }
    QCheckBox* frameBox() const { return frame_; }

private:
    QRadioButton* viewSize_ = nullptr;
    QRadioButton* otherSize_ = nullptr;
    QSpinBox* width_ = nullptr;
    QSpinBox* height_ = nullptr;
    QRadioButton* black_ = nullptr;
    QRadioButton* white_ = nullptr;
    QCheckBox* frame_ = nullptr;
};

}  // namespace kiva
