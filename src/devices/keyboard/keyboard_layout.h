#pragma once
// Where the keys of a keyboard sit. The keyboard's key table holds one
// 3-byte code per key position in the order of its wiring, not in key-number
// order; the program finds key number j at the first position that holds
// j's factory code. Keys that share a factory code (18, 19, 20 and 104 all
// have 20 00 00) take the positions holding it in order: the k-th of them
// in key-number order the k-th position. The key attribute block gives, per
// key position, where that key's light sits in a light frame.
#include <array>
#include <cstdint>
#include <span>

namespace viremo::devices::keyboard {

inline constexpr int kKeyNumbers = 126;
inline constexpr uint8_t kAbsent = 255;
// Light frame and colour page positions that fit a 512-byte page.
inline constexpr int kLightPositions = 170;

using KeyCode = std::array<uint8_t, 3>;  // function type, parameter 1, parameter 2
using PositionMap = std::array<uint8_t, kKeyNumbers>;  // per key number; kAbsent = none

// Factory code of key number 0-125.
const std::array<KeyCode, kKeyNumbers>& factoryKeyCodes();

struct KeyMaps {
    PositionMap keyPosition;    // key number -> key table position
    PositionMap lightPosition;  // key number -> light frame position
    static KeyMaps absent();
};

// Builds both maps from the key table (3 bytes per position) and the key
// attribute block (1 byte per position) of `positions` key positions.
//
// `remembered` holds the positions of a previous complete read of the same
// keyboard (kAbsent where none). A key whose remembered position still holds
// its factory code stays there, so that a key this program gave another
// key's code does not take that key's place; a key whose code is nowhere in
// the table (reassigned earlier) falls back to its remembered position when
// no other key sits there. A light position is taken only when its three
// bytes fit a 512-byte frame.
KeyMaps buildKeyMaps(std::span<const uint8_t> keyTable, std::span<const uint8_t> attributes, int positions,
                     const PositionMap* remembered = nullptr);

}  // namespace viremo::devices::keyboard
