// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A small stand-in for a build's bin directory: what the disk builder takes from it.
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/byte_samples.h"
#include "tests/support/temp_dir.h"

namespace kiva::testing {

// Writes the files under `directory` and returns them by name. The viewer and setup may be run.
inline std::map<std::string, std::string> WriteFakeBuild(const std::string& directory, bool withHelp = true) {
    std::map<std::string, std::string> files = {
        {"kiva", "#!/bin/sh\necho kiva \"$@\"\n" + RandomBytes(30000, 11)},
        {"setup", RandomBytes(10000, 12)},
        {"Molecule.dat", RandomBytes(20000, 13)},
        {"Index.dat", "NaCl 1 Na+ Cl- Sodium chloride 0\n"},
        {"PhasePoints.dat", "NaCl\t1074\t1738\t\n"},  // short: the whole build stays within 49 KB
    };
    if (withHelp) {
        files["help/index.html"] = "<html><body>Kiva help</body></html>\n";
        files["help/page_2.html"] = "<html><body>More help</body></html>\n";
    }
    for (const auto& [name, bytes] : files) {
        const std::filesystem::path path = std::filesystem::path(directory) / name;
        std::filesystem::create_directories(path.parent_path());
        WriteFile(path.string(), bytes);
        if (name == "kiva" || name == "setup") ::chmod(path.c_str(), 0755);
    }
    return files;
}

}  // namespace kiva::testing
