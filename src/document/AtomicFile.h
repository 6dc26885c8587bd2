#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace qv {

// Converts between the program's UTF-8 path texts and file-system paths.
std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string PathToUtf8(const std::filesystem::path& path);

// True when the two paths name one file: the same device and inode however they are spelt, also
// through symbolic or hard links. Two paths of which one does not exist yet are the same file when
// they lead to the same place once their links are followed.
bool SameFile(const std::string& aUtf8, const std::string& bUtf8);

// The file a path writes to: the path itself, or what its chain of symbolic links ends at (also
// when that file does not exist yet). A chain of more than 40 links is an error.
std::filesystem::path WriteTarget(const std::filesystem::path& path);

// Writes a file so that it is replaced only when complete: the bytes go to a temporary file in the
// same folder, which Commit flushes to the disk and renames over the target. Without a Commit (an
// error on the way) the temporary file is removed and the earlier file stays as it was. A target
// that is a symbolic link is written through: the file it points to gets the bytes (and is created
// if missing), the link stays.
//
// The temporary file is named after the target and this process (".NAME.<pid>-<random>.tmp"); one
// left behind by a process that was killed is removed by the next save of the same target.
class AtomicFileWriter {
public:
    enum class Mode {
        Replace,  // an existing target is replaced
        CreateNew // the target must not exist: of two writers, exactly one creates it
    };

    // Creates the temporary file; failure is "Cannot create file "<target>". <reason>".
    explicit AtomicFileWriter(const std::string& targetUtf8, Mode mode = Mode::Replace);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    std::FILE* File() const { return file_; }
    // The target as the user named it, for messages.
    const std::string& Target() const { return targetUtf8_; }
    // Flushes, syncs, closes and renames over the target (or, under CreateNew, links it in place
    // only if nothing is there, else "The File <target> already exists!").
    void Commit();

private:
    void Discard() noexcept;
    void RemoveStaleTemporaries() const;

    std::string targetUtf8_;
    Mode mode_;
    std::filesystem::path target_;
    std::filesystem::path temp_;
    std::FILE* file_ = nullptr;
};

} // namespace qv
