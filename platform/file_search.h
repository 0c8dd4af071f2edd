// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Finding the program's data files, as the desktop lays them out.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kiva {

// Reads an environment variable; empty when unset. Tests pass their own.
using EnvironmentReader = std::function<std::string(const char* name)>;
EnvironmentReader ProcessEnvironment();

// Where data files are searched, in order: the program's directory, the current directory,
// $XDG_DATA_HOME/kiva (~/.local/share/kiva), each $XDG_DATA_DIRS/kiva (/usr/local/share and
// /usr/share by default), then every directory on PATH.
std::vector<std::string> DataSearchDirectories(const std::string& programDirectory,
                                               const std::string& currentDirectory,
                                               const EnvironmentReader& environment);

// The full path of the first regular file called `name` in those directories, or nothing.
std::optional<std::string> FindDataFile(const std::string& name, const std::vector<std::string>& directories);

// $XDG_CONFIG_HOME/kiva, or ~/.config/kiva.
std::string UserConfigDirectory(const EnvironmentReader& environment);

// The user's own data and configuration directories: $XDG_DATA_HOME (~/.local/share) and
// $XDG_CONFIG_HOME (~/.config).
std::string UserDataHome(const EnvironmentReader& environment);
std::string UserConfigHome(const EnvironmentReader& environment);

// The directory of the running executable; the current directory when it cannot be told.
std::string ProgramDirectory();
std::string CurrentDirectory();

bool IsWritableDirectory(const std::string& directory);

// Whether an absolute directory lies in /usr, which the package manager owns and which may be
// mounted read-only: a program run even by root writes nothing there.
bool IsInsideUsr(const std::string& directory);

}  // namespace kiva
