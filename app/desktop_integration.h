// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Makes the desktop know the viewer: its menu entry, its icon and the document file type. The
// installation puts them in place; a viewer run from its build directory registers them for
// the user at its first start.
#include <QString>
#include <QStringList>

namespace kiva {

struct DesktopPlaces {
    QString dataHome;      // $XDG_DATA_HOME, ~/.local/share by default
    QStringList dataDirs;  // $XDG_DATA_DIRS, where an installation puts its copies
};

DesktopPlaces UserDesktopPlaces();

// Writes into dataHome whichever of the entry, the icon and the file type no place holds yet, the
// entry starting programPath, each whole or not at all; then refreshes the desktop's databases
// with update-mime-database and update-desktop-database where they are installed. Returns the
// files written and read back as written.
QStringList RegisterWithDesktop(const DesktopPlaces& places, const QString& programPath, bool runUpdateTools = true);

// The start of a desktop entry's Exec line that runs the program at this path.
QString ExecLineFor(const QString& programPath);

}  // namespace kiva
