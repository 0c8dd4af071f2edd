// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/file_dialogs.h"

#include <QComboBox>
#include <QFileDialog>
#include <QRegularExpression>

namespace kiva {

namespace {

FileDialogHandler& InstalledHandler() {
    static FileDialogHandler handler;
    return handler;
}

QString ChooseWithQtDialog(const FileDialogRequest& request) {
    QFileDialog dialog(request.owner, QString(), request.proposedPath, request.filter);
    PrepareFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void PrepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // Qt adds the default ending whatever type is chosen: it follows the choice, so the type decides.
    const auto followType = [&dialog] {
        if (const QString suffix = SuffixOfFilter(dialog.selectedNameFilter()); !suffix.isEmpty())
            dialog.setDefaultSuffix(suffix);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followType);
    // Qt's own dialog tells nobody when its list of types changes: follow the list itself.
    if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        QObject::connect(types, &QComboBox::currentIndexChanged, &dialog, followType);
    if (!request.proposedPath.isEmpty()) dialog.selectFile(request.proposedPath);
}

QString SuffixOfFilter(const QString& nameFilter) {
    static const QRegularExpression firstPattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = firstPattern.match(nameFilter);
    return match.hasMatch() ? match.captured(1) : QString();
}

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
