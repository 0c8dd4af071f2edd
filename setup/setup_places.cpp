// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/setup_places.h"

#include <pwd.h>
#include <unistd.h>

#include "platform/file_search.h"

namespace kiva::setup {

namespace {

std::string HomeDirectory() {
    const std::string home = ProcessEnvironment()("HOME");
    if (!home.empty()) return home;
    const passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? entry->pw_dir : CurrentDirectory();
}

}  // namespace

SetupPlaces ProcessSetupPlaces() { return {HomeDirectory(), ProgramDirectory(), CurrentDirectory()}; }

MenuPlaces UserMenuPlaces() {
    const EnvironmentReader environment = ProcessEnvironment();
    return {UserDataHome(environment), UserConfigHome(environment)};
}

}  // namespace kiva::setup
