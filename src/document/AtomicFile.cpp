#include "AtomicFile.h"

#include "Error.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qv {

namespace fs = std::filesystem;

fs::path PathFromUtf8(const std::string& utf8) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string PathToUtf8(const fs::path& path) {
    std::u8string s = path.u8string();
    return std::string(reinterpret_cast<const char*>(s.data()), s.size());
}

namespace {

[[noreturn]] void CannotCreate(const std::string& target, const std::string& reason) {
    throw Error(msg::Format(msg::CannotCreateFile, {target, reason}));
}

[[noreturn]] void CannotCreate(const std::string& target, int error) {
    CannotCreate(target, std::string(std::strerror(error)));
}

[[noreturn]] void WriteFailed(const std::string& target, int error) {
    throw Error(msg::StreamWriteFailed(target, error));
}

bool SyncToDisk(std::FILE* f) {
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

void SyncFolder([[maybe_unused]] const fs::path& folder) {
#ifndef _WIN32
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

long ProcessId() {
#ifdef _WIN32
    return static_cast<long>(_getpid());
#else
    return static_cast<long>(::getpid());
#endif
}

// Whether a process of that number runs (or may run: one we may not signal counts as alive).
bool ProcessAlive([[maybe_unused]] long pid) {
#ifdef _WIN32
    return true;
#else
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
#endif
}

// The prefix of the temporary files of a target: ".NAME.".
std::string TempPrefix(const fs::path& target) {
    std::string prefix = ".";
    prefix += PathToUtf8(target.filename());
    prefix += '.';
    return prefix;
}

// Moves `from` to `to` only if nothing is at `to`: false when something is.
bool RenameNoReplace(const fs::path& from, const fs::path& to, std::error_code& ec) {
#if defined(__linux__)
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        ec = std::error_code(errno, std::generic_category());
        return false;
    }
#endif
#ifndef _WIN32
    // A file system without the atomic rename: a hard link is created only where nothing is.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return true;
    }
    if (errno == EEXIST)
        return false;
    ec = std::error_code(errno, std::generic_category());
    return false;
#else
    // MoveFile without MOVEFILE_REPLACE_EXISTING refuses an existing target.
    fs::path f = from, t = to;
    if (::_wrename(f.c_str(), t.c_str()) == 0)
        return true;
    if (errno == EEXIST || errno == EACCES)
        return false;
    ec = std::error_code(errno, std::generic_category());
    return false;
#endif
}

} // namespace

fs::path WriteTarget(const fs::path& path) {
    fs::path p = path;
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(p, ec))
            return p;
        const fs::path link = fs::read_symlink(p, ec);
        if (ec)
            return p;
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
    throw Error(msg::Format(msg::CannotCreateFile, {PathToUtf8(path), std::strerror(ELOOP)}));
}

bool SameFile(const std::string& aUtf8, const std::string& bUtf8) {
    const fs::path a = PathFromUtf8(aUtf8), b = PathFromUtf8(bUtf8);
    std::error_code ec1, ec2;
    const bool aExists = fs::exists(a, ec1), bExists = fs::exists(b, ec2);
    if (aExists && bExists) {
        std::error_code ec;
        return fs::equivalent(a, b, ec);
    }
    if (aExists != bExists)
        return false;
    // Neither exists: the same once their links and the spelling of their folders are resolved.
    std::error_code ec;
    return fs::weakly_canonical(WriteTarget(a), ec) == fs::weakly_canonical(WriteTarget(b), ec);
}

AtomicFileWriter::AtomicFileWriter(const std::string& targetUtf8, Mode mode)
    : targetUtf8_(targetUtf8), mode_(mode) {
    // Write beside the file a symbolic link points to, so the link itself survives.
    target_ = WriteTarget(PathFromUtf8(targetUtf8));
    if (target_.filename().empty())
        CannotCreate(targetUtf8_, EISDIR);
    RemoveStaleTemporaries();
    const fs::path folder = target_.parent_path();
    std::random_device rd;
    std::mt19937_64 gen((uint64_t(rd()) << 32) ^ rd());
    const std::string prefix = TempPrefix(target_) + std::to_string(ProcessId()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, "%08llx.tmp",
                      static_cast<unsigned long long>(gen() & 0xFFFFFFFFull));
        std::string name = prefix;
        name += suffix;
        const fs::path candidate = folder / PathFromUtf8(name);
        errno = 0;
#ifdef _WIN32
        file_ = _wfopen(candidate.c_str(), L"wbx");
#else
        file_ = std::fopen(candidate.c_str(), "wbx");
#endif
        if (file_ != nullptr) {
            temp_ = candidate;
            break;
        }
        if (errno != EEXIST)
            CannotCreate(targetUtf8_, errno);
    }
    if (file_ == nullptr)
        CannotCreate(targetUtf8_, EEXIST);
    // A replaced file keeps its permissions.
    std::error_code ec;
    fs::file_status old = fs::status(target_, ec);
    if (!ec && fs::exists(old))
        fs::permissions(temp_, old.permissions(), ec);
}

AtomicFileWriter::~AtomicFileWriter() {
    Discard();
}

// Temporary files of this target whose process no longer runs: a save that was killed.
void AtomicFileWriter::RemoveStaleTemporaries() const {
    const std::string prefix = TempPrefix(target_);
    std::error_code ec;
    fs::directory_iterator it(target_.parent_path().empty() ? fs::path(".") : target_.parent_path(), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = PathToUtf8(it->path().filename());
        if (name.size() <= prefix.size() + 13 || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - 4, 4, ".tmp") != 0)
            continue;
        // ".NAME.<pid>-<8 hex digits>.tmp"
        const std::string rest = name.substr(prefix.size(), name.size() - prefix.size() - 4);
        const size_t dash = rest.find('-');
        if (dash == std::string::npos || dash == 0 || rest.size() - dash - 1 != 8 ||
            rest.find_first_not_of("0123456789") != dash ||
            rest.find_first_not_of("0123456789abcdef", dash + 1) != std::string::npos)
            continue;
        const long pid = std::strtol(rest.substr(0, dash).c_str(), nullptr, 10);
        if (pid > 0 && pid != ProcessId() && !ProcessAlive(pid)) {
            std::error_code removed;
            fs::remove(it->path(), removed);
        }
    }
}

void AtomicFileWriter::Discard() noexcept {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        std::error_code ec;
        fs::remove(temp_, ec);
        temp_.clear();
    }
}

void AtomicFileWriter::Commit() {
    // A write that failed earlier (a full disk, a size limit) may have left nothing in the buffer
    // for fflush to fail on; the stream's error flag remembers it.
    errno = 0;
    if (std::ferror(file_) != 0 || std::fflush(file_) != 0 || !SyncToDisk(file_)) {
        const int error = errno;
        Discard();
        WriteFailed(targetUtf8_, error);
    }
    const int closed = std::fclose(file_);
    const int closeError = errno;
    file_ = nullptr;
    if (closed != 0) {
        Discard();
        WriteFailed(targetUtf8_, closeError);
    }
    std::error_code ec;
    if (mode_ == Mode::CreateNew) {
        if (!RenameNoReplace(temp_, target_, ec)) {
            Discard();
            if (ec)
                CannotCreate(targetUtf8_, ec.message());
            throw Error(msg::FileAlreadyExists(targetUtf8_));
        }
    } else {
        fs::rename(temp_, target_, ec);
        if (ec) {
            Discard();
            CannotCreate(targetUtf8_, ec.message());
        }
    }
    temp_.clear();
    SyncFolder(target_.parent_path());
}

} // namespace qv
