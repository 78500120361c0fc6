#pragma once
// Lighting mode 6 of the mouse: a press of the mouse's flash button lights
// every light at full level in a colour of its own; the lights then fade.
#include "devices/lighting/light_colours.h"
#include "devices/lighting/lit_device_state.h"
#include "devices/lighting/random_source.h"
#include "profiles/profile_records.h"

namespace viremo::devices {

inline constexpr uint8_t kFlashFadeMode = 6;

void stepFlashFade(LitDeviceState& state, const LightRecord& lighting, LightColours& lights);

// Starts a flash on every light, only while the lighting mode is 6: level
// 255, rising, a random spectrum colour each.
void startFlash(LitDeviceState& state, const LightRecord& lighting, int lightCount, RandomSource& random);

}  // namespace viremo::devices
