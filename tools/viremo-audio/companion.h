#pragma once
// The companion itself: serves the program on the companion socket, measures
// the sound of its source into blocks and sends them while the program wants
// them. Commands: 0 the program announces itself, 3 forget the block begun
// (and rewind a file), 1 start, 2 and 4 stop (the capture is let go), 5 quit,
// 6-8 and the style colour block are taken and logged (this companion has no
// window to colour).
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <stop_token>

#include "block_maker.h"
#include "lighting/audio_companion_server.h"
#include "sound_source.h"

namespace viremo::audio {

class Companion {
public:
    using MakeSource = std::function<std::unique_ptr<SoundSource>(SoundSource::Consumer)>;

    // The sound to measure: the source `make` builds around a consumer that
    // feeds this companion. False when it builds none.
    bool UseSource(const MakeSource& make);
    // False when the socket cannot be bound or another companion answers.
    bool Listen(const std::filesystem::path& socket);

    // Serves until command 5 arrives or Quit is called.
    void Run();
    void Quit() { quit_.request_stop(); }

private:
    void OnCommand(companion::Command command, int64_t argument);
    void Consume(std::span<const float> samples);

    std::unique_ptr<AudioCompanionServer> server_;
    std::mutex making_;
    std::optional<BlockMaker> maker_;
    std::atomic<bool> sending_{false};
    std::stop_source quit_;
    // Last, so that it is gone (its thread joined) before what it feeds.
    std::unique_ptr<SoundSource> source_;
};

}  // namespace viremo::audio
