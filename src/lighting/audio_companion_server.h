#pragma once
// The companion's end of the link: listens on the companion socket, serves
// one program at a time, passes its commands and style colour to the
// handlers and sends it sample and band blocks. Blocks go to the program
// that announced itself with command 0. A program that goes away counts as
// one that sent command 2 (stop).
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>

#include "lighting/companion_blocks.h"
#include "lighting/companion_socket.h"

namespace viremo {

class AudioCompanionServer {
public:
    struct Handlers {
        std::function<void(companion::Command, int64_t argument)> command;
        std::function<void(const companion::StyleColour&)> styleColour;
    };

    // Nothing when the socket cannot be bound or another companion answers.
    static std::unique_ptr<AudioCompanionServer> Listen(const std::filesystem::path& socket, Handlers handlers);

    // Serves programs until `stop` is requested; returns within 100 ms of it.
    void Serve(std::stop_token stop);

    // False when no program is there to take the block in time.
    bool SendSamples(const companion::SampleBlock& samples);
    bool SendBands(const companion::BandBlock& bands);

private:
    AudioCompanionServer(std::unique_ptr<companion::SocketListener> listener, Handlers handlers)
        : listener_(std::move(listener)), handlers_(std::move(handlers)) {}
    void ServeProgram(std::stop_token stop, const std::shared_ptr<companion::SocketConnection>& connection);
    void OnFrame(const companion::Frame& frame, const std::shared_ptr<companion::SocketConnection>& connection);
    bool SendBlock(companion::DataKind kind, std::span<const int32_t> words);

    std::unique_ptr<companion::SocketListener> listener_;
    Handlers handlers_;
    std::mutex mutex_;
    std::shared_ptr<companion::SocketConnection> program_;
};

}  // namespace viremo
