// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The file dialogs of File Open and File Save As, behind calls that tests replace.
#include <functional>

#include <QString>

class QFileDialog;
class QWidget;

namespace kiva {

struct FileDialogRequest {
    QWidget* owner = nullptr;
    bool save = false;     // Save As rather than Open
    QString proposedPath;  // the name a save proposes
    QString filter;        // e.g. "Molecule Files (*.mol)"
    QString defaultSuffix; // added to a typed name without one, e.g. "mol", until another type is chosen
};

// The chosen path, or empty when the user cancelled.
using FileDialogHandler = std::function<QString(const FileDialogRequest&)>;

QString ChooseFile(const FileDialogRequest& request);
// Sets up Qt's dialog for the request: a name typed without an ending takes the ending of the
// file type chosen in the dialog ("MP4 Video (*.mp4)" gives .mp4), the request's at first.
void PrepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request);
// The first ending a name filter names: "mp4" for "MP4 Video (*.mp4)"; empty for "*" or none.
QString SuffixOfFilter(const QString& nameFilter);
// Installs a replacement (an empty one restores the real dialog) and returns the previous one.
FileDialogHandler ReplaceFileDialogHandler(FileDialogHandler handler);

}  // namespace kiva
