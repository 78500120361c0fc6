#pragma once
// What the program's windows ask of the desktop beyond the toolkit: minimise,
// restore, bring to the front, and the monitor they are on. The application
// installs the Qt implementation; without one (headless tests) minimising
// and raising do nothing and the monitor is the work area.
#include <optional>

#include "toolkit/geometry.h"

namespace viremo::toolkit {
class CWindowWnd;
}

namespace viremo::ui {

class IWindowChrome {
public:
    virtual ~IWindowChrome() = default;
    virtual void Minimize(toolkit::CWindowWnd& window) = 0;
    virtual void Restore(toolkit::CWindowWnd& window) = 0;
    virtual void Raise(toolkit::CWindowWnd& window) = 0;
    virtual bool IsMinimized(toolkit::CWindowWnd& window) = 0;
    // The full rectangle of the monitor nearest to the window.
    virtual toolkit::Rect MonitorRect(toolkit::CWindowWnd& window) = 0;
    // Where the mouse pointer is, in screen coordinates; nothing where the
    // desktop does not tell.
    virtual std::optional<toolkit::Point> CursorPosition() = 0;
};

// The installed chrome; never null.
IWindowChrome& WindowChrome();
// Installs `chrome` (null: the headless default) and returns the previous one.
IWindowChrome* SetWindowChrome(IWindowChrome* chrome);

}  // namespace viremo::ui
