// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/lz_expand.h"

#include <fcntl.h>
#include <mspack.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace kiva::setup {

namespace {

constexpr std::array<unsigned char, 8> kSzddSignature = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33};
constexpr std::array<unsigned char, 8> kQBasicSignature = {'S', 'Z', ' ', 0x88, 0xF0, 0x27, 0x33, 0xD1};

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads from `offset` until `size` bytes have come or the file ends; -1 on an error. Reading at
// an offset leaves the descriptor's own position alone, so readers of one descriptor never meet.
std::int64_t ReadFullyAt(int fd, char* buffer, std::size_t size, std::int64_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t count = ::pread(fd, buffer + done, size - done, static_cast<off_t>(offset) + static_cast<off_t>(done));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return -1;
        if (count == 0) break;
        done += static_cast<std::size_t>(count);
    }
    return static_cast<std::int64_t>(done);
}

// A file stored plain gives the bytes it held when it was opened: one that grows meanwhile is
// cut there, and one that shrinks is a read error rather than a shorter copy.
class PlainFile : public LzFile {
public:
    PlainFile(int fd, std::int64_t size, bool executable) : fd_(fd), size_(size) { executable_ = executable; }
    std::int64_t Read(char* buffer, std::size_t size) override {
        const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(size_ - position_, static_cast<std::int64_t>(size)));
        const std::int64_t count = ReadFullyAt(fd_.get(), buffer, wanted, position_);
        if (count != static_cast<std::int64_t>(wanted)) return -1;
        position_ += count;
        return count;
    }

private:
    FileDescriptor fd_;
    std::int64_t size_;
    std::int64_t position_ = 0;
};

// libmspack expands a whole file in one call and writes its output through callbacks. A worker
// thread makes that call and hands the output over through a ring of one megabyte, so the
// installer still reads a chunk at a time and can stop between chunks.
class SzddFile : public LzFile {
public:
    // Expands the regular file open as `fd`, `size` bytes long; the file is read through its
    // descriptor, so what was checked at the open is what gets expanded.
    SzddFile(int fd, std::int64_t size, bool executable);
    ~SzddFile() override;
    SzddFile(const SzddFile&) = delete;
    SzddFile& operator=(const SzddFile&) = delete;

    bool Start();
    std::int64_t Read(char* buffer, std::size_t size) override;

private:
    // A file that libmspack opens: the compressed input, or the expanded output that ends here.
    // The input is read with pread at a position of its own, so each handle keeps its place
    // and nothing is read beyond the size the file had when it was opened.
    struct Handle {
        int input = -1;  // the owner's descriptor, not this handle's to close
        std::int64_t position = 0;
        std::int64_t size = 0;
        SzddFile* output = nullptr;
    };
    struct System {
        mspack_system base;
        SzddFile* owner;
    };

    static mspack_file* Open(mspack_system* self, const char* filename, int mode);
    static void Close(mspack_file* file);
    static int ReadInput(mspack_file* file, void* buffer, int bytes);
    static int WriteOutput(mspack_file* file, void* buffer, int bytes);
    static int Seek(mspack_file* file, off_t offset, int mode);
    static off_t Tell(mspack_file* file);
    static void Message(mspack_file*, const char*, ...) {}
    static void* Alloc(mspack_system*, size_t bytes) { return std::malloc(bytes); }
    static void Free(void* pointer) { std::free(pointer); }
    static void Copy(void* source, void* destination, size_t bytes) { std::memmove(destination, source, bytes); }
    static Handle* HandleOf(mspack_file* file) { return reinterpret_cast<Handle*>(file); }

    void Expand();
    int Accept(const char* bytes, std::size_t count);

    static constexpr std::size_t kBufferSize = 1 << 20;
    // libmspack names the files it opens; this name stands for the descriptor.
    static constexpr const char* kInputName = "compressed input";

    FileDescriptor fd_;
    std::int64_t size_;
    System system_;
    msszdd_decompressor* decompressor_ = nullptr;
    msszddd_header* header_ = nullptr;
    std::thread worker_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<char> ring_ = std::vector<char>(kBufferSize);
    std::size_t head_ = 0;   // oldest byte not yet read
    std::size_t count_ = 0;  // bytes waiting in the ring
    std::size_t wanted_ = 0; // the reader sleeps until this many bytes wait, or the end
    bool producerWaiting_ = false;
    std::int64_t produced_ = 0;
    bool finished_ = false;
    bool failed_ = false;
    bool cancelled_ = false;
};

SzddFile::SzddFile(int fd, std::int64_t size, bool executable)
    : fd_(fd),
      size_(size),
      system_{{Open, Close, ReadInput, WriteOutput, Seek, Tell, Message, Alloc, Free, Copy, nullptr}, this} {
    executable_ = executable;
}

SzddFile::~SzddFile() {
    {
        const std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable()) worker_.join();
    if (header_) decompressor_->close(decompressor_, header_);
    if (decompressor_) mspack_destroy_szdd_decompressor(decompressor_);
}

bool SzddFile::Start() {
    decompressor_ = mspack_create_szdd_decompressor(&system_.base);
    if (!decompressor_) return false;
    header_ = decompressor_->open(decompressor_, kInputName);
    if (!header_ || header_->length < 0) return false;
    worker_ = std::thread([this] { Expand(); });
    return true;
}

void SzddFile::Expand() {
    const int error = decompressor_->extract(decompressor_, header_, "expanded output");
    const std::lock_guard lock(mutex_);
    finished_ = true;
    failed_ = error != MSPACK_ERR_OK || produced_ != header_->length;
    changed_.notify_all();
}

int SzddFile::Accept(const char* bytes, std::size_t count) {
    std::unique_lock lock(mutex_);
    // The header's length is what the file holds: anything expanded beyond it is dropped.
    const std::size_t kept = std::min(count, static_cast<std::size_t>(header_->length - produced_));
    std::size_t done = 0;
    while (done < kept) {
        producerWaiting_ = true;
        changed_.wait(lock, [this] { return cancelled_ || count_ < ring_.size(); });
        producerWaiting_ = false;
        if (cancelled_) return -1;
        const std::size_t tail = (head_ + count_) % ring_.size();
        const std::size_t part = std::min({kept - done, ring_.size() - count_, ring_.size() - tail});
        // The reader never touches the free part of the ring, so the copy needs no lock.
        lock.unlock();
        std::memcpy(ring_.data() + tail, bytes + done, part);
        lock.lock();
        count_ += part;
        done += part;
        if (wanted_ > 0 && count_ >= wanted_) changed_.notify_all();
    }
    produced_ += static_cast<std::int64_t>(kept);
    return static_cast<int>(count);
}

std::int64_t SzddFile::Read(char* buffer, std::size_t size) {
    std::unique_lock lock(mutex_);
    std::size_t delivered = 0;
    while (delivered < size) {
        // Wake once a whole chunk is ready rather than for every piece the expander writes.
        wanted_ = std::min(size - delivered, ring_.size());
        changed_.wait(lock, [this] { return count_ >= wanted_ || finished_; });
        wanted_ = 0;
        if (count_ == 0) break;
        const std::size_t part = std::min({size - delivered, count_, ring_.size() - head_});
        lock.unlock();
        std::memcpy(buffer + delivered, ring_.data() + head_, part);
        lock.lock();
        head_ = (head_ + part) % ring_.size();
        count_ -= part;
        delivered += part;
        if (producerWaiting_) changed_.notify_all();
    }
    if (finished_ && failed_ && count_ == 0) return -1;
    return static_cast<std::int64_t>(delivered);
}

mspack_file* SzddFile::Open(mspack_system* self, const char* filename, int mode) {
    SzddFile* owner = reinterpret_cast<System*>(self)->owner;
    if (mode == MSPACK_SYS_OPEN_WRITE) return reinterpret_cast<mspack_file*>(new Handle{-1, 0, 0, owner});
    if (mode != MSPACK_SYS_OPEN_READ || std::strcmp(filename, kInputName) != 0) return nullptr;
    return reinterpret_cast<mspack_file*>(new Handle{owner->fd_.get(), 0, owner->size_, nullptr});
}

void SzddFile::Close(mspack_file* file) { delete HandleOf(file); }

int SzddFile::ReadInput(mspack_file* file, void* buffer, int bytes) {
    Handle* handle = HandleOf(file);
    if (handle->input < 0 || bytes < 0) return -1;
    const std::int64_t left = std::max<std::int64_t>(0, handle->size - handle->position);
    const std::int64_t count =
        ReadFullyAt(handle->input, static_cast<char*>(buffer), static_cast<std::size_t>(std::min<std::int64_t>(left, bytes)),
                    handle->position);
    if (count < 0) return -1;
    handle->position += count;
    return static_cast<int>(count);
}

int SzddFile::WriteOutput(mspack_file* file, void* buffer, int bytes) {
    Handle* handle = HandleOf(file);
    if (!handle->output || bytes < 0) return -1;
    return handle->output->Accept(static_cast<const char*>(buffer), static_cast<std::size_t>(bytes));
}

int SzddFile::Seek(mspack_file* file, off_t offset, int mode) {
    Handle* handle = HandleOf(file);
    if (handle->input < 0) return -1;
    const std::int64_t base = mode == MSPACK_SYS_SEEK_START ? 0 : mode == MSPACK_SYS_SEEK_CUR ? handle->position : handle->size;
    const std::int64_t target = base + offset;
    if (target < 0) return -1;
    handle->position = target;
    return 0;
}

off_t SzddFile::Tell(mspack_file* file) {
    Handle* handle = HandleOf(file);
    return handle->input >= 0 ? static_cast<off_t>(handle->position) : -1;
}

bool StartsWith(const std::array<unsigned char, 8>& head, const std::array<unsigned char, 8>& signature) {
    return head == signature;
}

}  // namespace

std::unique_ptr<LzFile> LzOpen(const std::string& path) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer that may never come.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    // Only a regular file has an end: a device such as /dev/zero, a FIFO or a directory is
    // refused before a byte is read.
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || ::fcntl(fd, F_SETFL, 0) != 0) {
        ::close(fd);
        return nullptr;
    }
    const bool executable = (status.st_mode & S_IXUSR) != 0;
    const std::int64_t size = status.st_size;
    std::array<unsigned char, 8> head{};
    const std::int64_t headSize = ReadFullyAt(fd, reinterpret_cast<char*>(head.data()), head.size(), 0);
    if (headSize < 0) {
        ::close(fd);
        return nullptr;
    }
    const bool compressed = headSize == static_cast<std::int64_t>(head.size()) &&
                            (StartsWith(head, kSzddSignature) || StartsWith(head, kQBasicSignature));
    if (!compressed) return std::make_unique<PlainFile>(fd, size, executable);
    auto file = std::make_unique<SzddFile>(fd, size, executable);
    if (!file->Start()) return nullptr;
    return file;
}

}  // namespace kiva::setup
