// SPDX-License-Identifier: GPL-2.0-or-later
// The mouse over the picture: the left button drags and picks, the wheel zooms, and the read-out
// tooltip follows the pointer. Window points become picture points here, and back.
#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>
#include <optional>

#include "view/commands.h"
#include "chem/fixed_text.h"
#include "platform/translations.h"
#include "view/kiva_view.h"
#include "view/picture_description.h"

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

bool CKivaView::PictureKey(QKeyEvent* event) {
    using Key = kiva::MoleculeView::Key;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool fine = modifiers & Qt::ShiftModifier;
    const bool move = modifiers & Qt::ControlModifier;
    std::optional<Key> key;
    switch (event->key()) {
    case Qt::Key_Left: key = Key::Left; break;
    case Qt::Key_Right: key = Key::Right; break;
    case Qt::Key_Up: key = Key::Up; break;
    case Qt::Key_Down: key = Key::Down; break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: key = Key::ZoomIn; break;
    case Qt::Key_Minus: key = Key::ZoomOut; break;
    case Qt::Key_R: key = modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier ? std::optional(Key::Rock) : std::nullopt; break;
    case Qt::Key_Home: key = Key::Home; break;
    default: break;
    }
    if (!key || !molecule_.KeyPress(*key, fine, move)) return false;
    UpdateToolBars();
    event->accept();
    return true;
}

// "NaCl, crystal, 2 × 2 × 2 cells, 64 atoms, space-filling", in the user's language.
void CKivaView::DescribePicture() {
    kiva::DescriptionWords words;
    for (std::string* word : {&words.chemicalUnit, &words.crystal, &words.liquid, &words.gas, &words.heating, &words.cells,
                              &words.atoms, &words.oneAtom, &words.ballAndStick, &words.spaceFilling, &words.polyhedra,
                              &words.plane, &words.empty})
        *word = kiva::TranslatedText("PictureDescription", *word).toStdString();
    words.decimalPoint = kiva::LocalDecimalPoint();
    const QString description = QString::fromStdString(
        kiva::PictureDescription(molecule_.HoldsStructure() ? std::string(kiva::TextOf(molecule_.Compound().name)) : std::string(),
                                 molecule_.State(), words));
    if (description == accessibleDescription()) return;
    setAccessibleDescription(description);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
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
