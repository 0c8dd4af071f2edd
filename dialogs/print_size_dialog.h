// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Print Size": the printed picture's size as a percentage, chosen from a fixed list.
#include <QDialog>

class QComboBox;

namespace kiva {

class CPrintSizeDlg final : public QDialog {
public:
    // Opens on the first item that begins with `printSize`, or on none.
    explicit CPrintSizeDlg(const QString& printSize, QWidget* parent = nullptr);

    // The chosen item's text; empty when none is chosen.
    QString printSize() const;

private:
    QComboBox* sizes_ = nullptr;
};

}  // namespace kiva
