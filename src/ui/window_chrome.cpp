#include "ui/window_chrome.h"

#include "toolkit/window.h"

namespace viremo::ui {

namespace {

class HeadlessChrome : public IWindowChrome {
public:
    void Minimize(toolkit::CWindowWnd&) override {}
    void Restore(toolkit::CWindowWnd& window) override { window.ShowWindow(true, true); }
    void Raise(toolkit::CWindowWnd&) override {}
    bool IsMinimized(toolkit::CWindowWnd&) override { return false; }
    toolkit::Rect MonitorRect(toolkit::CWindowWnd&) override { return toolkit::GetWindowSystem().WorkArea(); }
    std::optional<toolkit::Point> CursorPosition() override { return std::nullopt; }
};

HeadlessChrome g_headless;
IWindowChrome* g_chrome = &g_headless;

}  // namespace

IWindowChrome& WindowChrome() { return *g_chrome; }

IWindowChrome* SetWindowChrome(IWindowChrome* chrome) {
    IWindowChrome* previous = g_chrome == &g_headless ? nullptr : g_chrome;
    g_chrome = chrome ? chrome : &g_headless;
    return previous;
}

}  // namespace viremo::ui
