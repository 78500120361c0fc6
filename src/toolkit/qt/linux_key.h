#pragma once
// The Linux input key code (evdev KEY_*) of a Qt key event.
#include <cstdint>

class QKeyEvent;

namespace viremo::toolkit::qt {

// Qt on Linux reports the XKB key code (evdev + 8) as the native scan code;
// events without one (synthesised, or from a platform that gives none) are
// mapped from their Qt key, left-hand modifiers for either side. 0 when the
// key is unknown.
uint16_t LinuxKeyOf(const QKeyEvent& event);

}  // namespace viremo::toolkit::qt
