// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/install_session.h"

#include <algorithm>

namespace kiva::setup {

namespace {
constexpr std::int64_t kMinimumBuffer = 4096;
constexpr std::int64_t kMaximumBuffer = 1 << 20;
}  // namespace

std::int64_t ChunkSizeFor(int originalSizeKB) {
    return std::max<std::int64_t>(1, std::int64_t{originalSizeKB} * 1024 / 100);
}

std::size_t ExpansionBufferSize(std::int64_t chunkSize) {
    return static_cast<std::size_t>(std::clamp(chunkSize, kMinimumBuffer, kMaximumBuffer));
}

std::int64_t ProgressPosition(const InstallSession& session) {
    return session.chunkSize > 0 ? session.bytesCopied / session.chunkSize : 0;
}

void ReleaseDescription(InstallSession& session) {
    session.disks.clear();
    session.disks.shrink_to_fit();
    session.iniText.clear();
    session.iniText.shrink_to_fit();
}

}  // namespace kiva::setup
