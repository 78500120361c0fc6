#include "platform/log.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace viremo::log {
namespace {

std::mutex& sinkMutex() {
    static std::mutex mutex;
    return mutex;
}

Sink& currentSink() {
    static Sink sink;
    return sink;
}

}  // namespace

Sink setSink(Sink sink) {
    std::lock_guard lock(sinkMutex());
    Sink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

void toStderr() {
    setSink([](std::string_view text) {
        std::fwrite(text.data(), 1, text.size(), stderr);
        if (text.empty() || text.back() != '\n') std::fputc('\n', stderr);
        std::fflush(stderr);
    });
}

bool enabled() {
    std::lock_guard lock(sinkMutex());
    return static_cast<bool>(currentSink());
}

void line(std::string_view text) {
    std::lock_guard lock(sinkMutex());
    if (currentSink()) currentSink()(text);
}

void linef(const char* format, ...) {
    if (!enabled()) return;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(size > 0 ? static_cast<size_t>(size) : 0, '\0');
    if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    line(text);
}

struct Capture::State {
    mutable std::mutex mutex;
    std::vector<std::string> lines;
};

Capture::Capture() : state_(std::make_shared<State>()) {
    auto state = state_;
    previous_ = setSink([state](std::string_view text) {
        std::lock_guard lock(state->mutex);
        state->lines.emplace_back(text);
    });
}

Capture::~Capture() { setSink(std::move(previous_)); }

std::vector<std::string> Capture::lines() const {
    std::lock_guard lock(state_->mutex);
    return state_->lines;
}

bool Capture::contains(std::string_view fragment) const {
    std::lock_guard lock(state_->mutex);
    for (const auto& text : state_->lines)
        if (text.find(fragment) != std::string::npos) return true;
    return false;
}

}  // namespace viremo::log
