#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace qv {

// Converts between the program's UTF-8 path texts and file-system paths.
std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string PathToUtf8(const std::filesystem::path& path);

// Writes a file so that it is replaced only when complete: the bytes go to a temporary file in the
// same folder, which Commit flushes to the disk and renames over the target. Without a Commit (an
// error on the way) the temporary file is removed and the earlier file stays as it was.
class AtomicFileWriter {
public:
    // Creates the temporary file; failure is "Cannot create file "<target>". <reason>".
    explicit AtomicFileWriter(const std::string& targetUtf8);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    std::FILE* File() const { return file_; }
    // Flushes, syncs, closes and renames over the target.
    void Commit();

private:
    void Discard() noexcept;

    std::string targetUtf8_;
    std::filesystem::path target_;
    std::filesystem::path temp_;
    std::FILE* file_ = nullptr;
};

} // namespace qv
