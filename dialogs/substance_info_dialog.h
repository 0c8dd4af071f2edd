// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Substance Information": the facts of the shown substance beside its picture, read only.
#include <QDialog>

#include "io/substance_facts.h"

namespace kiva {

class CSubstanceInfoDlg final : public QDialog {
public:
    explicit CSubstanceInfoDlg(const SubstanceFacts& facts, QWidget* parent = nullptr);
};

}  // namespace kiva
