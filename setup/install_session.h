// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the installer knows for its whole run: the description read from Setup.ini, the
// destination the user confirmed, and the progress of the copy.
#include <cstdint>
#include <string>
#include <vector>

namespace kiva::setup {

// The files of one distribution disk, in the order they are copied. Names use '/' between
// directories; both lists have the same length.
struct DiskFiles {
    std::vector<std::string> sourceNames;  // relative to the disk's directory
    std::vector<std::string> destNames;    // relative to the destination directory
};

struct InstallSession {
    int diskCount = 0;
    int originalSizeKB = 0;        // the announced installed size
    std::string installPath;       // from Setup.ini, then the directory the user confirmed
    std::string sourceDir;         // where files are read from; ends with '/'
    std::vector<DiskFiles> disks;  // one entry per disk
    std::string iniText;           // the whole of Setup.ini, kept until the flow ends
    std::int64_t chunkSize = 0;    // bytes per percent of progress
    std::int64_t bytesCopied = 0;
    bool abortRequested = false;
};

// One percent of the announced size in bytes, never below one byte.
std::int64_t ChunkSizeFor(int originalSizeKB);

// The bytes read and written per expansion step: the chunk size, kept within limits so a tiny
// announced size cannot make the copy crawl and a huge one cannot claim gigabytes of memory.
std::size_t ExpansionBufferSize(std::int64_t chunkSize);

// The progress bar's position, 0 to 100 for the announced size and beyond it when more arrives.
std::int64_t ProgressPosition(const InstallSession& session);

// The description's file lists and text are no longer needed.
void ReleaseDescription(InstallSession& session);

}  // namespace kiva::setup
