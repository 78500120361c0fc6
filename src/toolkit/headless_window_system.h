#pragma once
// The window system when no host is installed: windows exist as objects,
// their hosts record what the toolkit asked of them, and a modal loop runs
// the window's queue and timers. Tests reach the live hosts through
// LiveHosts() (each knows its window) and a window's recordings through its
// GetHost().
#include <vector>

#include "toolkit/window.h"
#include "toolkit/window_host.h"

namespace viremo::toolkit {

class CHeadlessHost : public IWindowHost {
public:
    CHeadlessHost(class CHeadlessWindowSystem& system, CWindowWnd& window, const WindowOptions& options);
    ~CHeadlessHost() override;

    void Invalidate(const Rect& area) override;
    void ScheduleTimer(Clock::Monotonic deadline) override;
    void SetCapture(bool captured) override { m_captured = captured; }
    void SetCursor(std::string_view name) override { m_cursor = std::string(name); }
    void ShowEditOverlay(CEditUI* edit) override { m_overlay = edit; }
    Point ClientToScreen(Point point) const override;
    void Show(bool show, bool activate) override;
    void SetBounds(const Rect& screenRect) override { m_bounds = screenRect; }
    Rect GetBounds() const override { return m_bounds; }
    void SetTitle(std::string_view title) override { m_title = std::string(title); }
    void Destroy() override { m_destroyed = true; }

    CWindowWnd& Window() const { return m_window; }
    const WindowOptions& Options() const { return m_options; }
    const Rect& Invalidated() const { return m_invalidated; }
    void ClearInvalidated() { m_invalidated = {}; }
    bool Captured() const { return m_captured; }
    const std::string& Cursor() const { return m_cursor; }
    CEditUI* Overlay() const { return m_overlay; }
    bool Shown() const { return m_shown; }
    bool Activated() const { return m_activated; }

private:
    CHeadlessWindowSystem& m_system;
    CWindowWnd& m_window;
    WindowOptions m_options;
    Rect m_bounds;
    Rect m_invalidated;
    bool m_captured = false;
    std::string m_cursor;
    CEditUI* m_overlay = nullptr;
    std::string m_title;
    bool m_shown = false;
    bool m_activated = false;
    bool m_destroyed = false;
};

class CHeadlessWindowSystem : public IWindowSystem {
public:
    std::unique_ptr<IWindowHost> CreateHost(CWindowWnd& window, const WindowOptions& options) override;
    void RunModalLoop(CWindowWnd& window, const std::function<bool()>& done) override;
    Rect WorkArea() const override { return m_workArea; }
    void SetWorkArea(const Rect& area) { m_workArea = area; }

    // Windows whose native side exists, oldest first.
    const std::vector<CHeadlessHost*>& LiveHosts() const { return m_hosts; }
    CHeadlessHost* LastHost() const { return m_hosts.empty() ? nullptr : m_hosts.back(); }

private:
    friend class CHeadlessHost;
    std::vector<CHeadlessHost*> m_hosts;
    Rect m_workArea{0, 0, 1920, 1040};
};

// The headless system GetWindowSystem() returns when no other is set.
CHeadlessWindowSystem& HeadlessWindowSystem();

}  // namespace viremo::toolkit
