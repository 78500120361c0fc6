#pragma once
// The mouse's buttons. Its button table holds one 3-byte code per physical
// button in the order of its wiring; the program finds key position j of the
// profile's "KeyList" at the first button that holds row j of the standard
// table below (the factory codes).
#include <array>
#include <cstdint>
#include <span>

namespace viremo::devices::mouse {

inline constexpr int kKeyPositions = 11;
inline constexpr uint8_t kNoButton = 0xAA;

using ButtonCode = std::array<uint8_t, 3>;  // category, first and second parameter
using ButtonMap = std::array<uint8_t, kKeyPositions>;  // key position -> button; kNoButton = none

// Left, right, middle, forward, back, DPI up, DPI down, DPI cycle, GM, M8,
// fire.
inline constexpr std::array<ButtonCode, kKeyPositions> kStandardButtons{{
    {0x10, 0x01, 0x00},
    {0x10, 0x02, 0x00},
    {0x10, 0x04, 0x00},
    {0x10, 0x10, 0x00},
    {0x10, 0x08, 0x00},
    {0x13, 0x01, 0x00},
    {0x13, 0x02, 0x00},
    {0x13, 0x03, 0x00},
    {0xA0, 0x1B, 0x00},
    {0x16, 0x90, 0x01},
    {0x14, 0x78, 0x02},
}};

// The button of every key position in a button table (3 bytes per button).
ButtonMap buildButtonMap(std::span<const uint8_t> table);

}  // namespace viremo::devices::mouse
