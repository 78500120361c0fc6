#include "devices/lighting/lighting_engine.h"

#include <algorithm>

#include "platform/log.h"
#include "platform/stoppable_sleep.h"

namespace viremo::devices {
namespace {

constexpr auto kClosedChannelPause = std::chrono::milliseconds(100);

}  // namespace

LightingEngine::LightingEngine(CommandChannel& channel, const Clock& clock, std::span<const int> ticksPerStep,
                               std::string exitLine)
    : channel_(channel), clock_(clock), ticksPerStep_(ticksPerStep), exitLine_(std::move(exitLine)) {}

LightingEngine::~LightingEngine() { Stop(); }

void LightingEngine::Restart(Lighting lighting, StepMode step) {
    Stop();
    thread_ = std::jthread([this, lighting = std::move(lighting), step = std::move(step)](std::stop_token stop) {
        Run(stop, lighting, step);
    });
}

void LightingEngine::Stop() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    thread_.join();
    thread_ = {};
}

void LightingEngine::Run(std::stop_token stop, const Lighting& lighting, const StepMode& step) {
    int ticks = 0;
    Clock::Monotonic lastTick = clock_.now();
    while (sleepFor(stop, kLightingPass)) {
        if (!channel_.IsOpen()) {
            sleepFor(stop, kClosedChannelPause);
            continue;
        }
        if (channel_.SyncFlag()) continue;
        const Clock::Monotonic now = clock_.now();
        if (now - lastTick > kLightingPass) {
            ++ticks;
            lastTick = now;
        }
        const LightRecord current = lighting();
        if (ticksPerStep_.empty()) continue;
        if (ticks < ticksPerStep_[std::min<size_t>(current.speed, ticksPerStep_.size() - 1)]) continue;
        if (step(current.mode)) ticks = 0;
    }
    log::line(exitLine_);
}

}  // namespace viremo::devices
