// SPDX-License-Identifier: GPL-2.0-or-later
// The installer's expansion and the disk builder's compression, in bytes per second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "setup/lz_expand.h"
#include "tools/disks/szdd_compress.h"

namespace {

// Binary-like content: stretches of noise, text and zeros, as in a program file.
std::string ProgramLikeBytes(std::size_t size) {
    std::mt19937 generator(17);
    std::string bytes;
    while (bytes.size() < size) {
        switch (generator() % 3) {
        case 0: for (int i = 0; i < 2000; ++i) bytes += static_cast<char>(generator() & 0xFF); break;
        case 1: bytes += "kiva::setup::ExpandFile(InstallSession&, std::string const&) "; break;
        default: bytes.append(3000, '\0'); break;
        }
    }
    bytes.resize(size);
    return bytes;
}

std::string CompressedFile(const std::string& name, const std::string& bytes) {
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::ofstream(path, std::ios::binary) << kiva::disks::CompressSzdd(bytes);
    return path;
}

void BM_ExpandFile(benchmark::State& state, const std::string& path, std::size_t size) {
    std::vector<char> buffer(1 << 20);
    for (auto _ : state) {
        const auto file = kiva::setup::LzOpen(path);
        std::int64_t total = 0;
        for (std::int64_t count = 0; (count = file->Read(buffer.data(), buffer.size())) > 0;) total += count;
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void BM_ExpandProgramLike(benchmark::State& state) {
    static const std::string path = CompressedFile("kiva_bench_program._", ProgramLikeBytes(32 << 20));
    BM_ExpandFile(state, path, 32 << 20);
}
BENCHMARK(BM_ExpandProgramLike)->Unit(benchmark::kMillisecond);

void BM_ExpandZeros(benchmark::State& state) {
    static const std::string path = CompressedFile("kiva_bench_zeros._", std::string(64 << 20, '\0'));
    BM_ExpandFile(state, path, 64 << 20);
}
BENCHMARK(BM_ExpandZeros)->Unit(benchmark::kMillisecond);

void BM_CompressProgramLike(benchmark::State& state) {
    const std::string bytes = ProgramLikeBytes(8 << 20);
    for (auto _ : state) benchmark::DoNotOptimize(kiva::disks::CompressSzdd(bytes));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_CompressProgramLike)->Unit(benchmark::kMillisecond);

}  // namespace
