#pragma once
// Input and life-cycle events delivered to a control's DoEvent.
#include <cstdint>

#include "toolkit/geometry.h"

namespace viremo::toolkit {

class CControlUI;

enum class EventType {
    MouseMove,
    MouseEnter,
    MouseLeave,
    ButtonDown,
    ButtonUp,
    DoubleClick,
    RightButtonDown,
    ContextMenu,
    ScrollWheel,
    KeyDown,
    KeyUp,
    Char,
    SetFocus,
    KillFocus,
    Timer,
};

// Modifier and button state bits of an event.
enum KeyState : unsigned {
    kKeyShift = 1,
    kKeyControl = 2,
    kKeyAlt = 4,
    kButtonLeft = 8,
    kButtonRight = 16,
};

// Key codes the toolkit itself reacts to; other keys pass through as the
// host's code.
enum KeyCode : unsigned {
    kKeyBackspace = 0x08,
    kKeyTab = 0x09,
    kKeyReturn = 0x0D,
    kKeyEscape = 0x1B,
    kKeyPageUp = 0x21,
    kKeyPageDown = 0x22,
    kKeyEnd = 0x23,
    kKeyHome = 0x24,
    kKeyLeft = 0x25,
    kKeyUp = 0x26,
    kKeyRight = 0x27,
    kKeyDown = 0x28,
    kKeyDelete = 0x2E,
};

struct TEventUI {
    EventType Type = EventType::MouseMove;
    CControlUI* pSender = nullptr;
    std::uint64_t dwTimestamp = 0;  // milliseconds of the manager's clock
    Point ptMouse;
    unsigned chKey = 0;             // key code, or the character of a Char event
    unsigned wKeyState = 0;         // KeyState bits
    std::uintptr_t wParam = 0;      // timer id; wheel: 0 = up, 1 = down
    std::intptr_t lParam = 0;
};

}  // namespace viremo::toolkit
