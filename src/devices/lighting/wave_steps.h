#pragma once
// Lighting mode 0 of the mouse, the pad and the headset: a wave of colour
// that runs across the lights, each column (mouse) or light (pad, headset) a
// few entries of the spectrum or of the wave further on than the one before.
#include "devices/lighting/light_colours.h"
#include "devices/lighting/light_layouts.h"
#include "devices/lighting/lit_device_state.h"
#include "profiles/profile_records.h"

namespace viremo::devices {

// The mouse: column by column.
void stepColumnWave(LitDeviceState& state, const LightRecord& lighting, LightColours& lights);

// The pad and the headset: light by light.
void stepLightWave(LitDevice device, LitDeviceState& state, const LightRecord& lighting, LightColours& lights);

}  // namespace viremo::devices
