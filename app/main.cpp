// SPDX-License-Identifier: GPL-2.0-or-later
// The viewer's entry point: the shared data first, then the application; at exit the
// application goes first and the element table is written back last. The print verbs print and
// end, the handout is written to its file without a window, and the help alone needs no data at
// all. The usage and the version are printed before anything else, without a display.
#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>

#include "app/handout_file.h"
#include "app/help_commands.h"
#include "app/kiva_app.h"
#include "app/recent_files.h"
#include "app/shell_command.h"
#include "chem/shared_data.h"
#include "platform/command_line.h"
#include "platform/dialog_focus.h"
#include "platform/translations.h"
#include "platform/ui_language.h"

namespace {

// A handout written from a terminal without a display needs no window system at all.
void NeedNoDisplayForAHandout(int argc, char* argv[]) {
    bool handout = false;
    for (int i = 1; i < argc; ++i) handout = handout || std::strcmp(argv[i], "--handout") == 0;
    if (handout && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (kiva::AsksForUsage(argc, argv)) return std::fputs(kiva::kShellUsage, stdout) < 0 ? 1 : 0;
    if (kiva::AsksForVersion(argc, argv)) return std::fputs(kiva::kShellVersion, stdout) < 0 ? 1 : 0;
    NeedNoDisplayForAHandout(argc, argv);
    QApplication application(argc, argv);
    kiva::ReturnFocusAfterDialogs(application);
    const kiva::UiTranslations translations("kiva", kiva::UiLanguages(kiva::ProcessEnvironment()),
                                            kiva::ProcessStartUpPlaces().searchDirectories);
    const kiva::ShellCommand command = kiva::ParseShellCommand(QApplication::arguments().mid(1));
    if (command.kind == kiva::ShellCommand::Kind::HelpTopics) return kiva::ShowHelpAlone();

    const bool printing = command.kind != kiva::ShellCommand::Kind::Open;  // or writing a handout
    const kiva::SharedDataLifetime sharedData(kiva::ProcessStartUpPlaces(),
                                              printing ? kiva::SharedDataLifetime::AtExit::KeepElementFile
                                                       : kiva::SharedDataLifetime::AtExit::SaveElements);
    if (command.kind == kiva::ShellCommand::Kind::Handout) {
        QTextStream errors(stderr);
        return kiva::WriteHandoutFile(command, errors);
    }
    CKivaApp app;
    const CKivaApp::Options options{kiva::RecentFileList::DefaultProfilePath(), !printing, !printing};
    if (printing) return app.PrintFiles(command, options);
    if (!app.InitInstance(command.files, options)) return 0;
    return QApplication::exec();
}
