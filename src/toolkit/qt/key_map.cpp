#include "toolkit/qt/key_map.h"

#include <utility>

#include "toolkit/event.h"

namespace viremo::toolkit::qt {

namespace {

constexpr std::pair<int, unsigned> kKeys[] = {
    {Qt::Key_Backspace, kKeyBackspace}, {Qt::Key_Tab, kKeyTab},           {Qt::Key_Backtab, kKeyTab},
    {Qt::Key_Return, kKeyReturn},       {Qt::Key_Enter, kKeyReturn},      {Qt::Key_Escape, kKeyEscape},
    {Qt::Key_PageUp, kKeyPageUp},       {Qt::Key_PageDown, kKeyPageDown}, {Qt::Key_End, kKeyEnd},
    {Qt::Key_Home, kKeyHome},           {Qt::Key_Left, kKeyLeft},         {Qt::Key_Up, kKeyUp},
    {Qt::Key_Right, kKeyRight},         {Qt::Key_Down, kKeyDown},         {Qt::Key_Delete, kKeyDelete},
};

}  // namespace

unsigned ToToolkitKey(int qtKey) {
    for (const auto& [qt, toolkit] : kKeys) {
        if (qt == qtKey) return toolkit;
    }
    return static_cast<unsigned>(qtKey);
}

unsigned ToKeyState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    unsigned state = 0;
    if (modifiers & Qt::ShiftModifier) state |= kKeyShift;
    if (modifiers & Qt::ControlModifier) state |= kKeyControl;
    if (modifiers & Qt::AltModifier) state |= kKeyAlt;
    if (buttons & Qt::LeftButton) state |= kButtonLeft;
    if (buttons & Qt::RightButton) state |= kButtonRight;
    return state;
}

}  // namespace viremo::toolkit::qt
