#include "lighting/audio_companion_server.h"

#include "platform/log.h"

namespace viremo {

using companion::Command;

namespace {

constexpr auto kWait = std::chrono::milliseconds(50);
constexpr auto kBlockSendTimeout = std::chrono::milliseconds(100);

}  // namespace

std::unique_ptr<AudioCompanionServer> AudioCompanionServer::Listen(const std::filesystem::path& socket,
                                                                   Handlers handlers) {
    auto listener = companion::SocketListener::Listen(socket);
    if (!listener) return nullptr;
    return std::unique_ptr<AudioCompanionServer>(new AudioCompanionServer(std::move(listener), std::move(handlers)));
}

void AudioCompanionServer::Serve(std::stop_token stop) {
    while (!stop.stop_requested()) {
        std::shared_ptr<companion::SocketConnection> connection = listener_->Accept(kWait);
        if (connection) ServeProgram(stop, connection);
    }
}

void AudioCompanionServer::ServeProgram(std::stop_token stop,
                                        const std::shared_ptr<companion::SocketConnection>& connection) {
    companion::FrameReader reader;
    while (!stop.stop_requested() && !reader.broken()) {
        if (connection->Receive(reader, kWait) == companion::SocketConnection::ReadResult::Closed) break;
        while (auto frame = reader.next()) OnFrame(*frame, connection);
    }
    if (reader.broken()) log::line("audio companion: unreadable frame from the program, connection closed");
    {
        std::lock_guard lock(mutex_);
        if (program_ != connection) return;
        program_.reset();
    }
    if (handlers_.command) handlers_.command(Command::Stop, 0);
}

void AudioCompanionServer::OnFrame(const companion::Frame& frame,
                                   const std::shared_ptr<companion::SocketConnection>& connection) {
    if (frame.type == companion::FrameType::Data) {
        const auto colour = frame.code == uint32_t(companion::DataKind::StyleColour)
                                ? companion::readStyleColourBlock(frame.body)
                                : std::nullopt;
        if (!colour) {
            companion::logDroppedBlock(frame.code, frame.body.size());
            return;
        }
        if (handlers_.styleColour) handlers_.styleColour(*colour);
        return;
    }
    const auto argument = companion::commandArgument(frame);
    if (!argument || frame.code > companion::kLastCommand) {
        log::linef("audio companion: dropped command %u", frame.code);
        return;
    }
    const auto command = static_cast<Command>(frame.code);
    if (command == Command::Connect) {
        std::lock_guard lock(mutex_);
        program_ = connection;
    }
    if (handlers_.command) handlers_.command(command, *argument);
}

bool AudioCompanionServer::SendSamples(const companion::SampleBlock& samples) {
    return SendBlock(companion::DataKind::Samples, samples);
}

bool AudioCompanionServer::SendBands(const companion::BandBlock& bands) {
    return SendBlock(companion::DataKind::Bands, bands);
}

bool AudioCompanionServer::SendBlock(companion::DataKind kind, std::span<const int32_t> words) {
    std::shared_ptr<companion::SocketConnection> program;
    {
        std::lock_guard lock(mutex_);
        program = program_;
    }
    return program && program->Send(companion::dataFrame(uint32_t(kind), companion::wordBlock(words)),
                                    kBlockSendTimeout);
}

}  // namespace viremo
