#pragma once
// One macro event as macro and recoil files hold it:
//   {"Type": 10, "Action": "down", "Button": 4, "Delay": "300"}
// and its 4-byte packed form for the device memory images: delay
// little-endian, type with bit 7 set for a press, button.
// Readers accept "Delay" as an integer or a decimal string; anything of
// another type reads as 0.
#include <array>
#include <cstdint>
#include <string_view>

#include <json/value.h>

namespace viremo {

namespace macro_type {
inline constexpr int kMouseButton = 1;
inline constexpr int kHorizontalMove = 4;  // "down" left, "up" right
inline constexpr int kVerticalMove = 5;    // "down" up, "up" down
inline constexpr int kModifier = 9;        // button = modifier bit
inline constexpr int kKey = 10;            // button = HID keyboard usage
}  // namespace macro_type

inline constexpr int64_t kMaxDelay = 65535;

struct MacroEventFields {
    int64_t type = 0;
    bool down = false;
    int64_t button = 0;
    int64_t delay = 0;  // clamped to 0..65535
};

MacroEventFields readMacroEvent(const Json::Value& event);

// A number member given as an integer or a decimal string; anything else,
// or no member, reads as 0.
int64_t readEventNumber(const Json::Value& event, std::string_view key);
// "Delay" read so and clamped to 0..65535.
int64_t readDelay(const Json::Value& event);

using PackedMacroEvent = std::array<uint8_t, 4>;
PackedMacroEvent packMacroEvent(const Json::Value& event);

// A new event object as the macro files write it ("Delay" as a string).
Json::Value makeMacroEvent(int type, bool down, int button, int64_t delay);

// "down" or "up".
std::string_view actionText(bool down);

}  // namespace viremo
