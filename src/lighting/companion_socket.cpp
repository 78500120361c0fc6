#include "lighting/companion_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace viremo::companion {

namespace {

using Clock = std::chrono::steady_clock;

std::optional<sockaddr_un> addressOf(const std::filesystem::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string& name = path.native();
    if (name.empty() || name.size() >= sizeof address.sun_path) return std::nullopt;
    std::memcpy(address.sun_path, name.c_str(), name.size() + 1);
    return address;
}

// True when the socket became ready for `events` within `wait`.
bool waitFor(int fd, short events, std::chrono::milliseconds wait) {
    pollfd entry{fd, events, 0};
    int ready;
    do {
        ready = ::poll(&entry, 1, static_cast<int>(wait.count()));
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

int connectedSocket(const sockaddr_un& address) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

SocketConnection::~SocketConnection() { ::close(fd_); }

bool SocketConnection::Send(std::span<const uint8_t> bytes, std::chrono::milliseconds timeout) {
    std::lock_guard lock(sending_);
    const auto deadline = Clock::now() + timeout;
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            sent += size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || !waitFor(fd_, POLLOUT, left)) return false;
    }
    return true;
}

SocketConnection::ReadResult SocketConnection::Receive(FrameReader& reader, std::chrono::milliseconds wait) {
    if (!waitFor(fd_, POLLIN, wait)) return ReadResult::Idle;
    std::array<uint8_t, 8192> chunk;
    ssize_t n;
    do {
        n = ::recv(fd_, chunk.data(), chunk.size(), MSG_DONTWAIT);
    } while (n < 0 && errno == EINTR);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return ReadResult::Idle;
    if (n <= 0) return ReadResult::Closed;
    reader.feed(std::span(chunk.data(), size_t(n)));
    return ReadResult::Data;
}

std::unique_ptr<SocketConnection> connectTo(const std::filesystem::path& path) {
    const auto address = addressOf(path);
    if (!address) return nullptr;
    const int fd = connectedSocket(*address);
    return fd < 0 ? nullptr : std::make_unique<SocketConnection>(fd);
}

std::unique_ptr<SocketListener> SocketListener::Listen(const std::filesystem::path& path) {
    const auto address = addressOf(path);
    if (!address) return nullptr;
    if (const int other = connectedSocket(*address); other >= 0) {
        ::close(other);
        return nullptr;
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return nullptr;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 || ::listen(fd, 4) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<SocketListener>(new SocketListener(fd, path));
}

SocketListener::~SocketListener() {
    ::close(fd_);
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

std::unique_ptr<SocketConnection> SocketListener::Accept(std::chrono::milliseconds wait) {
    if (!waitFor(fd_, POLLIN, wait)) return nullptr;
    const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    return fd < 0 ? nullptr : std::make_unique<SocketConnection>(fd);
}

}  // namespace viremo::companion
