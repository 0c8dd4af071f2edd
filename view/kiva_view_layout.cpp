// SPDX-License-Identifier: GPL-2.0-or-later
// Where the picture lies in the view and how many device pixels it has: the fixed 340 square,
// fitted to the window, or alone on the whole screen.
#include <QApplication>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScreen>

#include "view/kiva_view.h"

#include "view/heating_panel.h"

namespace {

constexpr int kPicture = kiva::kPictureSize;
constexpr int kBarThickness = CKivaView::kViewSize - kPicture;

}  // namespace

QSize CKivaView::FixedViewSize() const {
    return {kViewSize + (!heatingPanel_->isHidden() ? CHeatingPanel::kWidth : 0), kViewSize};
}

QRect CKivaView::PictureRect() const {
    if (fullScreen_) return rect();
    if (!fitWindow_) return QRect(0, 0, kPicture, kPicture);
    const int panel = !heatingPanel_->isHidden() ? CHeatingPanel::kWidth : 0;
    return QRect(0, 0, std::max(width() - kBarThickness - panel, kiva::kMinPictureSide),
                 std::max(height() - kBarThickness, kiva::kMinPictureSide));
}

// The only place the screen's pixel ratio is read: the picture is rendered in device pixels.
kiva::PictureArea CKivaView::DevicePictureArea() const {
    const QRect picture = PictureRect();
    const qreal ratio = devicePixelRatioF();
    return kiva::BoundedPictureArea(static_cast<int>(std::lround(picture.width() * ratio)),
                                    static_cast<int>(std::lround(picture.height() * ratio)));
}

double CKivaView::DevicePixelsPerPoint() const {
    return static_cast<double>(molecule_.Area().width) / PictureRect().width();
}

void CKivaView::SetFitWindow(bool fit) {
    if (fit == fitWindow_) return;
    fitWindow_ = fit;
    LayOutPicture();
    update();
}

void CKivaView::LayOutPicture() {
    const QRect picture = PictureRect();
    navigationToolBar_->setGeometry(0, picture.height(), picture.width(), kBarThickness);
    structureToolBar_->setGeometry(picture.width(), 0, kBarThickness, picture.height() + kBarThickness);
    heatingPanel_->setGeometry(picture.width() + kBarThickness, 0, CHeatingPanel::kWidth, picture.height() + kBarThickness);
    molecule_.SetPictureArea(DevicePictureArea());
}

void CKivaView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitWindow_ || fullScreen_) LayOutPicture();
}

// The view leaves its frame for a window of its own on the whole screen, and comes back to it.
void CKivaView::SetFullScreen(bool on) {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    HideTip();
    navigationToolBar_->setVisible(!on);
    structureToolBar_->setVisible(!on);
    heatingPanel_->setVisible(!on && molecule_.Heating() && molecule_.State().displayState == kiva::DisplayState::Heating);
    if (on) {
        const QSize screen = this->screen() ? this->screen()->geometry().size() : size();
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setGeometry(this->screen() ? this->screen()->geometry() : geometry());
        resize(screen);
        showFullScreen();
        activateWindow();
        setFocus();
    } else {
        setWindowFlags(Qt::Widget);
        if (parentWidget()) {
            resize(parentWidget()->contentsRect().size());
            QResizeEvent resized(parentWidget()->size(), parentWidget()->size());
            QApplication::sendEvent(parentWidget(), &resized);  // the frame places its widget again
        }
        show();
        window()->activateWindow();
    }
    LayOutPicture();
    update();
    emit commandRan();
}

void CKivaView::keyPressEvent(QKeyEvent* event) {
    if (fullScreen_ && (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F11)) {
        SetFullScreen(false);
        return;
    }
    if (PictureKey(event)) return;
    QWidget::keyPressEvent(event);
}
