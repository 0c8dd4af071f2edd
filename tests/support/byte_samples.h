// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Contents that exercise a compressor: nothing, one byte, long runs, text, noise, and a mix
// longer than the compression window.
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace kiva::testing {

inline std::string RandomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(generator() & 0xFF);
    return bytes;
}

inline std::vector<std::pair<std::string, std::string>> ByteSamples() {
    std::string text;
    for (int i = 0; i < 400; ++i) text += "Sodium chloride forms cubic crystals, line " + std::to_string(i % 37) + ".\n";
    std::string mixed;
    for (int i = 0; i < 40; ++i) mixed += RandomBytes(997, static_cast<std::uint32_t>(i % 5)) + std::string(300, 'x');
    return {
        {"empty", ""},
        {"one_byte", "A"},
        {"spaces", std::string(5000, ' ')},
        {"repetitive", std::string(70000, 'z') + "ab" + std::string(20000, 'z')},
        {"text", text},
        {"random", RandomBytes(100000, 7)},
        {"mixed", mixed},
    };
}

// Runs a shell command line; true when it exits with 0.
inline bool RunCommand(const std::string& command) { return std::system(command.c_str()) == 0; }

}  // namespace kiva::testing
