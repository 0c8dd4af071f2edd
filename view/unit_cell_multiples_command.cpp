// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/unit_cell_multiples_dialog.h"
#include "view/molecule_view.h"
#include "view/settings_commands.h"

namespace kiva {

void RunUnitCellMultiplesCommand(MoleculeView& view, QWidget* owner) {
    CUnitCellMultiplesDlg dialog(view.State().cellMultiples, owner);
    if (dialog.exec() != QDialog::Accepted) return;
    view.SetCellMultiples(dialog.multiples());
}

}  // namespace kiva
