#pragma once
// The lighting thread of a device. Every pass (one millisecond) while the
// command channel is open and the device takes no part in synchronised
// lighting, a pass that found the clock moved on counts one tick; once the
// speed step's number of ticks has passed, the current mode's effect takes
// one step and the count starts again. A closed channel is looked at again
// every 100 ms. Restarting stops the running thread first; stopping takes
// at most one pass.
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <thread>

#include "devices/protocol/command_channel.h"
#include "platform/clock.h"
#include "profiles/profile_records.h"

namespace viremo::devices {

inline constexpr auto kLightingPass = std::chrono::milliseconds(1);

class LightingEngine {
public:
    // Steps the effect of `mode`; false when the mode has none here (the
    // ticks keep counting).
    using StepMode = std::function<bool(uint8_t mode)>;
    using Lighting = std::function<LightRecord()>;

    // `ticksPerStep` by speed step (a speed beyond it takes the last);
    // `exitLine` is logged when the thread ends.
    LightingEngine(CommandChannel& channel, const Clock& clock, std::span<const int> ticksPerStep,
                   std::string exitLine);
    ~LightingEngine();
    LightingEngine(const LightingEngine&) = delete;
    LightingEngine& operator=(const LightingEngine&) = delete;

    void Restart(Lighting lighting, StepMode step);
    void Stop();
    bool IsRunning() const { return thread_.joinable(); }

private:
    void Run(std::stop_token stop, const Lighting& lighting, const StepMode& step);

    CommandChannel& channel_;
    const Clock& clock_;
    std::span<const int> ticksPerStep_;
    std::string exitLine_;
    std::jthread thread_;
};

}  // namespace viremo::devices
