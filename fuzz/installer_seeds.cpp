// SPDX-License-Identifier: GPL-2.0-or-later
#include "fuzz/installer_seeds.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "tools/disks/disk_layout.h"
#include "tools/disks/szdd_compress.h"

namespace fs = std::filesystem;

namespace kiva::fuzz {

namespace {

// Large enough for the catalogue's index and a help page, small enough for the fuzzer to mutate.
constexpr std::size_t kLargestSample = 64 << 10;

std::string ReadSample(const fs::path& path) {
    std::ifstream input(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    bytes.resize(std::min(bytes.size(), kLargestSample));
    return bytes;
}

struct Sample {
    std::string installedName;
    std::string bytes;
};

std::vector<Sample> Samples(const fs::path& catalogue, const fs::path& helpPages) {
    std::vector<Sample> samples{{"Index.dat", ReadSample(catalogue / "Index.dat")},
                                {"Molecule.dat", ReadSample(catalogue / "Molecule.dat")},
                                {"empty.txt", ""},
                                {"same.bin", std::string(9000, 'k')}};
    std::vector<fs::path> pages;
    for (const auto& entry : fs::directory_iterator(helpPages))
        if (entry.path().extension() == ".html" || entry.path().extension() == ".css") pages.push_back(entry.path());
    std::sort(pages.begin(), pages.end());
    for (std::size_t i = 0; i < pages.size(); i += 3)
        samples.push_back({"help/" + pages[i].filename().string(), ReadSample(pages[i])});
    return samples;
}

void WriteDescriptions(const std::vector<Sample>& samples, std::vector<Seed>& seeds) {
    std::vector<disks::DiskFile> files;
    for (const Sample& sample : samples) {
        disks::DiskFile file;
        file.installedName = sample.installedName;
        char missing = 0;
        file.diskName = disks::CompressedName(sample.installedName, missing);
        file.originalSize = sample.bytes.size();
        file.diskSize = disks::CompressSzdd(sample.bytes, missing).size();
        files.push_back(file);
    }
    // One disk for everything, and small disks that spread the files over several.
    std::uint64_t largest = 0;
    for (const disks::DiskFile& file : files) largest = std::max(largest, file.diskSize);
    for (const std::uint64_t capacity : {std::uint64_t{8} << 20, 2 * largest, largest}) {
        const int count = disks::AssignDisks(files, capacity, 0);
        const std::string text = disks::SetupIniText(files, count, capacity > (1 << 20) ? "Kiva" : "\\opt\\kiva");
        const std::string name = "disks-" + std::to_string(count);
        seeds.push_back({"setup-ini", name + ".ini", text});
        std::string crlf;
        for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        seeds.push_back({"setup-ini", name + "-crlf.ini", crlf});
        seeds.push_back({"setup-ini", name + "-cut.ini", text.substr(0, text.size() / 2)});
    }
    seeds.push_back({"setup-ini", "zero-disks.ini", "[General]\nDisks=0\nOriginalSize=10\nInstallPath=Kiva\n"});
    seeds.push_back({"setup-ini", "climbing.ini",
                     "[General]\nDisks 1\nOriginalSize 10\nInstallPath c:\\kiva\n[Disk1]\nkiva_ ..\\..\\kiva\n"});
    seeds.push_back({"setup-ini", "long-line.ini",
                     "[General]\nDisks=1\nOriginalSize=10\nInstallPath=" + std::string(200, 'k') + "\n[Disk1]\n"});
}

void WriteCompressedFiles(const std::vector<Sample>& samples, std::vector<Seed>& seeds) {
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const Sample& sample = samples[i];
        const std::string stem = std::to_string(i) + "-" + fs::path(sample.installedName).filename().string();
        const std::string compressed = disks::CompressSzdd(sample.bytes, 't');
        seeds.push_back({"szdd-expand", stem + ".szdd", compressed});
        seeds.push_back({"szdd-expand", stem + ".plain", sample.bytes});
        if (compressed.size() < 16) continue;
        // Cut short, announcing more than it holds, announcing less, and damaged part-way.
        seeds.push_back({"szdd-expand", stem + "-cut.szdd", compressed.substr(0, compressed.size() / 2)});
        std::string longer = compressed;
        longer[13] = static_cast<char>(longer[13] + 1);
        seeds.push_back({"szdd-expand", stem + "-longer.szdd", longer});
        std::string shorter = compressed;
        shorter[10] = 1;
        shorter[11] = shorter[12] = shorter[13] = 0;
        seeds.push_back({"szdd-expand", stem + "-shorter.szdd", shorter});
        std::string flipped = compressed;
        flipped[flipped.size() / 2] = static_cast<char>(~flipped[flipped.size() / 2]);
        seeds.push_back({"szdd-expand", stem + "-flipped.szdd", flipped});
    }
    // The QBasic variant of the header: the length follows the signature directly.
    const std::string classic = disks::CompressSzdd("kiva kiva kiva kiva");
    seeds.push_back({"szdd-expand", "qbasic.szdd", std::string("SZ \x88\xF0\x27\x33\xD1", 8) + classic.substr(10)});
}

}  // namespace

std::vector<Seed> InstallerSeeds(const fs::path& catalogue, const fs::path& helpPages) {
    const std::vector<Sample> samples = Samples(catalogue, helpPages);
    std::vector<Seed> seeds;
    WriteDescriptions(samples, seeds);
    WriteCompressedFiles(samples, seeds);
    return seeds;
}

}  // namespace kiva::fuzz
