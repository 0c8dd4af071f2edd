// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The file dialogs of File Open and File Save As, behind calls that tests replace.
#include <functional>

#include <QString>

class QWidget;

namespace kiva {

struct FileDialogRequest {
    QWidget* owner = nullptr;
    bool save = false;     // Save As rather than Open
    QString proposedPath;  // the name a save proposes
    QString filter;        // e.g. "Molecule Files (*.mol)"
    QString defaultSuffix; // added to a typed name without one, e.g. "mol"
};

// The chosen path, or empty when the user cancelled.
using FileDialogHandler = std::function<QString(const FileDialogRequest&)>;

QString ChooseFile(const FileDialogRequest& request);
// Installs a replacement (an empty one restores the real dialog) and returns the previous one.
FileDialogHandler ReplaceFileDialogHandler(FileDialogHandler handler);

}  // namespace kiva
