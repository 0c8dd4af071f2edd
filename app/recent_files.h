// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The recent-file list of the File menus: the last four documents opened or saved, newest first,
// kept in the program's INI profile from run to run.
#include <QString>
#include <QStringList>

namespace kiva {

class RecentFileList {
public:
    static constexpr int kSize = 4;

    // Reads the list from the INI file at profilePath; a missing file gives an empty list.
    explicit RecentFileList(QString profilePath);

    const QStringList& Files() const { return files_; }
    // Puts the path first, once; the oldest entry beyond four drops off. Saved at once.
    void Add(const QString& path);
    void Remove(const QString& path);

    // The menu text of entry `index` (0 to 3): "&1 " and the path, home shortened to ~.
    QString MenuText(int index) const;

    // ~/.config/kiva/kiva.ini, or under $XDG_CONFIG_HOME.
    static QString DefaultProfilePath();

private:
    void Save() const;

    QString profilePath_;
    QStringList files_;
};

}  // namespace kiva
