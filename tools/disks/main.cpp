// SPDX-License-Identifier: GPL-2.0-or-later
// kiva-mkdisks: the distribution disks, built from a build's programs, catalogue and help.
#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "tools/disks/disk_layout.h"

namespace {

constexpr const char* kUsage =
    "usage: kiva-mkdisks BUILD_DIR OUT_DIR [--disk-size SIZE] [--install-path PATH]\n"
    "  BUILD_DIR     where kiva, setup, Molecule.dat, Index.dat, PhasePoints.dat and help/ lie (build/bin)\n"
    "  OUT_DIR       receives disk1, disk2, ...; run OUT_DIR/disk1/setup to install\n"
    "  --disk-size   bytes per disk, or with K or M: 1440K (the default), 4M\n"
    "  --install-path  the proposed destination, under the home directory unless it starts with a backslash\n";

// "1440K", "4M" or a plain number of bytes.
std::optional<std::uint64_t> ParseSize(const std::string& text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || value == 0) return std::nullopt;
    const std::string unit(end, text.data() + text.size());
    if (unit.empty()) return value;
    if (unit == "K" || unit == "k") return value * 1024;
    if (unit == "M" || unit == "m") return value * 1024 * 1024;
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    kiva::disks::DiskOptions options;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--disk-size" && hasValue) {
            const auto size = ParseSize(args[++i]);
            if (!size) {
                std::cerr << "kiva-mkdisks: not a disk size: " << args[i] << "\n" << kUsage;
                return 2;
            }
            options.capacity = *size;
        } else if (args[i] == "--install-path" && hasValue) {
            options.installPath = args[++i];
        } else if (args[i].starts_with("-")) {
            std::cerr << kUsage;
            return 2;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2) {
        std::cerr << kUsage;
        return 2;
    }
    options.buildDirectory = positional[0];
    options.outDirectory = positional[1];
    try {
        const int disks = kiva::disks::MakeDisks(options);
        std::cout << "kiva-mkdisks: " << disks << (disks == 1 ? " disk" : " disks") << " in " << options.outDirectory
                  << "; install with " << options.outDirectory << "/disk1/setup\n";
        return 0;
    } catch (const kiva::disks::DiskError& error) {
        std::cerr << "kiva-mkdisks: " << error.what() << "\n";
        return 1;
    }
}
