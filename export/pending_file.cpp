// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/pending_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace kiva {

namespace {

constexpr int kNameTries = 100;  // temporary names tried before giving up

}  // namespace

PendingFile::PendingFile(std::string target) : target_(std::move(target)) {
    const std::filesystem::path path(target_);
    if (std::filesystem::is_directory(path)) {
        reason_ = std::strerror(EISDIR);
        return;
    }
    // Hidden, so a file manager does not show the unfinished file; the mode is the user's umask.
    const std::string stem = (path.parent_path() / ("." + path.filename().string())).string();
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        const std::string candidate = stem + "." + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".part";
        const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            close(fd);
            temporary_ = candidate;
            return;
        }
        if (errno != EEXIST) break;
    }
    reason_ = std::strerror(errno);
}

PendingFile::~PendingFile() {
    if (Created() && !committed_) std::remove(temporary_.c_str());
}

bool PendingFile::Commit() {
    if (!Created()) return false;
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        reason_ = std::strerror(errno);
        return false;
    }
    committed_ = true;
    return true;
}

}  // namespace kiva
