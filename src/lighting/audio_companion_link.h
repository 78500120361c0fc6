#pragma once
// The program's link to the audio companion. Connect finds the companion's
// socket and announces the program (commands 0, 3, 1); from then on a reader
// thread takes the companion's blocks and hands band levels and band values
// to the handlers, on that thread. Disconnect says goodbye (commands 2, 4, 5)
// and stops the reader. Without a companion nothing is sent and no data
// arrives; no reconnection is attempted.
#include <atomic>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>

#include "lighting/audio_data_receiver.h"
#include "lighting/companion_blocks.h"
#include "lighting/companion_socket.h"

namespace viremo {

class AudioCompanionLink {
public:
    explicit AudioCompanionLink(AudioDataReceiver::Handlers handlers,
                                std::filesystem::path socket = companion::socketPath());
    ~AudioCompanionLink();
    AudioCompanionLink(const AudioCompanionLink&) = delete;
    AudioCompanionLink& operator=(const AudioCompanionLink&) = delete;

    // True when a companion was found and greeted.
    bool Connect();
    void Disconnect();
    bool IsConnected() const;

    // False when no companion is connected or it did not take the command.
    bool SendCommand(companion::Command command, int64_t argument);
    // The selected style's colour; a companion that does not take it within
    // 1500 ms is skipped.
    bool SendStyleColour(companion::StyleColour colour);

private:
    bool Send(const std::vector<uint8_t>& frame);
    void Read(std::stop_token stop, std::shared_ptr<companion::SocketConnection> connection);

    std::filesystem::path socket_;
    AudioDataReceiver receiver_;
    mutable std::mutex mutex_;
    std::shared_ptr<companion::SocketConnection> connection_;
    std::atomic<bool> closed_{false};
    std::jthread reader_;
};

}  // namespace viremo
