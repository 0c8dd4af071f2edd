// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Seeds for the installer's readers: descriptions of disks laid out as the disk tool lays them
// out, files compressed as it compresses them, and damaged forms of both.
#include <filesystem>
#include <string>
#include <vector>

namespace kiva::fuzz {

struct Seed {
    std::string corpus;  // the fuzz target's name
    std::string name;
    std::string bytes;
};

// From the built catalogue (Molecule.dat, Index.dat) and the help pages of the source tree.
std::vector<Seed> InstallerSeeds(const std::filesystem::path& catalogue, const std::filesystem::path& helpPages);

}  // namespace kiva::fuzz
