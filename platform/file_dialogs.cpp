// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/file_dialogs.h"

#include <QFileDialog>

namespace kiva {

namespace {

FileDialogHandler& InstalledHandler() {
    static FileDialogHandler handler;
    return handler;
}

QString ChooseWithQtDialog(const FileDialogRequest& request) {
    QFileDialog dialog(request.owner, QString(), request.proposedPath, request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedPath.isEmpty()) dialog.selectFile(request.proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString ChooseFile(const FileDialogRequest& request) {
    const FileDialogHandler& handler = InstalledHandler();
    return handler ? handler(request) : ChooseWithQtDialog(request);
}

FileDialogHandler ReplaceFileDialogHandler(FileDialogHandler handler) {
    FileDialogHandler previous = std::move(InstalledHandler());
    InstalledHandler() = std::move(handler);
    return previous;
}

}  // namespace kiva
