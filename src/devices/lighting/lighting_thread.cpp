#include "devices/lighting/lighting_thread.h"

#include "platform/log.h"
#include "platform/stoppable_sleep.h"

namespace viremo::devices {
namespace {

constexpr auto kClosedChannelPause = std::chrono::milliseconds(100);

}  // namespace

LightingThread::LightingThread(CommandChannel& channel, std::chrono::milliseconds period, std::string exitLine)
    : channel_(channel), period_(period), exitLine_(std::move(exitLine)) {}

LightingThread::~LightingThread() { Stop(); }

void LightingThread::Restart(Pass pass) {
    Stop();
    thread_ = std::jthread([this, pass = std::move(pass)](std::stop_token stop) { Run(stop, pass); });
}

void LightingThread::Stop() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    thread_.join();
    thread_ = {};
}

void LightingThread::Run(std::stop_token stop, const Pass& pass) {
    while (sleepFor(stop, period_)) {
        if (!channel_.IsOpen()) {
            sleepFor(stop, kClosedChannelPause);
            continue;
        }
        if (channel_.SyncFlag()) continue;
        pass();
    }
    log::line(exitLine_);
}

}  // namespace viremo::devices
