// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/unit_cell_multiples_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_units.h"
#include "dialogs/unit_cell_multiples_model.h"
#include "platform/message_box.h"
#include "render/view_state.h"

namespace kiva {

CUnitCellMultiplesDlg::CUnitCellMultiplesDlg(std::array<int, 3> multiples, QWidget* parent)
    : QDialog(parent), multiples_(multiples) {
    const DialogUnits units(*this);
    setWindowTitle(QCoreApplication::translate("UnitCellMultiplesDialog", "Multiples of Unit Cell"));
    setFixedSize(units.X(180), units.Y(63));

    const auto [ok, cancel] = AddOkCancel(*this, units.Rect(123, 7, 50, 14), units.Rect(123, 24, 50, 14), [this] { Ok(); });

    const char* axisNames[] = {"X", "Y", "Z"};
    for (int axis = 0; axis < 3; ++axis) {
        const int y = 8 + 16 * axis;
        PlaceControl(new QLabel(QCoreApplication::translate("UnitCellMultiplesDialog", "Along axis %1:").arg(QLatin1String(axisNames[axis])), this),
                     units.Rect(8, y + 2, 44, 8), 0);
        auto* edit = new QLineEdit(QString::number(multiples_[axis]), this);
        PlaceControl(edit, units.Rect(52, y, 36, 12), 1012 + axis);
        PlaceControl(new QLabel(QCoreApplication::translate("UnitCellMultiplesDialog", "cell(s)"), this), units.Rect(90, y + 2, 24, 8), 0);
        edits_[axis] = edit;
    }
    setTabOrder(edits_[0], edits_[1]);
    setTabOrder(edits_[1], edits_[2]);
    setTabOrder(edits_[2], ok);
    setTabOrder(ok, cancel);
    edits_[0]->setFocus();
    edits_[0]->selectAll();
    MakeRoomForTexts(*this);
}

void CUnitCellMultiplesDlg::Ok() {
    std::array<std::string, 3> texts;
    for (int axis = 0; axis < 3; ++axis) texts[axis] = edits_[axis]->text().toStdString();
    const auto refused = ReadCellMultiples(texts, multiples_);
    if (!refused) {
        accept();
        return;
    }
    const QString message =
        refused->outOfRange
            ? QCoreApplication::translate("UnitCellMultiplesDialog", "Please enter an integer between 1 and %1.").arg(kMaxCellMultiple)
            : QCoreApplication::translate("UnitCellMultiplesDialog", "Please enter a positive integer.");
    ShowMessageBox({this, QApplication::applicationName(), message, MessageButtons::Ok, MessageIcon::Warning});
    QLineEdit* edit = edits_[refused->axis];
    edit->setFocus();
    edit->selectAll();
}

}  // namespace kiva
