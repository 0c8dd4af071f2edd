// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/profile_settings.h"

#include <QSettings>

namespace kiva {

namespace {

QString& ProfilePath() {
    static QString path;  // one profile for the whole program
    return path;
}

}  // namespace

void SetProfilePath(const QString& path) { ProfilePath() = path; }

bool ProfileFlag(const QString& key, bool fallback) {
    if (ProfilePath().isEmpty()) return fallback;
    return QSettings(ProfilePath(), QSettings::IniFormat).value(key, fallback).toBool();
}

void SetProfileFlag(const QString& key, bool value) {
    if (ProfilePath().isEmpty()) return;
    QSettings(ProfilePath(), QSettings::IniFormat).setValue(key, value);
}

}  // namespace kiva
