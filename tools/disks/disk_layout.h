// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Distribution disks from a build: which files go on which disk under which name, and the
// Setup.ini that describes them.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace kiva::disks {

class DiskError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One file to install, as it lies in the build and as it is named on the disk.
struct DiskFile {
    std::string installedName;  // relative to the destination, '/' between directories
    std::string buildPath;      // where the build put it
    std::uint64_t originalSize = 0;
    std::string diskName;       // relative to the disk, '/' between directories
    std::uint64_t diskSize = 0; // compressed size
    int disk = 0;               // 1 for the first disk
};

// The files a build installs, in copy order: the catalogue, the help (every file under help/,
// when there is one) and the viewer last, so an installation stopped midway leaves no program
// that the next run would take for an installed copy. Throws DiskError when the viewer or its
// catalogue is missing.
std::vector<DiskFile> BuildFiles(const std::string& buildDirectory);

// The name a compressed file gets on its disk, as COMPRESS names it: the last character of a
// three-letter or longer extension becomes '_' ("Molecule.dat" gives "Molecule.da_", and 't' is
// the missing character); any other name gets a '_' appended (missing character 0).
std::string CompressedName(const std::string& name, char& missingChar);

// Throws DiskError unless the name can stand in Setup.ini: only characters its line filter
// keeps, within a word's length.
void CheckDescribableName(const std::string& name);

// Assigns each file its disk, in order, so that no disk holds more than `capacity` bytes; the
// first disk also carries `firstDiskReserved` bytes (setup and Setup.ini). Returns the number
// of disks. Throws DiskError for a file that fits on no disk.
int AssignDisks(std::vector<DiskFile>& files, std::uint64_t capacity, std::uint64_t firstDiskReserved);

// Setup.ini for the assigned files.
std::string SetupIniText(const std::vector<DiskFile>& files, int diskCount, const std::string& installPath);

struct DiskOptions {
    std::string buildDirectory;  // where kiva, setup, the catalogue (Molecule.dat, ...) and help/ lie
    std::string outDirectory;    // receives disk1, disk2, ...
    std::uint64_t capacity = 1457664;  // a 3.5-inch high-density diskette
    std::string installPath = "Kiva";  // under the user's home directory
};

// Builds the disks: every file compressed, setup stored plain on the first disk beside
// Setup.ini. Disk folders left from an earlier run are replaced. Returns the disk count.
int MakeDisks(const DiskOptions& options);

}  // namespace kiva::disks
