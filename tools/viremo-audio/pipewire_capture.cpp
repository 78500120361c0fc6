#include "pipewire_capture.h"

#include <pipewire/pipewire.h>
#include <spa/param/audio/format-utils.h>

#include <cerrno>
#include <cstring>

namespace viremo::audio {

namespace {

constexpr int kSampleRate = 48000;

// PipeWire's own log stays quiet; the companion says what failed.
struct PipeWireLibrary {
    PipeWireLibrary() {
        pw_init(nullptr, nullptr);
        pw_log_set_level(SPA_LOG_LEVEL_NONE);
    }
};

std::string unreachable(const char* detail) { return std::string("no PipeWire server reachable (") + detail + ")"; }

}  // namespace

struct PipeWireCapture::Listener {
    spa_hook hook{};
    pw_stream_events events{};
};

PipeWireCapture::PipeWireCapture(Consumer consumer) : consumer_(std::move(consumer)) {}

std::unique_ptr<PipeWireCapture> PipeWireCapture::Open(Consumer consumer, std::string& error) {
    static PipeWireLibrary library;
    std::unique_ptr<PipeWireCapture> capture(new PipeWireCapture(std::move(consumer)));
    if (!capture->Connect(error)) return nullptr;
    return capture;
}

bool PipeWireCapture::Connect(std::string& error) {
    loop_ = pw_thread_loop_new("viremo-audio", nullptr);
    context_ = loop_ ? pw_context_new(pw_thread_loop_get_loop(loop_), nullptr, 0) : nullptr;
    if (!context_) {
        error = unreachable("no client configuration");
        return false;
    }
    core_ = pw_context_connect(context_, nullptr, 0);
    if (!core_) {
        error = unreachable(std::strerror(errno));
        return false;
    }

    pw_properties* properties =
        pw_properties_new(PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Capture", PW_KEY_MEDIA_ROLE, "Music",
                          PW_KEY_STREAM_CAPTURE_SINK, "true", PW_KEY_NODE_NAME, "viremo-audio", nullptr);
    stream_ = pw_stream_new(core_, "viremo-audio", properties);
    if (!stream_) {
        error = "cannot create a PipeWire capture stream";
        return false;
    }
    listener_ = std::make_unique<Listener>();
    listener_->events.version = PW_VERSION_STREAM_EVENTS;
    listener_->events.process = &PipeWireCapture::OnProcess;
    pw_stream_add_listener(stream_, &listener_->hook, &listener_->events, this);

    spa_audio_info_raw format{};
    format.format = SPA_AUDIO_FORMAT_F32;
    format.channels = 1;
    format.rate = kSampleRate;
    uint8_t buffer[1024];
    spa_pod_builder builder{};
    spa_pod_builder_init(&builder, buffer, sizeof buffer);
    const spa_pod* params[] = {spa_format_audio_raw_build(&builder, SPA_PARAM_EnumFormat, &format)};
    const auto flags = pw_stream_flags(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS | PW_STREAM_FLAG_INACTIVE);
    if (pw_stream_connect(stream_, PW_DIRECTION_INPUT, PW_ID_ANY, flags, params, 1) < 0 ||
        pw_thread_loop_start(loop_) < 0) {
        error = "cannot connect the PipeWire capture stream";
        return false;
    }
    return true;
}

PipeWireCapture::~PipeWireCapture() {
    if (loop_) pw_thread_loop_stop(loop_);
    if (stream_) pw_stream_destroy(stream_);
    if (core_) pw_core_disconnect(core_);
    if (context_) pw_context_destroy(context_);
    if (loop_) pw_thread_loop_destroy(loop_);
}

int PipeWireCapture::SampleRate() const { return kSampleRate; }

void PipeWireCapture::Start() {
    pw_thread_loop_lock(loop_);
    pw_stream_set_active(stream_, true);
    pw_thread_loop_unlock(loop_);
}

void PipeWireCapture::Stop() {
    pw_thread_loop_lock(loop_);
    pw_stream_set_active(stream_, false);
    pw_thread_loop_unlock(loop_);
}

void PipeWireCapture::OnProcess(void* self) {
    auto& capture = *static_cast<PipeWireCapture*>(self);
    pw_buffer* buffer = pw_stream_dequeue_buffer(capture.stream_);
    if (!buffer) return;
    const spa_data& data = buffer->buffer->datas[0];
    if (data.data && data.chunk) {
        const uint32_t offset = std::min(data.chunk->offset, data.maxsize);
        const uint32_t size = std::min(data.chunk->size, data.maxsize - offset);
        const auto* samples = reinterpret_cast<const float*>(static_cast<const uint8_t*>(data.data) + offset);
        capture.consumer_(std::span(samples, size / sizeof(float)));
    }
    pw_stream_queue_buffer(capture.stream_, buffer);
}

}  // namespace viremo::audio
