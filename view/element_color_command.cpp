// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/shared_data.h"
#include "dialogs/element_color_dialog.h"
#include "view/molecule_view.h"
#include "view/settings_commands.h"

namespace kiva {

void RunElementColorCommand(MoleculeView& view, ElementTable& elements, QWidget* owner) {
    CElementColorDlg dialog(elements.rows, owner);
    if (dialog.exec() != QDialog::Accepted) return;
    elements.rows = dialog.rows();
    WriteElementFile(elements);
    view.ApplyElementTable();
}

}  // namespace kiva
