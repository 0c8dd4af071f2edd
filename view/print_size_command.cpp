// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/print_size_dialog.h"
#include "dialogs/print_size_model.h"
#include "view/molecule_view.h"
#include "view/settings_commands.h"

namespace kiva {

void RunPrintSizeCommand(MoleculeView& view, QWidget* owner) {
    CPrintSizeDlg dialog(QString::fromStdString(PrintSizeText(view.PrintScale())), owner);
    if (dialog.exec() != QDialog::Accepted) return;
    // An empty choice, possible only when the scale matched no item, keeps the scale.
    if (const auto scale = PrintScaleOf(dialog.printSize().toStdString())) view.SetPrintScale(*scale);
}

}  // namespace kiva
