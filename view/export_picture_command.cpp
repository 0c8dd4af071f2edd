// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/export_picture_command.h"

#include <QApplication>

#include "dialogs/export_picture_dialog.h"
#include "export/picture_export.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "view/export_animation_command.h"
#include "view/exported_frame.h"
#include "view/molecule_view.h"

namespace kiva {

namespace {

void Warn(QWidget* owner, const QString& message) {
    ShowMessageBox({owner, QApplication::applicationName(), message, MessageButtons::Ok, MessageIcon::Warning});
}

}  // namespace

void RunExportPictureCommand(const MoleculeView& view, QWidget* owner) {
    CExportPictureDlg dialog(view.Area(), owner, ExportedPicturesFramed());
    if (dialog.exec() != QDialog::Accepted) return;
    const PictureExportChoice choice = dialog.choice();
    SetExportedPicturesFramed(choice.pictureFrame);
    const auto area = ExportedArea(choice, view.Area());
    const QString sizeMessage = QCoreApplication::translate("ExportPicture", "A picture's sides are %1 to %2 pixels.").arg(kMinPictureSide).arg(kMaxPictureSide);
    if (!area) return Warn(owner, sizeMessage);
    const QString path = ChooseFile({owner, true, QString(), QCoreApplication::translate("ExportPicture", "PNG Picture (*.png)"), "png"});
    if (path.isEmpty()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);  // a poster-sized picture takes a moment
    const ExportResult result = ExportPicture({path.toStdString(), *area, {ExportedBackground(choice), choice.pictureFrame, SmoothEdgesChosen()}}, view.State(), view.Motion());
    QApplication::restoreOverrideCursor();
    if (result.problem == ExportProblem::BadSize) return Warn(owner, sizeMessage);
    if (!result.Ok()) Warn(owner, ExportProblemMessage(result, path));
}

}  // namespace kiva
