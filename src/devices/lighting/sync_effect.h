#pragma once
// The common effect of synchronised lighting, without its thread: the
// settings the lighting panel chooses, the state the steps carry from one
// to the next, and one step, which gives the colour and brightness that
// every synchronised light shows until the next step.
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

#include "devices/lighting/effect_tables.h"
#include "platform/clock.h"

namespace viremo::devices {

// Written by the user-interface thread, read by the lighting-sync thread;
// each byte on its own.
struct SyncSettings {
    std::atomic<uint8_t> effect{0};      // kSyncBreathing ... kSyncOff
    std::atomic<uint8_t> brightness{0};  // step 0-4
    std::atomic<uint8_t> speed{0};       // step 0-4
    std::atomic<uint8_t> direction{0};   // 1 forwards, 0 backwards
    std::atomic<uint8_t> cycling{0};     // 1 cycling colours, 0 the fixed colour
    std::atomic<uint8_t> red{0};
    std::atomic<uint8_t> green{0};
    std::atomic<uint8_t> blue{0};
};

struct SyncEffectState {
    uint8_t breathingLevel = 0;
    uint8_t colourIndex = 0;
    uint8_t flashPosition = 0;
    bool flashOn = false;
    Clock::Monotonic lastFlashToggle{};
};

// What every synchronised light shows.
struct SyncLight {
    Rgb colour;
    uint8_t brightness = 0;
    bool operator==(const SyncLight&) const = default;
};

// The wheel the cycling colours go round: 192 entries, six segments of 32.
inline constexpr int kSyncWheelLength = 192;
const std::array<Rgb, kSyncWheelLength>& syncWheel();
// 128 entries: the 64 rising levels of a breath, then the same falling.
const std::array<uint8_t, 128>& syncBreathingCurve();

// One step of the effect the settings choose; nothing for an effect beyond
// kSyncOff.
std::optional<SyncLight> stepSyncEffect(SyncEffectState& state, const SyncSettings& settings, Clock::Monotonic now);

}  // namespace viremo::devices
