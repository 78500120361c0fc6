#pragma once
// Assignment codes as short readable text, for the command line and logs:
//
//   Ctrl+A  Shift  RAlt+F4  none       keyboard keys and modifiers
//   mouse:left    dpi:up    fire:30:5  mouse buttons, DPI, rapid fire
//   move:right:3:2:5   wheel:down:3:2:5   direction, count, delay, speed
//   media:play-pause   system:sleep       consumer and system keys
//   macro:2  macro:2:1  macro:2:x5        play mode 0, play mode 1, repeat 5
//   gun:1   FN  GM  M1                    gun preset, the device's own keys
//   0x200004                              any code in hexadecimal
//
// `parseAssignment` reads what `describeAssignment` writes.
#include <optional>
#include <string>
#include <string_view>

#include "macros/assignment_code.h"

namespace viremo {

std::string describeAssignment(const AssignmentCode& code);
std::optional<AssignmentCode> parseAssignment(std::string_view text);

// "0x200004"
std::string hexCode(const AssignmentCode& code);

}  // namespace viremo
