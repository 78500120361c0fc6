#pragma once
// The lighting thread of a device: it calls the kind's pass once per period
// while the command channel is open and the device takes no part in
// synchronised lighting, and looks at a closed channel again every 100 ms.
// What a pass does (counting ticks, stepping the mode's effect) is the
// kind's. Restarting stops the running thread first; stopping wakes the
// thread at once and waits for the pass in progress.
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "devices/protocol/command_channel.h"

namespace viremo::devices {

class LightingThread {
public:
    using Pass = std::function<void()>;

    // `exitLine` is logged when the thread ends.
    LightingThread(CommandChannel& channel, std::chrono::milliseconds period, std::string exitLine);
    ~LightingThread();
    LightingThread(const LightingThread&) = delete;
    LightingThread& operator=(const LightingThread&) = delete;

    void Restart(Pass pass);
    void Stop();
    bool IsRunning() const { return thread_.joinable(); }

private:
    void Run(std::stop_token stop, const Pass& pass);

    CommandChannel& channel_;
    std::chrono::milliseconds period_;
    std::string exitLine_;
    std::jthread thread_;
};

}  // namespace viremo::devices
