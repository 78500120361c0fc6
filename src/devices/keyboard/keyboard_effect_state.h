#pragma once
// The effect state of a keyboard's software lighting: the phases, the
// per-light levels, colour steps, reaction states, held flags and light
// phases, the peak flags of the audio columns and the four spread buffers
// the ripple effects grow from.
#include <array>
#include <cstdint>

#include "devices/keyboard/keyboard_effect_tables.h"
#include "devices/lighting/effect_steps.h"
#include "devices/lighting/light_colours.h"

namespace viremo::devices::keyboard {

// Reaction state of a light.
inline constexpr uint8_t kNoReaction = 0;
inline constexpr uint8_t kRisingLight = 1;
inline constexpr uint8_t kFallingLight = 2;

// One byte per grid column; bit r stands for grid row r (bits 6 and 7 lie
// below the bottom row). Each buffer moves its cells one way along the
// columns and one way along the rows, so that a seeded cell marked in all
// four grows into a diamond.
using SpreadBuffer = std::array<uint8_t, kGridColumns>;

struct SpreadBuffers {
    SpreadBuffer a{};
    SpreadBuffer b{};
    SpreadBuffer c{};
    SpreadBuffer d{};

    // The four buffers' bits of a column, together.
    uint8_t column(int c) const;
    // Sets bit `row` of `column` in all four.
    void mark(int column, int row);
    // Every cell spreads one cell left, right, up and down.
    void shift();
    // Every cell becomes two points running left and right along its row.
    void spreadAlongRows();
};

struct KeyboardEffectState {
    uint8_t phase = 0;
    uint8_t offset = 0;
    uint8_t offsetCounter = 0;
    uint8_t stage = 0;
    uint8_t sweepPosition = 0;
    std::array<uint8_t, kMaxLights> level{};
    std::array<uint8_t, kMaxLights> colourStep{};
    std::array<uint8_t, kMaxLights> reaction{};
    std::array<uint8_t, kMaxLights> held{};
    std::array<uint8_t, kMaxLights> lightPhase{};
    std::array<uint32_t, kGridColumns> peak{};
    SpreadBuffers spread;
    // The phases of the effects every device shares (spectrum, blink,
    // four-colour breathing and blink).
    EffectState shared;

    // Phases, stage, levels, colour steps, reaction states and spread
    // buffers back to 0; held flags and light phases stay.
    void Reset();
};

}  // namespace viremo::devices::keyboard
