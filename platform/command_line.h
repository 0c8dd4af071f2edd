// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the command-line tools share in reading their arguments.

namespace kiva {

// Whether the command line asks for the usage alone: --help or -h anywhere among the arguments.
bool AsksForUsage(int argc, const char* const* argv);

// Whether the command line asks for the version alone: --version anywhere among the arguments.
bool AsksForVersion(int argc, const char* const* argv);

}  // namespace kiva
