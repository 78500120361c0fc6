#include "platform/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace viremo {
namespace {

// Created with mode 0666, so the umask applies as for any new file.
int createTemporary(const std::filesystem::path& file, std::string& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = file.string() + ".tmp" + std::to_string(::getpid()) + "." + std::to_string(counter++);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view content) {
    size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

std::optional<std::string> replaceRefusal(const std::filesystem::path& file) {
    struct stat existing {};
    if (::lstat(file.c_str(), &existing) != 0) return std::nullopt;
    if (!S_ISREG(existing.st_mode)) return file.string() + ": not a regular file";
    if (::access(file.c_str(), W_OK) != 0) return file.string() + ": read-only";
    return std::nullopt;
}

bool writeFileAtomically(const std::filesystem::path& file, std::string_view content) {
    if (replaceRefusal(file)) return false;
    struct stat existing {};
    const bool replacing = ::lstat(file.c_str(), &existing) == 0;

    std::string temporary;
    const int fd = createTemporary(file, temporary);
    if (fd < 0) return false;
    const bool complete = writeAll(fd, content) &&
                          (!replacing || ::fchmod(fd, existing.st_mode & 07777) == 0) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!complete || !closed || std::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& file, size_t maxBytes) {
    CappedFile read = ReadFileCapped(file, maxBytes);
    if (!read.read()) return std::nullopt;
    return std::move(read.text);
}

std::optional<std::filesystem::path> keepAsBad(const std::filesystem::path& file) {
    for (int number = 1; number < 1000; ++number) {
        const std::filesystem::path kept =
            file.string() + (number == 1 ? std::string(".bad") : "." + std::to_string(number) + ".bad");
        // A hard link never replaces an older kept file, as a rename would.
        if (::link(file.c_str(), kept.c_str()) == 0) {
            ::unlink(file.c_str());
            return kept;
        }
        if (errno == EEXIST) continue;
        // A file system without hard links: a rename onto a free name.
        std::error_code error;
        if (std::filesystem::exists(kept, error)) continue;
        std::filesystem::rename(file, kept, error);
        if (error) return std::nullopt;
        return kept;
    }
    return std::nullopt;
}

bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to, size_t maxBytes) {
    std::error_code error;
    if (std::filesystem::equivalent(from, to, error)) return !error;
    const auto content = readWholeFile(from, maxBytes);
    return content && writeFileAtomically(to, *content);
}

}  // namespace viremo
