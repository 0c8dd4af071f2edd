// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A running viewer for Qt tests: the application started as main() starts it, with message
// boxes and file dialogs answered by the test instead of a user.
#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/child_frame.h"
#include "app/kiva_app.h"
#include "app/main_frame.h"
#include "chem/shared_data.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "view/commands.h"
#include "view/compound_selection.h"

namespace kiva::testing {

// Once per test program: settings in the test places, and the built-in element colours.
inline void PrepareViewerTests() {
    QStandardPaths::setTestModeEnabled(true);
    TheSharedData().elementTable = MakeDefaultElementTable();
}

class RunningViewer {
public:
    // The profile is the viewer's own, in its scratch folder, unless a test gives one that
    // outlives the viewer, as the next run's would.
    explicit RunningViewer(QStringList files = {}, QString profile = {}) {
        ReplaceMessageBoxHandler([this](const MessageRequest& request) {
            messages.push_back(request);
            return answer;
        });
        ReplaceFileDialogHandler([this](const FileDialogRequest& request) {
            dialogs.push_back(request);
            return chosenFile;
        });
        if (profile.isEmpty()) profile = dir.filePath(QStringLiteral("kiva.ini"));
        started = app.InitInstance(files, {profile, false, false});
    }
    ~RunningViewer() {
        ReplaceMessageBoxHandler({});
        ReplaceFileDialogHandler({});
    }

    CMainFrame& Frame() const { return *app.MainFrame(); }
    QList<QMdiSubWindow*> Windows() const { return Frame().MdiArea()->subWindowList(); }
    CChildFrame* Active() const { return Frame().ActiveFrame(); }
    void Run(int id) { Frame().Action(id)->trigger(); }
    QString File(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    CKivaApp app;
    bool started = false;
    std::vector<MessageRequest> messages;
    MessageAnswer answer = MessageAnswer::Ok;
    QString chosenFile;
    std::vector<FileDialogRequest> dialogs;
};

// The program's shared data on the built catalogue in `directory`, with the built-in element rows;
// false when its index cannot be read.
inline bool UseBuiltCatalogue(const std::string& directory) {
    SharedData& data = TheSharedData();
    data.moleculeDataPath = directory + "/Molecule.dat";
    data.moleculeIndex.path = directory + "/Index.dat";
    data.elementTable = MakeDefaultElementTable();
    data.phaseTable = LoadPhasePointsFile(directory + "/PhasePoints.dat").table;
    return LoadMoleculeIndex(data.moleculeIndex);
}

// Chooses a catalogue substance for the active window, as the Index dialog would.
inline void ChooseSubstance(RunningViewer& viewer, const QString& name) {
    const SelectionDialogRunner previous =
        ReplaceSelectionDialogRunner([name](int, QWidget*) { return std::optional<QString>(name); });
    viewer.Run(command::Index);
    ReplaceSelectionDialogRunner(previous);
}

// Acts on the modal dialog that the next command opens, from inside its modal loop. Another
// dialog, or none, is a failure; it is closed, so that the test does not wait on it.
template <typename Dialog>
void WhenDialogOpens(std::function<void(Dialog&)> act, bool* reached = nullptr) {
    QTimer::singleShot(0, [act, reached] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = dynamic_cast<Dialog*>(modal)) {
            if (reached) *reached = true;
            act(*dialog);
        } else if (auto* other = qobject_cast<QDialog*>(modal)) {
            other->reject();
        }
    });
}

}  // namespace kiva::testing
