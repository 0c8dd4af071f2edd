// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A full disk for as long as the object lives: no file of the process may grow past `bytes`, and
// a write beyond that fails (EFBIG) instead of ending the process. It holds for root too, as a
// read-only folder does not.
#include <sys/resource.h>

#include <csignal>

namespace kiva::testing {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : signal_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &kept_);
        rlimit limit = kept_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &kept_);
        std::signal(SIGXFSZ, signal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit kept_{};
    void (*signal_)(int);
};

}  // namespace kiva::testing
