// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/expand_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <vector>

#include "platform/text_fields.h"
#include "setup/lz_expand.h"

namespace kiva::setup {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { Reset(); }
    Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            Reset();
            fd_ = other.fd_;
            other.fd_ = -1;
        }
        return *this;
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now; false when the close reports an error, such as data that could not be written.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    void Reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    int fd_;
};

// Opens a directory below `parent`, creating it; a symbolic link in its place is replaced.
Descriptor EnterDirectory(int parent, const std::string& name) {
    ::mkdirat(parent, name.c_str(), 0777);
    Descriptor directory(::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (directory.valid()) return directory;
    struct stat status {};
    if (::fstatat(parent, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(status.st_mode) &&
        ::unlinkat(parent, name.c_str(), 0) == 0 && ::mkdirat(parent, name.c_str(), 0777) == 0)
        return Descriptor(::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    return Descriptor();
}

// Creates the destination file afresh: whatever file or link had its name is removed first.
Descriptor CreateDestination(const std::string& installPath, const std::string& destName, bool executable) {
    const std::vector<std::string> parts = SplitFields(destName, '/');
    if (parts.empty()) return Descriptor();
    Descriptor directory(::open(installPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (std::size_t i = 0; directory.valid() && i + 1 < parts.size(); ++i)
        directory = EnterDirectory(directory.get(), parts[i]);
    if (!directory.valid()) return Descriptor();
    const std::string& fileName = parts.back();
    struct stat status {};
    if (::fstatat(directory.get(), fileName.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(status.st_mode))
        ::unlinkat(directory.get(), fileName.c_str(), 0);
    const mode_t mode = executable ? 0777 : 0666;
    return Descriptor(::openat(directory.get(), fileName.c_str(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
}

bool WriteFully(int fd, const char* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t written = ::write(fd, bytes, count);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

ExpandResult ExpandFile(InstallSession& session, const std::string& sourceName, const std::string& destName,
                        PageRunner& pages) {
    const std::unique_ptr<LzFile> source = LzOpen(session.sourceDir + sourceName);
    if (!source) return ExpandResult::SourceUnreadable;
    Descriptor destination = CreateDestination(session.installPath, destName, source->executable());
    if (!destination.valid()) return ExpandResult::DestinationUncreatable;

    std::vector<char> buffer(ExpansionBufferSize(session.chunkSize));
    for (;;) {
        const std::int64_t count = source->Read(buffer.data(), buffer.size());
        if (count < 0) return ExpandResult::ReadError;
        if (!WriteFully(destination.get(), buffer.data(), static_cast<std::size_t>(count)))
            return ExpandResult::WriteError;
        pages.ProcessEvents();
        if (session.abortRequested) return ExpandResult::Aborted;
        session.bytesCopied += count;
        pages.SetProgressPosition(ProgressPosition(session));
        if (static_cast<std::size_t>(count) < buffer.size()) break;
    }
    return destination.Close() ? ExpandResult::Done : ExpandResult::WriteError;
}

}  // namespace kiva::setup
