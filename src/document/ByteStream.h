#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Sequential reading of a file or of bytes in memory through a buffer. Every read that runs out of
// bytes raises "Stream read error". The total size is known up front, so a length announced by the
// data can be checked against what remains before anything that large is allocated.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> memory);
    // Reads the open file from its current position; `size` is the file's total size.
    ByteReader(std::FILE* file, uint64_t size);
    ByteReader(const ByteReader&) = delete;
    ByteReader& operator=(const ByteReader&) = delete;

    uint64_t Size() const { return size_; }
    uint64_t Position() const { return bufferPos_ + static_cast<uint64_t>(cur_ - begin_); }
    uint64_t Remaining() const { return size_ - Position(); }

    uint8_t ReadByte() {
        if (cur_ == end_ && !Refill())
            Fail();
        return *cur_++;
    }
    uint8_t PeekByte() {
        if (cur_ == end_ && !Refill())
            Fail();
        return *cur_;
    }
    // Copies n bytes; when fewer remain, copies what there is and then fails.
    void Read(void* destination, size_t n);
    // n bytes as a string; fails before allocating when fewer than n remain.
    std::string ReadString(size_t n);
    // Appends n bytes to `out`; fails before allocating when fewer than n remain.
    void AppendTo(std::string& out, size_t n);
    void Skip(uint64_t n);
    // The next n bytes without copying, when the buffer holds them all; advances past them.
    bool TryView(size_t n, std::string_view& view) {
        if (static_cast<size_t>(end_ - cur_) < n)
            return false;
        view = std::string_view(reinterpret_cast<const char*>(cur_), n);
        cur_ += n;
        return true;
    }

    [[noreturn]] static void Fail();

private:
    bool Refill();

    std::FILE* file_ = nullptr;
    uint64_t size_ = 0;
    uint64_t bufferPos_ = 0; // stream position of begin_
    std::vector<uint8_t> buffer_;
    const uint8_t* begin_ = nullptr;
    const uint8_t* cur_ = nullptr;
    const uint8_t* end_ = nullptr;
};

// Sequential writing to a file or to a string through a buffer. A failed write to the file raises
// "Stream write error: "<name>": <cause>". Flush() must be called at the end; the destructor does not write.
class ByteWriter {
public:
    explicit ByteWriter(std::string& memory);
    // `name` is the file as the user knows it, for the message of a failed write.
    ByteWriter(std::FILE* file, std::string name);
    ByteWriter(const ByteWriter&) = delete;
    ByteWriter& operator=(const ByteWriter&) = delete;

    void WriteByte(uint8_t b) {
        if (cur_ == end_)
            Drain();
        *cur_++ = b;
    }
    void Write(const void* data, size_t n);
    void Flush();
    uint64_t Position() const { return flushed_ + static_cast<uint64_t>(cur_ - buffer_.data()); }

private:
    void Drain();

    std::string* memory_ = nullptr;
    std::FILE* file_ = nullptr;
    std::string name_;
    uint64_t flushed_ = 0;
    std::vector<uint8_t> buffer_;
    uint8_t* cur_ = nullptr;
    uint8_t* end_ = nullptr;
};

} // namespace qv
