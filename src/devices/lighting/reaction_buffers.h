#pragma once
// Per-light reaction levels and colour steps, and the rotation buffer whose
// marker entry walks round the lights of the ripple effects.
#include <array>
#include <cstdint>

#include "devices/lighting/light_colours.h"

namespace viremo::devices {

inline constexpr int kRotationLength = 23;
inline constexpr int kFirstKeysLit = 9;
inline constexpr uint8_t kRotationMarker = 1;

// Style 29 is the audio fade; every other style fades in bands of the level.
inline constexpr int kAudioDecayStyle = 29;

// The level `level` falls to in one step of fading in `style`; never below 0.
uint8_t decayLevel(uint8_t level, int style);

struct ReactionBuffers {
    std::array<uint8_t, kMaxLights> levels{};
    std::array<uint8_t, kMaxLights> colourSteps{};
    std::array<uint8_t, kRotationLength> rotation{};

    // Fades one light's level; lights out of range are ignored.
    void Decay(int light, int style);
    // Lights the first nine lights whose rotation entries hold the marker.
    void LightFirstKeys();
    // One place up (entry 22 to entry 0) with a non-zero direction, one
    // place down (entry 0 to entry 22) with direction 0.
    void Rotate(uint8_t direction);
    // Zeroes the levels and the rotation buffer.
    void Clear();
};

}  // namespace viremo::devices
