// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The expansion service: a distribution file is read as its expanded bytes, whether it was
// compressed in the SZDD format (as the classic COMPRESS tool writes it) or stored plain.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace kiva::setup {

class LzFile {
public:
    virtual ~LzFile() = default;  // closes the file
    // Up to `size` expanded bytes; fewer only at the end of the file; negative on a read error,
    // including compressed data that end before the length their header announces.
    virtual std::int64_t Read(char* buffer, std::size_t size) = 0;
    // Whether the file on the disk may be run, so its installed copy may be run too.
    bool executable() const { return executable_; }

protected:
    bool executable_ = false;
};

// Opens a file for expansion; nothing when it cannot be opened or its compressed header is
// damaged.
std::unique_ptr<LzFile> LzOpen(const std::string& path);

}  // namespace kiva::setup
