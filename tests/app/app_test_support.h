// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A running viewer for Qt tests: the application started as main() starts it, with message
// boxes and file dialogs answered by the test instead of a user.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include "app/child_frame.h"
#include "app/kiva_app.h"
#include "app/main_frame.h"
#include "chem/shared_data.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"

namespace kiva::testing {

// Once per test program: settings in the test places, and the built-in element colours.
inline void PrepareViewerTests() {
    QStandardPaths::setTestModeEnabled(true);
    TheSharedData().elementTable = MakeDefaultElementTable();
}

class RunningViewer {
public:
    explicit RunningViewer(QStringList files = {}) {
        ReplaceMessageBoxHandler([this](const MessageRequest& request) {
            messages.push_back(request);
            return answer;
        });
        ReplaceFileDialogHandler([this](const FileDialogRequest& request) {
            dialogs.push_back(request);
            return chosenFile;
        });
        started = app.InitInstance(files, {dir.filePath(QStringLiteral("kiva.ini")), false, false});
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

}  // namespace kiva::testing
