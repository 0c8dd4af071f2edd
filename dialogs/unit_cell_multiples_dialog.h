// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Multiples of Unit Cell": how many unit cells the crystal repeats along x, y and z, 1 to 16 each.
#include <QDialog>
#include <array>

class QLineEdit;

namespace kiva {

class CUnitCellMultiplesDlg final : public QDialog {
public:
    // The edits start with `multiples`; after OK, multiples() holds the values read.
    explicit CUnitCellMultiplesDlg(std::array<int, 3> multiples, QWidget* parent = nullptr);

    std::array<int, 3> multiples() const { return multiples_; }

private:
    void Ok();

    std::array<int, 3> multiples_;
    std::array<QLineEdit*, 3> edits_{};
};

}  // namespace kiva
