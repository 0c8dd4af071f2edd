// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/disks/disk_layout.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "setup/setup_ini.h"

namespace kiva::disks {

namespace fs = std::filesystem;

namespace {

std::string Megabytes(std::uint64_t bytes) {
    std::ostringstream text;
    text.precision(2);
    text << std::fixed << static_cast<double>(bytes) / (1024.0 * 1024.0) << " MB";
    return text.str();
}

std::string IniName(const std::string& name) {
    std::string iniName = name;
    std::replace(iniName.begin(), iniName.end(), '/', '\\');
    return iniName;
}

DiskFile RequiredFile(const fs::path& directory, const std::string& name) {
    std::error_code error;
    const fs::path path = directory / name;
    if (!fs::is_regular_file(path, error))
        throw DiskError(path.string() + " is missing: build Kiva first (make build)");
    return {name, path.string(), fs::file_size(path, error), {}, 0, 0};
}

}  // namespace

std::vector<DiskFile> BuildFiles(const std::string& buildDirectory) {
    const fs::path directory(buildDirectory);
    std::vector<DiskFile> files;
    for (const char* name : {"Molecule.dat", "Index.dat", "PhasePoints.dat"}) files.push_back(RequiredFile(directory, name));
    // The help pages, in English and per language, and the viewer's translations; the installer's
    // own translations ride beside it on the first disk.
    for (const char* folder : {"help", "translations"}) {
        std::error_code error;
        const fs::path top = directory / folder;
        if (!fs::is_directory(top, error)) continue;
        std::vector<std::string> names;
        for (auto entry = fs::recursive_directory_iterator(top, error);
             !error && entry != fs::recursive_directory_iterator(); entry.increment(error))
            if (entry->is_regular_file(error) && !entry->path().filename().string().starts_with("setup_"))
                names.push_back(fs::relative(entry->path(), directory).generic_string());
        if (error) throw DiskError("cannot list " + top.string() + ": " + error.message());
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) files.push_back(RequiredFile(directory, name));
    }
    files.push_back(RequiredFile(directory, "kiva"));
    return files;
}

std::string CompressedName(const std::string& name, char& missingChar) {
    const std::size_t slash = name.rfind('/');
    const std::size_t base = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = name.rfind('.');
    const bool longExtension = dot != std::string::npos && dot > base && name.size() - dot - 1 >= 3;
    if (longExtension) {
        missingChar = name.back();
        return name.substr(0, name.size() - 1) + "_";
    }
    missingChar = 0;
    return name + "_";
}

void CheckDescribableName(const std::string& name) {
    const std::string iniName = IniName(name);
    const bool kept = std::all_of(iniName.begin(), iniName.end(), setup::IsKeptCharacter);
    if (!kept)
        throw DiskError("\"" + name + "\": Setup.ini can only name files with letters, digits and . : [ \\ ] _; rename it");
    if (iniName.size() > setup::kMaxWordCharacters)
        throw DiskError("\"" + name + "\": Setup.ini names hold at most " + std::to_string(setup::kMaxWordCharacters) +
                        " characters; shorten it");
    if (setup::ContainedRelativeName(iniName) != name)
        throw DiskError("\"" + name + "\": not a plain name below the destination");
}

int AssignDisks(std::vector<DiskFile>& files, std::uint64_t capacity, std::uint64_t firstDiskReserved) {
    if (firstDiskReserved > capacity)
        throw DiskError("setup and Setup.ini take " + Megabytes(firstDiskReserved) + ", more than a disk of " +
                        Megabytes(capacity) + "; choose a larger disk size");
    int disk = 1;
    std::uint64_t used = firstDiskReserved;
    for (DiskFile& file : files) {
        if (file.diskSize > capacity)
            throw DiskError(file.installedName + " takes " + Megabytes(file.diskSize) + " compressed, more than a disk of " +
                            Megabytes(capacity) + "; choose a larger disk size");
        if (used + file.diskSize > capacity) {
            ++disk;
            used = 0;
        }
        file.disk = disk;
        used += file.diskSize;
    }
    return disk;
}

std::string SetupIniText(const std::vector<DiskFile>& files, int diskCount, const std::string& installPath) {
    std::uint64_t total = 0;
    for (const DiskFile& file : files) total += file.originalSize;
    const std::uint64_t kilobytes = std::max<std::uint64_t>(1, (total + 1023) / 1024);
    std::string text = "[General]\nDisks=" + std::to_string(diskCount) + "\nOriginalSize=" + std::to_string(kilobytes) +
                       "\nInstallPath=" + IniName(installPath) + "\n";
    for (int disk = 1; disk <= diskCount; ++disk) {
        text += "\n[Disk" + std::to_string(disk) + "]\n";
        for (const DiskFile& file : files)
            if (file.disk == disk) text += IniName(file.diskName) + " " + IniName(file.installedName) + "\n";
    }
    return text;
}

}  // namespace kiva::disks
