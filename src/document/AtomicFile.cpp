#include "AtomicFile.h"

#include "Error.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
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

} // namespace

AtomicFileWriter::AtomicFileWriter(const std::string& targetUtf8) : targetUtf8_(targetUtf8) {
    target_ = PathFromUtf8(targetUtf8);
    // Write beside the file a symbolic link points to, so the link itself survives.
    std::error_code ec;
    if (fs::is_symlink(target_, ec)) {
        fs::path resolved = fs::weakly_canonical(target_, ec);
        if (!ec)
            target_ = resolved;
    }
    if (target_.filename().empty())
        CannotCreate(targetUtf8_, EISDIR);
    fs::path folder = target_.parent_path();
    std::random_device rd;
    std::mt19937_64 gen((uint64_t(rd()) << 32) ^ rd());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%08llx.tmp",
                      static_cast<unsigned long long>(gen() & 0xFFFFFFFFull));
        fs::path candidate = folder / (u8"." + target_.filename().u8string() +
                                       std::u8string(suffix, suffix + std::strlen(suffix)));
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
    fs::file_status old = fs::status(target_, ec);
    if (!ec && fs::exists(old))
        fs::permissions(temp_, old.permissions(), ec);
}

AtomicFileWriter::~AtomicFileWriter() {
    Discard();
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
    if (std::fflush(file_) != 0 || !SyncToDisk(file_)) {
        Discard();
        throw Error(std::string(msg::StreamWriteError));
    }
    int closed = std::fclose(file_);
    file_ = nullptr;
    if (closed != 0) {
        Discard();
        throw Error(std::string(msg::StreamWriteError));
    }
    std::error_code ec;
    fs::rename(temp_, target_, ec);
    if (ec) {
        Discard();
        CannotCreate(targetUtf8_, ec.message());
    }
    temp_.clear();
    SyncFolder(target_.parent_path());
}

} // namespace qv
