#pragma once
// The Unix stream sockets under the companion link: one connected socket,
// and the listening socket of the companion. Waits are short and bounded so
// that the threads that use them stop promptly.
#include <chrono>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <span>

#include "lighting/companion_frame.h"

namespace viremo::companion {

class SocketConnection {
public:
    explicit SocketConnection(int fd) : fd_(fd) {}
    ~SocketConnection();
    SocketConnection(const SocketConnection&) = delete;
    SocketConnection& operator=(const SocketConnection&) = delete;

    // Writes the whole of `bytes` within `timeout`; false when it could not.
    // Safe from several threads: frames never interleave.
    bool Send(std::span<const uint8_t> bytes, std::chrono::milliseconds timeout);

    enum class ReadResult { Data, Idle, Closed };
    // Waits up to `wait` for bytes and feeds what came to `reader`.
    ReadResult Receive(FrameReader& reader, std::chrono::milliseconds wait);

private:
    int fd_;
    std::mutex sending_;
};

// Connects to a listening socket; nothing when no one listens there.
std::unique_ptr<SocketConnection> connectTo(const std::filesystem::path& path);

class SocketListener {
public:
    // Binds `path`, taking over a socket file that no one answers on any
    // more. Nothing when the path is empty, another process listens there or
    // binding fails.
    static std::unique_ptr<SocketListener> Listen(const std::filesystem::path& path);
    ~SocketListener();
    SocketListener(const SocketListener&) = delete;
    SocketListener& operator=(const SocketListener&) = delete;

    // Waits up to `wait` for a connection.
    std::unique_ptr<SocketConnection> Accept(std::chrono::milliseconds wait);

private:
    SocketListener(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}
    int fd_;
    std::filesystem::path path_;
};

}  // namespace viremo::companion
