// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A file written under a temporary name beside its target and renamed over the target only when
// it is complete, so a cancelled or failed write leaves nothing under the target's name and the
// file that was there before stays intact.
#include <string>

namespace kiva {

class PendingFile {
public:
    // Creates the empty temporary file in the target's folder; Created() tells whether it could.
    explicit PendingFile(std::string target);
    // Removes the temporary file unless it was committed.
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    bool Created() const { return !temporary_.empty(); }
    // The system's reason when creating or committing failed.
    const std::string& Reason() const { return reason_; }
    const std::string& TemporaryPath() const { return temporary_; }

    // Renames the finished file into place; false, with the reason, when it cannot.
    bool Commit();

private:
    std::string target_;
    std::string temporary_;
    std::string reason_;
    bool committed_ = false;
};

}  // namespace kiva
