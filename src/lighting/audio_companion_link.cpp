#include "lighting/audio_companion_link.h"

#include <unistd.h>

#include "platform/log.h"

namespace viremo {

using companion::Command;

namespace {

constexpr auto kSendTimeout = std::chrono::milliseconds(1500);
constexpr auto kReadWait = std::chrono::milliseconds(50);

}  // namespace

AudioCompanionLink::AudioCompanionLink(AudioDataReceiver::Handlers handlers, std::filesystem::path socket)
    : socket_(std::move(socket)), receiver_(std::move(handlers)) {}

AudioCompanionLink::~AudioCompanionLink() { Disconnect(); }

bool AudioCompanionLink::Connect() {
    auto connection = std::shared_ptr(companion::connectTo(socket_));
    if (!connection) return false;
    {
        std::lock_guard lock(mutex_);
        connection_ = connection;
        closed_ = false;
    }
    const bool greeted = SendCommand(Command::Connect, ::getpid()) && SendCommand(Command::Reset, 0) &&
                         SendCommand(Command::Start, 0);
    reader_ = std::jthread([this, connection](std::stop_token stop) { Read(stop, connection); });
    return greeted;
}

void AudioCompanionLink::Disconnect() {
    if (IsConnected()) {
        SendCommand(Command::Stop, 0);
        SendCommand(Command::Release, 0);
        SendCommand(Command::Quit, 0);
    }
    reader_ = std::jthread();
    std::lock_guard lock(mutex_);
    connection_.reset();
}

bool AudioCompanionLink::IsConnected() const {
    std::lock_guard lock(mutex_);
    return connection_ && !closed_;
}

bool AudioCompanionLink::SendCommand(Command command, int64_t argument) {
    return Send(companion::commandFrame(uint32_t(command), argument));
}

bool AudioCompanionLink::SendStyleColour(companion::StyleColour colour) {
    log::line("2222222222");
    return Send(companion::dataFrame(uint32_t(companion::DataKind::StyleColour), companion::styleColourBlock(colour)));
}

bool AudioCompanionLink::Send(const std::vector<uint8_t>& frame) {
    std::shared_ptr<companion::SocketConnection> connection;
    {
        std::lock_guard lock(mutex_);
        if (!connection_ || closed_) return false;
        connection = connection_;
    }
    return connection->Send(frame, kSendTimeout);
}

void AudioCompanionLink::Read(std::stop_token stop, std::shared_ptr<companion::SocketConnection> connection) {
    companion::FrameReader reader;
    while (!stop.stop_requested()) {
        if (connection->Receive(reader, kReadWait) == companion::SocketConnection::ReadResult::Closed) break;
        while (auto frame = reader.next()) {
            if (frame->type == companion::FrameType::Data) receiver_.OnData(frame->code, frame->body);
        }
        if (reader.broken()) {
            log::line("audio companion: unreadable frame, link closed");
            break;
        }
    }
    closed_ = true;
}

}  // namespace viremo
