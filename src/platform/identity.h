#pragma once
// The program's identity string: its title, its single-instance name, the
// name of its "show yourself" message, and the stem of its audio
// companion's window class.
#include <string_view>

namespace viremo {

inline constexpr std::string_view kIdentity = "VIREMO VR-TKL";

}  // namespace viremo
