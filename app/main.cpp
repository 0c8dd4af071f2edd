// SPDX-License-Identifier: GPL-2.0-or-later
// The viewer's entry point: the shared data first, then the application; at exit the
// application goes first and the element table is written back last.
#include <QApplication>

#include "app/kiva_app.h"
#include "app/recent_files.h"
#include "chem/shared_data.h"

int main(int argc, char* argv[]) {
    kiva::SharedDataLifetime sharedData(kiva::ProcessStartUpPlaces());
    QApplication application(argc, argv);
    CKivaApp app;
    const CKivaApp::Options options{kiva::RecentFileList::DefaultProfilePath(), true, true};
    if (!app.InitInstance(QApplication::arguments().mid(1), options)) return 0;
    return QApplication::exec();
}
