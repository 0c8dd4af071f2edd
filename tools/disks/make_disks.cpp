// SPDX-License-Identifier: GPL-2.0-or-later
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "setup/setup_ini.h"
#include "tools/disks/disk_layout.h"
#include "tools/disks/szdd_compress.h"

namespace kiva::disks {

namespace fs = std::filesystem;

namespace {

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file && !file.eof()) throw DiskError("cannot read " + path);
    return bytes;
}

void WriteWhole(const fs::path& path, const std::string& bytes, bool executable) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    if (!file.flush()) throw DiskError("cannot write " + path.string());
    file.close();
    fs::permissions(path, executable ? fs::perms(0755) : fs::perms(0644), error);
}

bool IsExecutable(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && (status.st_mode & S_IXUSR) != 0;
}

void RemoveOldDisks(const fs::path& outDirectory) {
    std::error_code error;
    const std::regex diskFolder("disk[0-9]+");
    std::vector<fs::path> old;
    for (const auto& entry : fs::directory_iterator(outDirectory, error))
        if (entry.is_directory(error) && std::regex_match(entry.path().filename().string(), diskFolder))
            old.push_back(entry.path());
    for (const fs::path& path : old) fs::remove_all(path, error);
}

// The description must read back as exactly the files written.
void CheckDescription(const std::string& text, const std::vector<DiskFile>& files, int diskCount) {
    setup::InstallSession session;
    if (!setup::ReadSetupDescription(text, "/home", session) || session.diskCount != diskCount)
        throw DiskError("the Setup.ini written does not read back");
    std::size_t index = 0;
    for (const setup::DiskFiles& disk : session.disks)
        for (std::size_t i = 0; i < disk.sourceNames.size(); ++i, ++index)
            if (index >= files.size() || disk.sourceNames[i] != files[index].diskName ||
                disk.destNames[i] != files[index].installedName)
                throw DiskError("the Setup.ini written does not read back");
    if (index != files.size()) throw DiskError("the Setup.ini written does not read back");
}

// The installer reads its translations before it expands anything, so they lie uncompressed in
// translations/ beside it on the first disk.
std::vector<fs::path> SetupTranslations(const fs::path& buildDirectory) {
    std::vector<fs::path> found;
    std::error_code error;
    for (auto entry = fs::directory_iterator(buildDirectory / "translations", error);
         !error && entry != fs::directory_iterator(); entry.increment(error))
        if (entry->is_regular_file(error) && entry->path().filename().string().starts_with("setup_"))
            found.push_back(entry->path());
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace

int MakeDisks(const DiskOptions& options) {
    std::vector<DiskFile> files = BuildFiles(options.buildDirectory);
    const fs::path setupProgram = fs::path(options.buildDirectory) / "setup";
    std::error_code error;
    if (!fs::is_regular_file(setupProgram, error))
        throw DiskError(setupProgram.string() + " is missing: build Kiva first (make build)");
    CheckDescribableName(options.installPath);

    std::vector<std::string> compressed;
    std::set<std::string> diskNames;
    for (DiskFile& file : files) {
        CheckDescribableName(file.installedName);
        char missingChar = 0;
        file.diskName = CompressedName(file.installedName, missingChar);
        CheckDescribableName(file.diskName);
        if (!diskNames.insert(file.diskName).second)
            throw DiskError("two files would both be called " + file.diskName + " on the disks; rename one");
        const std::string bytes = ReadWhole(file.buildPath);
        if (bytes.size() > kMaxSzddInput) throw DiskError(file.installedName + " is too large for the disk format");
        file.originalSize = bytes.size();
        compressed.push_back(CompressSzdd(bytes, missingChar));
        file.diskSize = compressed.back().size();
    }

    // Setup.ini grows a little with each disk; settle its size before the layout is final.
    const std::vector<fs::path> setupTranslations = SetupTranslations(options.buildDirectory);
    std::uint64_t setupSize = fs::file_size(setupProgram, error);
    for (const fs::path& translation : setupTranslations) setupSize += fs::file_size(translation, error);
    std::size_t iniReserve = 0;
    int diskCount = 0;
    std::string ini;
    for (;;) {
        diskCount = AssignDisks(files, options.capacity, setupSize + iniReserve);
        ini = SetupIniText(files, diskCount, options.installPath);
        if (ini.size() <= iniReserve) break;
        iniReserve = ini.size();
    }
    CheckDescription(ini, files, diskCount);

    const fs::path out(options.outDirectory);
    fs::create_directories(out, error);
    if (error) throw DiskError("cannot create " + out.string() + ": " + error.message());
    RemoveOldDisks(out);
    for (std::size_t i = 0; i < files.size(); ++i)
        WriteWhole(out / ("disk" + std::to_string(files[i].disk)) / files[i].diskName, compressed[i],
                   IsExecutable(files[i].buildPath));
    const fs::path firstDisk = out / "disk1";
    WriteWhole(firstDisk / "setup", ReadWhole(setupProgram.string()), true);
    for (const fs::path& translation : setupTranslations)
        WriteWhole(firstDisk / "translations" / translation.filename(), ReadWhole(translation.string()), false);
    WriteWhole(firstDisk / "Setup.ini", ini, false);
    return diskCount;
}

}  // namespace kiva::disks
