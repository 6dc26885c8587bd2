#include "InputFile.h"

#include "AtomicFile.h"
#include "Error.h"
#include "Notices.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace qv {

namespace fs = std::filesystem;

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(PathFromUtf8(path), ec);
}

std::optional<InputFile> OpenInputFile(const std::string& path) {
    const fs::path fsPath = PathFromUtf8(path);
    std::error_code ec;
    if (!fs::exists(fsPath, ec))
        return std::nullopt;
    if (fs::is_directory(fsPath, ec))
        throw Error(msg::Format(msg::CannotOpenFile, {path, std::strerror(EISDIR)}));
    errno = 0;
#ifdef _WIN32
    FilePtr file(_wfopen(fsPath.c_str(), L"rb"));
#else
    FilePtr file(std::fopen(fsPath.c_str(), "rb"));
#endif
    if (!file)
        throw Error(msg::Format(msg::CannotOpenFile, {path, std::strerror(errno)}));
    const uintmax_t size = fs::file_size(fsPath, ec);
    if (ec)
        throw Error(msg::Format(msg::CannotOpenFile, {path, ec.message()}));
    return InputFile{std::move(file), static_cast<uint64_t>(size)};
}

void ReportMissingFile(Notices& notices, std::string_view path) {
    notices.Beep();
    notices.Error(msg::FileDoesNotExist(path));
}

std::optional<InputFile> OpenInputFileOrReport(const std::string& path, Notices& notices) {
    std::optional<InputFile> file = OpenInputFile(path);
    if (!file)
        ReportMissingFile(notices, path);
    return file;
}

} // namespace qv
