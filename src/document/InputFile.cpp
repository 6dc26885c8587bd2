#include "InputFile.h"

#include "AtomicFile.h"
#include "Error.h"
#include "Notices.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
    if (!file)
        throw Error(msg::Format(msg::CannotOpenFile, {path, std::strerror(errno)}));
    const uintmax_t size = fs::file_size(fsPath, ec);
    if (ec)
        throw Error(msg::Format(msg::CannotOpenFile, {path, ec.message()}));
#else
    // Opened without waiting, so that a named pipe or a device cannot hold the program up; only a
    // regular file is read, and its size is taken from what was opened.
    const int fd = ::open(fsPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw Error(msg::Format(msg::CannotOpenFile, {path, std::strerror(errno)}));
    struct stat st {};
    std::string refused;
    if (::fstat(fd, &st) != 0)
        refused = std::strerror(errno);
    else if (S_ISDIR(st.st_mode))
        refused = std::strerror(EISDIR);
    else if (!S_ISREG(st.st_mode))
        refused = "It is not a regular file.";
    if (!refused.empty()) {
        ::close(fd);
        throw Error(msg::Format(msg::CannotOpenFile, {path, refused}));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FilePtr file(::fdopen(fd, "rb"));
    if (!file) {
        const int error = errno;
        ::close(fd);
        throw Error(msg::Format(msg::CannotOpenFile, {path, std::strerror(error)}));
    }
    const auto size = static_cast<uintmax_t>(st.st_size);
#endif
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
