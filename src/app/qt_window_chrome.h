#pragma once
// The window chrome of the program's windows on the Qt host.
#include "ui/window_chrome.h"

namespace viremo::app {

class QtWindowChrome : public ui::IWindowChrome {
public:
    void Minimize(toolkit::CWindowWnd& window) override;
    void Restore(toolkit::CWindowWnd& window) override;
    void Raise(toolkit::CWindowWnd& window) override;
    bool IsMinimized(toolkit::CWindowWnd& window) override;
    toolkit::Rect MonitorRect(toolkit::CWindowWnd& window) override;
    std::optional<toolkit::Point> CursorPosition() override;
};

}  // namespace viremo::app
