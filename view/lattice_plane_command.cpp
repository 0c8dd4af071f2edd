// SPDX-License-Identifier: GPL-2.0-or-later
#include <QCoreApplication>
#include <QMainWindow>
#include <QStatusBar>

#include "dialogs/lattice_plane_dialog.h"
#include "platform/translations.h"
#include "view/molecule_view.h"
#include "view/picture_description.h"
#include "view/settings_commands.h"

namespace kiva {

QString LatticePlaneReadout(const ViewState& view) {
    if (!view.latticePlane) return {};
    return QCoreApplication::translate("LatticePlaneDialog", "Lattice plane %1: d = %2 Å")
        .arg(QString::fromStdString(MillerText(view.latticePlane->hkl)), LocalNumber(InterplanarSpacing(view.cellAxes, view.latticePlane->hkl), 3));
}

void RunLatticePlaneCommand(MoleculeView& view, QWidget* owner) {
    CLatticePlaneDlg dialog(view.State().latticePlane, view.State().cellAxes, owner);
    if (dialog.exec() != QDialog::Accepted) return;
    view.SetLatticePlane(dialog.plane());
    if (dialog.facePlane()) view.FaceLatticePlane();
    // The spacing stays in the status bar, the window's read-out line, until the next prompt.
    if (auto* frame = qobject_cast<QMainWindow*>(owner ? owner->window() : nullptr))
        frame->statusBar()->showMessage(LatticePlaneReadout(view.State()));
}

}  // namespace kiva
