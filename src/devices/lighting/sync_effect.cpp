#include "devices/lighting/sync_effect.h"

#include <chrono>

#include "devices/lighting/sync_modes.h"

namespace viremo::devices {
namespace {

// A segment of the wheel: the channel that rises (kUp), falls (kDown) or
// holds (0 or 255) while j runs from 0 to 31.
constexpr std::array<uint8_t, 32> kUp{1,  3,  5,  7,  10, 14, 18, 22, 26, 32, 38, 44, 50, 57, 65, 73,
                                      81, 89, 99, 109, 119, 129, 140, 152, 164, 176, 188, 200, 213, 227, 241, 255};
constexpr std::array<uint8_t, 32> kDown{248, 234, 220, 206, 194, 182, 170, 158, 146, 134, 124, 114, 104, 94, 85, 77,
                                        69,  61,  53,  47,  41,  35,  29,  24,  20,  16,  12,  8,   6,   4,  2,  0};
constexpr int kSegmentLength = 32;

constexpr std::array<uint8_t, 64> kBreathRise{
    0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  12,  14,  16,  18,  20,  22,  24,  27,  30,  33,  36,
    39,  42,  45,  49,  53,  57,  61,  65,  69,  73,  77,  81,  85,  89,  94,  99,  104, 109, 114, 119, 124, 129,
    134, 140, 146, 152, 158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255};

constexpr uint8_t kBreathLimit = 128;
constexpr uint8_t kFlashAdvance = 14;
constexpr auto kFlashPeriodUnit = std::chrono::milliseconds(200);

Rgb segmentColour(int segment, uint8_t up, uint8_t down) {
    switch (segment) {
    case 0: return {255, up, 0};
    case 1: return {down, 255, 0};
    case 2: return {0, 255, up};
    case 3: return {0, down, 255};
    case 4: return {up, 0, 255};
    default: return {255, 0, down};
    }
}

std::array<Rgb, kSyncWheelLength> buildWheel() {
    std::array<Rgb, kSyncWheelLength> wheel{};
    for (int i = 0; i < kSyncWheelLength; ++i)
        wheel[i] = segmentColour(i / kSegmentLength, kUp[i % kSegmentLength], kDown[i % kSegmentLength]);
    return wheel;
}

std::array<uint8_t, 128> buildBreathingCurve() {
    std::array<uint8_t, 128> curve{};
    for (size_t i = 0; i < kBreathRise.size(); ++i) {
        curve[i] = kBreathRise[i];
        curve[curve.size() - 1 - i] = kBreathRise[i];
    }
    return curve;
}

Rgb fixedColour(const SyncSettings& settings) { return {settings.red, settings.green, settings.blue}; }

bool cycling(const SyncSettings& settings) { return settings.cycling != 0; }

SyncLight breathe(SyncEffectState& state, const SyncSettings& settings) {
    state.breathingLevel = byteStep(settings.direction, kBreathLimit, state.breathingLevel, 1);
    Rgb colour = fixedColour(settings);
    if (cycling(settings)) {
        if (state.breathingLevel < 2) state.colourIndex = byteStep(1, kSyncWheelLength, state.colourIndex, 16);
        colour = syncWheel()[state.colourIndex];
    }
    const int level = brightnessLevel(settings.brightness) * syncBreathingCurve()[state.breathingLevel] / 256;
    return {colour, static_cast<uint8_t>(level)};
}

SyncLight flash(SyncEffectState& state, const SyncSettings& settings, Clock::Monotonic now) {
    if (now - state.lastFlashToggle >= speedPeriod(settings.speed) * kFlashPeriodUnit) {
        state.flashOn = !state.flashOn;
        state.lastFlashToggle = now;
        // Steps of 14 never land on the end of the wheel itself: any
        // position past the last entry starts it again.
        const int next = state.flashPosition + kFlashAdvance;
        state.flashPosition = next >= kSyncWheelLength ? 0 : static_cast<uint8_t>(next);
    }
    if (!state.flashOn) return {};
    const Rgb colour = cycling(settings) ? syncWheel()[state.flashPosition] : fixedColour(settings);
    return {colour, brightnessLevel(settings.brightness)};
}

SyncLight cycleColours(SyncEffectState& state, const SyncSettings& settings) {
    state.colourIndex = byteStep(1, kSyncWheelLength, state.colourIndex, 1);
    return {syncWheel()[state.colourIndex], brightnessLevel(settings.brightness)};
}

}  // namespace

const std::array<Rgb, kSyncWheelLength>& syncWheel() {
    static const std::array<Rgb, kSyncWheelLength> wheel = buildWheel();
    return wheel;
}

const std::array<uint8_t, 128>& syncBreathingCurve() {
    static const std::array<uint8_t, 128> curve = buildBreathingCurve();
    return curve;
}

std::optional<SyncLight> stepSyncEffect(SyncEffectState& state, const SyncSettings& settings, Clock::Monotonic now) {
    switch (settings.effect) {
    case kSyncBreathing: return breathe(state, settings);
    case kSyncStatic: return SyncLight{fixedColour(settings), brightnessLevel(settings.brightness)};
    case kSyncBlink: return flash(state, settings, now);
    case kSyncSpectrum: return cycleColours(state, settings);
    case kSyncOff: return SyncLight{};
    default: return std::nullopt;
    }
}

}  // namespace viremo::devices
