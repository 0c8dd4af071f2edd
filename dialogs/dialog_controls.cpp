// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/dialog_controls.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/dialog_units.h"

namespace kiva {

void PlaceControl(QWidget* control, QRect rect, int id) {
    if (qobject_cast<QLabel*>(control)) rect.setWidth(std::max(rect.width(), control->sizeHint().width()));
    control->setGeometry(rect);
    if (id != 0) control->setObjectName(QString::number(id));
}

std::pair<QPushButton*, QPushButton*> AddOkCancel(QDialog& dialog, QRect ok, QRect cancel, std::function<void()> onOk) {
    auto* okButton = new QPushButton(QCoreApplication::translate("Dialog", "OK"), &dialog);
    PlaceControl(okButton, ok, 1);
    okButton->setDefault(true);
    QObject::connect(okButton, &QPushButton::clicked, &dialog, std::move(onOk));
    auto* cancelButton = new QPushButton(QCoreApplication::translate("Dialog", "Cancel"), &dialog);
    PlaceControl(cancelButton, cancel, 2);
    QObject::connect(cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
    return {okButton, cancelButton};
}

namespace {

constexpr int kTextGap = 2;  // pixels between a label's text and the control beside it

// How far a control's text reaches past the room it has, in pixels; 0 when it fits. `edge`
// becomes the x from which the controls to the right must move.
int TextWidth(const QLabel& label) { return label.fontMetrics().horizontalAdvance(QString(label.text()).remove(QLatin1Char('&'))); }

// Where the nearest control to the right of `control` on its line begins, less the gap; or the
// dialog's right edge.
int RoomTo(const QWidget& control, const QList<QWidget*>& siblings, int dialogWidth) {
    const QRect place = control.geometry();
    int limit = dialogWidth - kTextGap;
    for (const QWidget* other : siblings)
        if (other != &control && other->x() > place.x() && other->geometry().top() < place.bottom() &&
            other->geometry().bottom() > place.top() && !qobject_cast<const QGroupBox*>(other))
            limit = std::min(limit, other->x() - kTextGap);
    return limit;
}

int Overflow(const QWidget& control, const QList<QWidget*>& siblings, int dialogWidth, int& edge) {
    const QRect place = control.geometry();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->wordWrap()) return 0;
        const int limit = RoomTo(control, siblings, dialogWidth);
        edge = std::min(limit + kTextGap, place.right() + 1);
        return std::max(0, place.x() + TextWidth(*label) - limit);
    }
    if (!qobject_cast<const QAbstractButton*>(&control)) return 0;
    edge = place.right() + 1;
    return std::max(0, control.sizeHint().width() - place.width());
}

}  // namespace

void MakeRoomForTexts(QDialog& dialog) {
    const QList<QWidget*> controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    // Each pass settles at least one control; a dozen passes are more than any dialog needs.
    for (int pass = 0; pass < 12; ++pass) {
        bool moved = false;
        for (QWidget* control : controls) {
            int edge = 0;
            const int overflow = Overflow(*control, controls, dialog.width(), edge);
            if (overflow == 0) continue;
            for (QWidget* other : controls) {
                const QRect place = other->geometry();
                if (place.x() >= edge)
                    other->move(place.x() + overflow, place.y());
                else if (place.right() >= edge || other == control)
                    other->resize(place.width() + overflow, place.height());
            }
            dialog.setFixedSize(dialog.width() + overflow, dialog.height());
            moved = true;
        }
        if (!moved) break;
    }
    // A label grown to its text stops short of its neighbour, which then takes its own clicks.
    for (QWidget* control : controls)
        if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap())
            label->resize(std::max(TextWidth(*label), std::min(label->width(), RoomTo(*label, controls, dialog.width()) - label->x())),
                          label->height());
}

void MakeMultiColumn(QListWidget* list, const DialogUnits& units, int columnPixels) {
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setGridSize(QSize(units.Pixels(columnPixels), list->fontMetrics().height() + 2));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

}  // namespace kiva
