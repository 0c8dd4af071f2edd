// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/binary_archive.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <utility>

namespace kiva {

static_assert(std::endian::native == std::endian::little, "the archive reads and writes little-endian memory");

FileException::FileException(Cause cause, const std::string& path, const std::string& what)
    : std::runtime_error(what), cause_(cause), path_(path) {}

ArchiveReader::ArchiveReader(const std::string& path, std::size_t bufferSize) : name_(path) {
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) Fail(FileException::Cause::OpenFailed, "Cannot open \"" + path + "\": " + std::strerror(errno) + ".");
    const bool sized = std::fseek(file_, 0, SEEK_END) == 0;
    const long end = sized ? std::ftell(file_) : -1;
    if (end < 0 || std::fseek(file_, 0, SEEK_SET) != 0) {
        std::fclose(std::exchange(file_, nullptr));
        Fail(FileException::Cause::ReadError, "Cannot read \"" + path + "\".");
    }
    size_ = static_cast<std::uint64_t>(end);
    buffer_.resize(bufferSize > 0 ? bufferSize : 1);
}

ArchiveReader ArchiveReader::FromBytes(std::string bytes, std::string name) {
    ArchiveReader reader;
    reader.name_ = std::move(name);
    reader.buffer_.assign(bytes.begin(), bytes.end());
    reader.bufferEnd_ = reader.buffer_.size();
    reader.size_ = reader.buffer_.size();
    return reader;
}

ArchiveReader::ArchiveReader(ArchiveReader&& other) noexcept { *this = std::move(other); }

ArchiveReader& ArchiveReader::operator=(ArchiveReader&& other) noexcept {
    if (this != &other) {
        if (file_) std::fclose(file_);
        name_ = std::move(other.name_);
        file_ = std::exchange(other.file_, nullptr);
        buffer_ = std::move(other.buffer_);
        bufferStart_ = other.bufferStart_;
        bufferEnd_ = other.bufferEnd_;
        position_ = other.position_;
        size_ = other.size_;
    }
    return *this;
}

ArchiveReader::~ArchiveReader() {
    if (file_) std::fclose(file_);
}

void ArchiveReader::Fail(FileException::Cause cause, const std::string& what) const {
    throw FileException(cause, name_, what);
}

void ArchiveReader::Seek(std::int64_t offset) {
    if (offset < 0 || static_cast<std::uint64_t>(offset) > size_)
        Fail(FileException::Cause::Malformed, "\"" + name_ + "\" has no byte at offset " + std::to_string(offset) + ".");
    if (file_) {
        if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0)
            Fail(FileException::Cause::ReadError, "Cannot read \"" + name_ + "\".");
        bufferStart_ = bufferEnd_ = 0;
    } else {
        bufferStart_ = static_cast<std::size_t>(offset);
    }
    position_ = static_cast<std::uint64_t>(offset);
}

void ArchiveReader::Refill() {
    if (!file_) Fail(FileException::Cause::EndOfFile, "\"" + name_ + "\" ends too early.");
    const std::size_t got = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (got == 0) {
        if (std::ferror(file_)) Fail(FileException::Cause::ReadError, "Cannot read \"" + name_ + "\".");
        Fail(FileException::Cause::EndOfFile, "\"" + name_ + "\" ends too early.");
    }
    bufferStart_ = 0;
    bufferEnd_ = got;
}

void ArchiveReader::ReadBytes(void* destination, std::size_t count) {
    auto* out = static_cast<unsigned char*>(destination);
    while (count > 0) {
        if (bufferStart_ == bufferEnd_) Refill();
        const std::size_t chunk = std::min(count, bufferEnd_ - bufferStart_);
        std::memcpy(out, buffer_.data() + bufferStart_, chunk);
        out += chunk;
        bufferStart_ += chunk;
        position_ += chunk;
        count -= chunk;
    }
}

std::int32_t ArchiveReader::ReadInt32() {
    std::int32_t value;
    ReadBytes(&value, sizeof value);
    return value;
}

float ArchiveReader::ReadFloat() {
    float value;
    ReadBytes(&value, sizeof value);
    return value;
}

std::uint64_t ArchiveReader::Remaining() const { return position_ < size_ ? size_ - position_ : 0; }

void ArchiveWriter::WriteBytes(const void* source, std::size_t count) {
    bytes_.append(static_cast<const char*>(source), count);
}

void ArchiveWriter::WriteInt32(std::int32_t value) { WriteBytes(&value, sizeof value); }

void ArchiveWriter::WriteFloat(float value) { WriteBytes(&value, sizeof value); }

void WriteFileReplacing(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".saving";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        throw FileException(FileException::Cause::OpenFailed, path,
                            "Cannot create \"" + path + "\": " + std::strerror(errno) + ".");
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(temporary.c_str());
        throw FileException(FileException::Cause::WriteFailed, path, "Cannot write \"" + path + "\": " + reason + ".");
    }
}

}  // namespace kiva
