// SPDX-License-Identifier: GPL-2.0-or-later
// setup: installs Kiva from its distribution disks. It is started from the first disk, beside
// Setup.ini.
#include <QApplication>

#include "platform/file_search.h"
#include "platform/translations.h"
#include "platform/ui_language.h"
#include "setup/pages/setup_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("setup"));
    // The translations travel on the first disk, beside the installer.
    const kiva::UiTranslations translations("setup", kiva::UiLanguages(kiva::ProcessEnvironment()),
                                            {kiva::ProgramDirectory()});
    kiva::setup::CMainFrame frame(kiva::setup::InstallerFlow());
    frame.show();
    QApplication::exec();
    return frame.installed() ? 0 : 1;
}
