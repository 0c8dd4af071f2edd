// SPDX-License-Identifier: GPL-2.0-or-later
// The mouse over the picture: the left button drags and picks, the wheel zooms, and the read-out
// tooltip follows the pointer. Window points become picture points here, and back.
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>

#include "view/commands.h"
#include "view/kiva_view.h"

namespace {

constexpr int kWheelNotch = 120;  // eighths of a degree

}  // namespace

// The pointer in device pixels of the picture, then in picture units.
kiva::PicturePoint CKivaView::PicturePointOf(const QMouseEvent* event) const {
    const QPointF position = event->position();
    const double ratio = DevicePixelsPerPoint();
    return kiva::FromDevicePoint(molecule_.Map(), {std::floor(position.x() * ratio), std::floor(position.y() * ratio)});
}

QPoint CKivaView::WindowPointOf(kiva::PicturePoint p) const {
    const double ratio = DevicePixelsPerPoint();
    const kiva::DevicePoint device = kiva::ToDevicePoint(molecule_.Map(), p);
    return QPoint(static_cast<int>(device.x / ratio), static_cast<int>(device.y / ratio));
}

void CKivaView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    molecule_.MousePress(PicturePointOf(event));
}

void CKivaView::mouseMoveEvent(QMouseEvent* event) {
    // A grab lost to a popup or another window ends the drag without a release.
    if (!(event->buttons() & Qt::LeftButton)) molecule_.LoseMouse();
    molecule_.MouseMove(PicturePointOf(event));
}

void CKivaView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    molecule_.MouseRelease(PicturePointOf(event));
}

void CKivaView::wheelEvent(QWheelEvent* event) {
    wheelTurn_ += event->angleDelta().y();
    for (; wheelTurn_ >= kWheelNotch; wheelTurn_ -= kWheelNotch) RunCommand(kiva::command::ZoomIn);
    for (; wheelTurn_ <= -kWheelNotch; wheelTurn_ += kWheelNotch) RunCommand(kiva::command::ZoomOut);
    event->accept();
}

void CKivaView::leaveEvent(QEvent* event) {
    HideTip();
    QWidget::leaveEvent(event);
}

bool CKivaView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter && (watched == navigationToolBar_ || watched == structureToolBar_)) HideTip();
    return QWidget::eventFilter(watched, event);
}

void CKivaView::SetTipText(const std::string& text) { tipText_ = QString::fromStdString(text); }

// The tip stays while the pointer is over the picture; Qt leaves a tip with an unchanged text
// where it stands.
void CKivaView::ShowTip(kiva::PicturePoint at) {
    QToolTip::showText(mapToGlobal(WindowPointOf(at)), tipText_, this, PictureRect());
    // The tip stands just below the pointer, often over the next atom to pick: clicks and moves
    // pass through it to the picture.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->windowHandle())
            top->windowHandle()->setFlag(Qt::WindowTransparentForInput, true);
}

void CKivaView::HideTip() { QToolTip::hideText(); }

void CKivaView::MovePointer(kiva::PicturePoint to) { QCursor::setPos(mapToGlobal(WindowPointOf(to))); }
