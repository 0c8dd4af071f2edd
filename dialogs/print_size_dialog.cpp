// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/print_size_dialog.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_units.h"
#include "dialogs/print_size_model.h"

namespace kiva {

CPrintSizeDlg::CPrintSizeDlg(const QString& printSize, QWidget* parent) : QDialog(parent) {
    const DialogUnits units(*this);
    setWindowTitle(QCoreApplication::translate("PrintSizeDialog", "Print Size"));
    setFixedSize(units.X(157), units.Y(90));

    const auto [ok, cancel] = AddOkCancel(*this, units.Rect(100, 7, 50, 14), units.Rect(100, 24, 50, 14), [this] { accept(); });

    auto* label = new QLabel(QCoreApplication::translate("PrintSizeDialog", "&Select the print size:"), this);
    PlaceControl(label, units.Rect(8, 12, 64, 8), 0);
    sizes_ = new QComboBox(this);
    for (const std::string_view item : kPrintSizes)
        sizes_->addItem(QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size())));
    sizes_->setCurrentIndex(FindPrintSize(printSize.toStdString()));
    // The template's height is the open list's; closed, the box is as tall as the style makes it.
    QRect box = units.Rect(8, 28, 48, 106);
    box.setHeight(sizes_->sizeHint().height());
    PlaceControl(sizes_, box, 1143);
    label->setBuddy(sizes_);
    PlaceControl(new QLabel(QStringLiteral("%"), this), units.Rect(58, 31, 8, 8), 0);
    setTabOrder(sizes_, ok);
    setTabOrder(ok, cancel);
    sizes_->setFocus();
    MakeRoomForTexts(*this);
}

QString CPrintSizeDlg::printSize() const { return sizes_->currentIndex() < 0 ? QString() : sizes_->currentText(); }

}  // namespace kiva
