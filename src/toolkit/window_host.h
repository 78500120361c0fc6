#pragma once
// What a toolkit window needs from the native window that shows it. The Qt
// host gives one per window; CHeadlessWindowSystem (headless_window_system.h)
// gives recording stand-ins for tests and command-line use.
//
// Input flows the other way: the host calls the paint manager's entry points
// (OnMouseMove, OnButtonDown, OnKeyDown, OnActivate, OnSize, ...) and
// Paint(renderer, dirty); hot, pushed, capture, click and focus are worked
// out by the toolkit.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "toolkit/geometry.h"

namespace viremo::toolkit {

class CEditUI;
class CWindowWnd;

enum class WindowKind {
    Normal,  // top-level window
    Popup,   // combo drop-down or menu: no frame, closes when it loses activation
};

struct WindowOptions {
    WindowKind kind = WindowKind::Normal;
    CWindowWnd* owner = nullptr;
    std::string title;
    Rect bounds;  // screen coordinates; empty = host's choice
};

class IWindowHost {
public:
    virtual ~IWindowHost() = default;

    // Drawing and input support.
    virtual void Invalidate(const Rect& area) = 0;
    // Call the manager's ProcessTimers at or soon after the deadline; a later
    // call replaces the earlier wish.
    virtual void ScheduleTimer(Clock::Monotonic deadline) = 0;
    virtual void SetCapture(bool captured) = 0;
    virtual void SetCursor(std::string_view name) = 0;
    // Show a native line edit over the focused edit (null: hide it). The host
    // reports typing back through CEditUI::ApplyNativeText and the keys
    // Return and Escape through the manager's OnKeyDown.
    virtual void ShowEditOverlay(CEditUI* edit) = 0;
    virtual Point ClientToScreen(Point point) const = 0;

    // The window itself.
    virtual void Show(bool show, bool activate) = 0;
    virtual void SetBounds(const Rect& screenRect) = 0;
    virtual Rect GetBounds() const = 0;
    virtual void SetTitle(std::string_view title) = 0;
    virtual void Destroy() = 0;
};

class IWindowSystem {
public:
    virtual ~IWindowSystem() = default;
    virtual std::unique_ptr<IWindowHost> CreateHost(CWindowWnd& window, const WindowOptions& options) = 0;
    // Runs events until done() is true (the loop of a modal window).
    virtual void RunModalLoop(CWindowWnd& window, const std::function<bool()>& done) = 0;
    // The usable part of the screen the window is on.
    virtual Rect WorkArea() const = 0;
};

// The window system windows are created in; the headless one until a host
// installs its own.
IWindowSystem& GetWindowSystem();
void SetWindowSystem(IWindowSystem* system);  // null restores the headless one

}  // namespace viremo::toolkit
