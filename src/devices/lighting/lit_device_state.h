#pragma once
// The effect state of a mouse, pad or headset: the base effects' phase and
// blink, the reaction levels with their colour indexes and the rotation
// buffer, the mouse's rise state per light and the pad's and headset's pass
// counter of the ripples. The column and ripple steps work on it alone.
#include <array>
#include <cstdint>

#include "devices/lighting/effect_steps.h"
#include "devices/lighting/light_colours.h"
#include "devices/lighting/reaction_buffers.h"

namespace viremo::devices {

// Rise state of a flashing mouse light.
inline constexpr uint8_t kRising = 1;
inline constexpr uint8_t kFalling = 2;

struct LitDeviceState {
    EffectState base;
    ReactionBuffers reaction;
    std::array<uint8_t, kMaxLights> rise{};
    uint8_t passCounter = 0;

    // Clears the levels and the rotation buffer and puts the marker at
    // rotation entry 0, as when the lighting mode changes.
    void RestartRipple();
};

}  // namespace viremo::devices
