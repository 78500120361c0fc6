#pragma once
// Qt keys, modifiers and buttons in the toolkit's terms.
#include <Qt>

namespace viremo::toolkit::qt {

// The toolkit's KeyCode for the keys it reacts to; other keys give the Qt
// key code unchanged.
unsigned ToToolkitKey(int qtKey);

// KeyState bits of the modifiers and the buttons held.
unsigned ToKeyState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

}  // namespace viremo::toolkit::qt
