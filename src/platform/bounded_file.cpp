#include "platform/bounded_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace viremo {
namespace {

CappedFile refused(const std::filesystem::path& file, const std::string& why) {
    return {CappedFile::State::Refused, {}, file.string() + ": " + why};
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

CappedFile ReadFileCapped(const std::filesystem::path& file, size_t maxBytes) {
    // Non-blocking, so that opening a FIFO without a writer does not wait.
    const Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        if (errno == ENOENT) return {CappedFile::State::Absent, {}, file.string() + ": no such file"};
        return refused(file, std::strerror(errno));
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) return refused(file, std::strerror(errno));
    if (!S_ISREG(status.st_mode)) return refused(file, "not a regular file");
    if (status.st_size < 0 || uint64_t(status.st_size) > maxBytes)
        return refused(file, "larger than " + std::to_string(maxBytes) + " bytes");

    // The file may grow while it is read: at most one byte past the cap is read.
    std::string text(size_t(status.st_size) + 1, '\0');
    size_t length = 0;
    for (;;) {
        if (length == text.size()) {
            if (text.size() > maxBytes) return refused(file, "larger than " + std::to_string(maxBytes) + " bytes");
            text.resize(std::min(text.size() * 2, maxBytes + 1));
        }
        const ssize_t n = ::read(fd.get(), text.data() + length, text.size() - length);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n < 0) return refused(file, std::strerror(errno));
        if (n == 0) break;
        length += size_t(n);
    }
    if (length > maxBytes) return refused(file, "larger than " + std::to_string(maxBytes) + " bytes");
    text.resize(length);
    return {CappedFile::State::Read, std::move(text), {}};
}

}  // namespace viremo
