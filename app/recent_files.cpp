// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/recent_files.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace kiva {

namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString KeyOf(int index) { return QStringLiteral("File%1").arg(index + 1); }

}  // namespace

RecentFileList::RecentFileList(QString profilePath) : profilePath_(std::move(profilePath)) {
    QSettings profile(profilePath_, QSettings::IniFormat);
    profile.beginGroup(kGroup);
    for (int i = 0; i < kSize; ++i) {
        const QString path = profile.value(KeyOf(i)).toString();
        if (!path.isEmpty() && !files_.contains(path)) files_.append(path);
    }
}

void RecentFileList::Add(const QString& path) {
    files_.removeAll(path);
    files_.prepend(path);
    while (files_.size() > kSize) files_.removeLast();
    Save();
}

void RecentFileList::Remove(const QString& path) {
    files_.removeAll(path);
    Save();
}

QString RecentFileList::MenuText(int index) const {
    QString shown = QDir::toNativeSeparators(files_.value(index));
    const QString home = QDir::homePath();
    if (shown.startsWith(home + QLatin1Char('/'))) shown = QLatin1Char('~') + shown.mid(home.size());
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));  // a file name's & is no mnemonic
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

QString RecentFileList::DefaultProfilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kiva/kiva.ini");
}

void RecentFileList::Save() const {
    QSettings profile(profilePath_, QSettings::IniFormat);
    profile.beginGroup(kGroup);
    for (int i = 0; i < kSize; ++i) {
        if (i < files_.size())
            profile.setValue(KeyOf(i), files_[i]);
        else
            profile.remove(KeyOf(i));
    }
}

}  // namespace kiva
