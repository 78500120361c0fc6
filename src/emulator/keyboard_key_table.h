#pragma once
// The key table of the emulated keyboard and its key attribute block.
//
// The key table holds one 3-byte code (function type, parameter 1,
// parameter 2) per key position; the host finds a key by looking for its
// factory code. The attribute block holds one byte per key position: the
// position of that key's light in a light frame, 255 for none.
//
// The keyboard is wired as a real one is, not in key-number order: key j sits
// at key position (37 j + 11) mod 128 and its light at frame position
// (53 j + 5) mod 128, so a host that mixes up key numbers, key positions and
// light positions shows it. Positions 65 and 102 carry no key (code 00 00 00,
// no light). The menu key (key 111) has been given a function the host does
// not know (code 00 00 00), as after an onboard reassignment: its factory code
// appears nowhere in the table, while its light is still wired.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace viremo::emulator::keyboard {

using KeyCode = std::array<uint8_t, 3>;

inline constexpr size_t kKeyPositions = 128;
inline constexpr size_t kKeyNumbers = 126;
inline constexpr size_t kKeyCodeLength = 3;
inline constexpr size_t kKeyTableLength = kKeyPositions * kKeyCodeLength;  // 384
inline constexpr size_t kKeyAttributeLength = kKeyPositions;               // 128
inline constexpr uint8_t kNoLight = 255;
inline constexpr size_t kReassignedKey = 111;  // the menu key

// Factory code of key number 0-125.
KeyCode factoryKeyCode(size_t key);
// Where key number 0-125 sits in the key table, and where its light sits in
// a light frame.
size_t keyPosition(size_t key);
uint8_t lightPosition(size_t key);

std::vector<uint8_t> factoryKeyTable();
std::vector<uint8_t> factoryKeyAttributes();

}  // namespace viremo::emulator::keyboard
