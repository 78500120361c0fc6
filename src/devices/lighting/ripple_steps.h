#pragma once
// The ripples of the mouse, the pad and the headset: a marker walks round the
// rotation buffer and lights the light (or column) it passes at full level;
// the levels then fade. Column ripple: mouse mode 5, pad and headset mode 7.
// Light ripple: pad and headset mode 6.
#include "devices/lighting/light_colours.h"
#include "devices/lighting/light_layouts.h"
#include "devices/lighting/lit_device_state.h"
#include "profiles/profile_records.h"

namespace viremo::devices {

void stepColumnRipple(LitDevice device, LitDeviceState& state, const LightRecord& lighting, LightColours& lights);
void stepLightRipple(LitDevice device, LitDeviceState& state, const LightRecord& lighting, LightColours& lights);

// The pad's and the headset's marker moves: each rotation entry below the
// light count that holds the marker lights its light at full level.
void lightMarkedLights(ReactionBuffers& reaction, int lightCount);
// Rotates the first `entries` rotation entries (at most all 23) one place:
// up (the last of them to entry 0) or down (entry 0 to the last of them).
void rotateFirst(ReactionBuffers& reaction, int entries, bool upward);

}  // namespace viremo::devices
