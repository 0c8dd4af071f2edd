// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The rules for the directories a user types: the destination, which is created with every
// parent, and the source directory of a further disk.
#include <string>
#include <vector>

#include "setup/page_runner.h"

namespace kiva::setup {

// A typed path made absolute: "~" and "~/..." name the home directory, a path starting with '/'
// stands as it is, and any other is placed under `base`. Repeated and trailing slashes go.
std::string AbsoluteTypedPath(const std::string& typed, const std::string& homeDirectory, const std::string& base);

// Every directory from the first below the root to the path itself, in the order they must be
// created: "/a/b/c" gives "/a", "/a/b", "/a/b/c".
std::vector<std::string> DirectoriesAlong(const std::string& absolutePath);

// The destination page's Continue: an empty text does nothing; otherwise the directory and all
// its parents are created (existing ones are accepted) and the absolute path is accepted, or the
// page shows "Destination directory cannot be created.".
ContinueCheck CheckDestination(const std::string& typed, const std::string& homeDirectory);

// The insert-disk page's Continue: an empty text does nothing; a directory that can be entered
// is accepted as an absolute path, anything else shows "Please enter correct source directory.".
ContinueCheck CheckSourceDirectory(const std::string& typed, const std::string& homeDirectory,
                                   const std::string& currentDirectory);

}  // namespace kiva::setup
