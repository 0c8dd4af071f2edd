// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The languages the user's desktop asks for, chosen as gettext chooses them.
#include <string>
#include <vector>

#include "platform/file_search.h"

namespace kiva {

// Best first, without codeset or modifier, each followed by its bare language: "de_DE.UTF-8"
// gives "de_DE", "de". The locale is the first of LC_ALL, LC_MESSAGES and LANG that is set; a
// list in LANGUAGE ("fr:de") replaces it unless that locale is C or POSIX, which means English
// whatever LANGUAGE says. Empty for English.
std::vector<std::string> UiLanguages(const EnvironmentReader& environment);

}  // namespace kiva
