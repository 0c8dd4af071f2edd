// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// CKivaApp: the viewer's start-up, its idle animation, the quit prompt and the About box.
// main() loads the shared data before this object exists and saves it after it is gone.
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "app/application_commands.h"

class CMainFrame;
class QWidget;

namespace kiva {
class InstanceServer;
struct ShellCommand;
}

class CKivaApp final : public QObject, public kiva::ApplicationCommands {
    Q_OBJECT
public:
    struct Options {
        QString profilePath;          // the INI file of the recent-file list
        bool registerWithDesktop = false;  // write the desktop entry and file type for the user
        bool singleInstance = false;  // hand files to a running viewer, and serve later ones
    };

    CKivaApp();
    ~CKivaApp() override;

    // The start-up sequence; false when the program should end at once (its files went to the
    // viewer already running).
    bool InitInstance(const QStringList& files, const Options& options);
    CMainFrame* MainFrame() const { return mainFrame_.get(); }

    // The print verbs: the files in one job, a page each, on the printer set up in the profile or
    // on the one named, without showing a window; without a file the user chooses one. 0 when
    // every file was printed (or the choice cancelled); otherwise the user had a message for each
    // failure.
    int PrintFiles(const kiva::ShellCommand& command, const Options& options);

    // One animation step of the active view of the active window, then the update pass. True
    // when a frame was drawn.
    bool OnIdle();

    // The quit prompt, which replaces every offer to save: true only for Yes.
    bool SaveAllModified(QWidget* mainWindow) override;
    void OnAppAbout(QWidget* mainWindow) override;

    static constexpr int kFrameMilliseconds = 100;  // the animation's shortest frame

private:
    // The application's name and icon, the printer from the profile and the main window, unshown.
    void StartUp(const Options& options);

    std::unique_ptr<CMainFrame> mainFrame_;
    std::unique_ptr<kiva::InstanceServer> instanceServer_;
    QTimer idleTimer_;
};
