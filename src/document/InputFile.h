#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

class Notices;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// A file opened for reading, with its size taken when it was opened.
struct InputFile {
    FilePtr File;
    uint64_t Size = 0;
};

// True when something exists at the path (UTF-8).
bool FileExists(const std::string& path);

// Opens a file for reading, or gives nullopt when nothing exists at the path. A folder, a named
// pipe, a device or a file that cannot be opened is an error "Cannot open file "<path>". <reason>";
// the check never waits for a pipe's writer.
std::optional<InputFile> OpenInputFile(const std::string& path);

// Tells the user that nothing exists at the path, as every reader of a return file does: a beep
// and the error box "The File <path> does not exist!".
void ReportMissingFile(Notices& notices, std::string_view path);
// As OpenInputFile, with a missing file reported to the user.
std::optional<InputFile> OpenInputFileOrReport(const std::string& path, Notices& notices);

} // namespace qv
