// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A buffered little-endian binary reader and writer: 32-bit integers, 32-bit floats and raw byte
// blocks. Every failure (a file that will not open, a read error, an early end, a malformed
// count) raises one FileException.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kiva {

class FileException : public std::runtime_error {
public:
    enum class Cause { OpenFailed, ReadError, EndOfFile, Malformed, WriteFailed };
    FileException(Cause cause, const std::string& path, const std::string& what);
    Cause cause() const { return cause_; }
    const std::string& path() const { return path_; }

private:
    Cause cause_;
    std::string path_;
};

class ArchiveReader {
public:
    // Reads a file from its start, through a buffer of bufferSize bytes.
    explicit ArchiveReader(const std::string& path, std::size_t bufferSize = 4096);
    // Reads bytes held in memory; `name` names them in messages.
    static ArchiveReader FromBytes(std::string bytes, std::string name = "memory");

    ArchiveReader(ArchiveReader&&) noexcept;
    ArchiveReader& operator=(ArchiveReader&&) noexcept;
    ~ArchiveReader();

    // Moves to a byte offset from the start; an offset outside the data is malformed.
    void Seek(std::int64_t offset);
    void ReadBytes(void* destination, std::size_t count);
    std::int32_t ReadInt32();
    float ReadFloat();
    // Bytes left between the position and the end: the bound for any count read from the data.
    std::uint64_t Remaining() const;
    const std::string& Name() const { return name_; }
    [[noreturn]] void Fail(FileException::Cause cause, const std::string& what) const;

private:
    ArchiveReader() = default;
    void Refill();

    std::string name_;
    std::FILE* file_ = nullptr;
    std::vector<unsigned char> buffer_;
    std::size_t bufferStart_ = 0;  // next unread byte in buffer_
    std::size_t bufferEnd_ = 0;    // end of valid bytes in buffer_
    std::uint64_t position_ = 0;   // offset of the next byte to read
    std::uint64_t size_ = 0;
};

class ArchiveWriter {
public:
    void WriteBytes(const void* source, std::size_t count);
    void WriteInt32(std::int32_t value);
    void WriteFloat(float value);
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Writes the bytes to a temporary file beside `path` and renames it into place, so a failed
// save never destroys the file that was there. Throws FileException.
void WriteFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace kiva
