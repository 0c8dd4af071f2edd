// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/dialog_controls.h"

#include <QCoreApplication>
#include <QDialog>
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

void MakeMultiColumn(QListWidget* list, const DialogUnits& units, int columnPixels) {
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setGridSize(QSize(units.Pixels(columnPixels), list->fontMetrics().height() + 2));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

}  // namespace kiva
