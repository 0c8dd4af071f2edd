// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The directories the installer starts from, as the process finds them.
#include <string>

#include "setup/desktop_menu.h"

namespace kiva::setup {

struct SetupPlaces {
    std::string homeDirectory;     // relative destinations lie below it
    std::string programDirectory;  // where setup and Setup.ini lie: the first disk
    std::string currentDirectory;  // relative source directories lie below it
};

SetupPlaces ProcessSetupPlaces();

// The user's menu directories, from $XDG_DATA_HOME and $XDG_CONFIG_HOME.
MenuPlaces UserMenuPlaces();

}  // namespace kiva::setup
