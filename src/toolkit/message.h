#pragma once
// Window messages: a number and two parameters, as the program's windows and
// threads exchange them.
#include <cstdint>

namespace viremo::toolkit {

using WindowHandle = std::uint32_t;
inline constexpr WindowHandle kNoWindow = 0;

struct Message {
    unsigned id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// Numbers the toolkit itself uses. Program messages start at kMsgUser;
// registered messages at kMsgRegisteredFirst.
inline constexpr unsigned kMsgDestroy = 0x0002;
inline constexpr unsigned kMsgClose = 0x0010;
inline constexpr unsigned kMsgTimer = 0x0113;
inline constexpr unsigned kMsgActivate = 0x0006;
inline constexpr unsigned kMsgUser = 0x0400;
inline constexpr unsigned kMsgRegisteredFirst = 0xC000;

}  // namespace viremo::toolkit
