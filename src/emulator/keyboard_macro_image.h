#pragma once
// Reading back the macro image the host writes into the keyboard's macro
// memory (from address 0; 16-bit values little-endian):
//
//   0   2    0x55AA
//   2   2    image size in bytes
//   4   2    number of macros n
//   6   10   reserved
//   16  2n   offset of each macro block from the start of the image
//   block    number of events e (2), reserved (2), e events of 4 bytes:
//            delay (2), type in bits 0-6 with bit 7 set for a press, button
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace viremo::emulator {

struct MacroEvent {
    uint16_t delay = 0;
    uint8_t type = 0;
    bool pressed = false;
    uint8_t button = 0;

    bool operator==(const MacroEvent&) const = default;
};

using MacroEvents = std::vector<MacroEvent>;

std::ostream& operator<<(std::ostream& out, const MacroEvent& event);

// The macros of the image at the start of `memory`, in block order. Nullopt,
// with the reason in `why`, when there is no intact image: a wrong mark, a
// size larger than the memory, or a table or block that leaves the image.
std::optional<std::vector<MacroEvents>> decodeMacroImage(std::span<const uint8_t> memory,
                                                         std::string* why = nullptr);

}  // namespace viremo::emulator
