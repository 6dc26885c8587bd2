#include "ByteStream.h"

#include "Error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace qv {

namespace {
constexpr size_t kBufferSize = 64 * 1024;
}

ByteReader::ByteReader(std::span<const uint8_t> memory)
    : size_(memory.size()), begin_(memory.data()), cur_(memory.data()), end_(memory.data() + memory.size()) {}

ByteReader::ByteReader(std::FILE* file, uint64_t size) : file_(file), size_(size), buffer_(kBufferSize) {
    long pos = std::ftell(file);
    bufferPos_ = pos > 0 ? static_cast<uint64_t>(pos) : 0;
    begin_ = cur_ = end_ = buffer_.data();
}

void ByteReader::Fail() {
    throw Error(std::string(msg::StreamReadError));
}

bool ByteReader::Refill() {
    if (file_ == nullptr)
        return false;
    bufferPos_ += static_cast<uint64_t>(end_ - begin_);
    size_t got = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    begin_ = cur_ = buffer_.data();
    end_ = begin_ + got;
    return got != 0;
}

void ByteReader::Read(void* destination, size_t n) {
    auto* out = static_cast<uint8_t*>(destination);
    while (n != 0) {
        if (cur_ == end_ && !Refill())
            Fail();
        size_t chunk = std::min(n, static_cast<size_t>(end_ - cur_));
        std::memcpy(out, cur_, chunk);
        cur_ += chunk;
        out += chunk;
        n -= chunk;
    }
}

std::string ByteReader::ReadString(size_t n) {
    std::string s;
    AppendTo(s, n);
    return s;
}

void ByteReader::AppendTo(std::string& out, size_t n) {
    if (n > Remaining())
        Fail();
    if (static_cast<size_t>(end_ - cur_) >= n) {
        out.append(reinterpret_cast<const char*>(cur_), n);
        cur_ += n;
        return;
    }
    size_t start = out.size();
    out.resize(start + n);
    Read(out.data() + start, n);
}

void ByteReader::Skip(uint64_t n) {
    if (n > Remaining())
        Fail();
    while (n != 0) {
        if (cur_ == end_ && !Refill())
            Fail();
        size_t chunk = static_cast<size_t>(std::min<uint64_t>(n, static_cast<uint64_t>(end_ - cur_)));
        cur_ += chunk;
        n -= chunk;
    }
}

ByteWriter::ByteWriter(std::string& memory) : memory_(&memory), buffer_(kBufferSize) {
    cur_ = buffer_.data();
    end_ = cur_ + buffer_.size();
    flushed_ = memory.size();
}

ByteWriter::ByteWriter(std::FILE* file, std::string name)
    : file_(file), name_(std::move(name)), buffer_(kBufferSize) {
    cur_ = buffer_.data();
    end_ = cur_ + buffer_.size();
}

void ByteWriter::Drain() {
    size_t n = static_cast<size_t>(cur_ - buffer_.data());
    if (n == 0)
        return;
    if (memory_ != nullptr) {
        memory_->append(reinterpret_cast<const char*>(buffer_.data()), n);
    } else {
        errno = 0;
        if (std::fwrite(buffer_.data(), 1, n, file_) != n)
            throw Error(msg::StreamWriteFailed(name_, errno));
    }
    flushed_ += n;
    cur_ = buffer_.data();
}

void ByteWriter::Write(const void* data, size_t n) {
    const auto* in = static_cast<const uint8_t*>(data);
    while (n != 0) {
        if (cur_ == end_)
            Drain();
        size_t chunk = std::min(n, static_cast<size_t>(end_ - cur_));
        std::memcpy(cur_, in, chunk);
        cur_ += chunk;
        in += chunk;
        n -= chunk;
    }
}

void ByteWriter::Flush() {
    Drain();
    errno = 0;
    if (file_ != nullptr && std::fflush(file_) != 0)
        throw Error(msg::StreamWriteFailed(name_, errno));
}

} // namespace qv
