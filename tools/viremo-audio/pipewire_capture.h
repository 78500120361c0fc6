#pragma once
// Captures what the computer plays: a PipeWire capture stream on the monitor
// of the default output, mono 32-bit float at 48 kHz. Its samples reach the
// consumer on PipeWire's loop thread.
#include <memory>
#include <string>

#include "sound_source.h"

struct pw_thread_loop;
struct pw_context;
struct pw_core;
struct pw_stream;

namespace viremo::audio {

class PipeWireCapture : public SoundSource {
public:
    // Nothing, and `error` says why, when no PipeWire server is reachable.
    static std::unique_ptr<PipeWireCapture> Open(Consumer consumer, std::string& error);
    ~PipeWireCapture() override;

    int SampleRate() const override;
    void Start() override;
    void Stop() override;

private:
    explicit PipeWireCapture(Consumer consumer);
    bool Connect(std::string& error);
    static void OnProcess(void* self);

    Consumer consumer_;
    pw_thread_loop* loop_ = nullptr;
    pw_context* context_ = nullptr;
    pw_core* core_ = nullptr;
    pw_stream* stream_ = nullptr;
    struct Listener;
    std::unique_ptr<Listener> listener_;
};

}  // namespace viremo::audio
