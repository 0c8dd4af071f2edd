// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's profile (an INI file) for choices a dialog keeps from one use to the next. The
// main window names the file at start; before that, or with no name, nothing is kept.
#include <QString>

namespace kiva {

void SetProfilePath(const QString& path);

// The flag under `key`, or `fallback` when the profile has none.
bool ProfileFlag(const QString& key, bool fallback);
void SetProfileFlag(const QString& key, bool value);

}  // namespace kiva
