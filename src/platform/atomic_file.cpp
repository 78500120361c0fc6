#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace viremo {

bool writeFileAtomically(const std::filesystem::path& file, std::string_view content) {
    auto pattern = file.string() + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    const std::filesystem::path temporary = pattern;
    size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    const bool complete = written == content.size() && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!complete || !closed || std::rename(temporary.c_str(), file.c_str()) != 0) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return content.str();
}

bool keepAsBad(const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::rename(file, file.string() + ".bad", error);
    return !error;
}

bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    if (std::filesystem::equivalent(from, to, error)) return !error;
    const auto content = readWholeFile(from);
    return content && writeFileAtomically(to, *content);
}

}  // namespace viremo
