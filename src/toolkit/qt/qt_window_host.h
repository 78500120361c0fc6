#pragma once
// The native side of one toolkit window: a CHostWidget, the timer that
// drives the manager's timers, the pointer shape and the edit overlay. The
// Qt-only operations (minimise, maximise, icon, centring on the owner) are
// here too; QtHostOf gives them for a window created under CQtWindowSystem.
#include <QPointer>
#include <QTimer>

#include <string>

#include "toolkit/qt/host_widget.h"
#include "toolkit/window_host.h"

namespace viremo::toolkit::qt {

class CQtWindowHost : public IWindowHost {
public:
    CQtWindowHost(CWindowWnd& window, const WindowOptions& options, double dpiScale);
    ~CQtWindowHost() override;

    void Invalidate(const Rect& area) override;
    void ScheduleTimer(Clock::Monotonic deadline) override;
    void SetCapture(bool captured) override { m_captured = captured; }
    void SetCursor(std::string_view name) override;
    void ShowEditOverlay(CEditUI* edit) override;
    Point ClientToScreen(Point point) const override;
    void Show(bool show, bool activate) override;
    void SetBounds(const Rect& screenRect) override;
    Rect GetBounds() const override;
    void SetTitle(std::string_view title) override;
    void Destroy() override;

    void Minimize();
    void Maximize();
    void Restore();
    bool IsMinimized() const;
    bool IsMaximized() const;
    void RaiseAndActivate();
    // A picture (PNG or SVG), relative to the skin folder unless absolute;
    // false when it cannot be read.
    bool SetIcon(const std::string& path);
    // Centres over the owner window, or on the work area without one.
    void CenterOverOwner();
    // Without a tray icon a hidden window could not be brought back:
    // hiding then minimises instead.
    void SetMinimizeInsteadOfHide(bool minimize) { m_minimizeInsteadOfHide = minimize; }
    bool MinimizesInsteadOfHiding() const { return m_minimizeInsteadOfHide; }

    CWindowWnd* Owner() const { return m_owner; }
    CHostWidget* Widget() const { return m_widget.data(); }
    bool Captured() const { return m_captured; }

    // A window shown (or drawn) before anyone sized it takes the skin's size.
    void EnsureSized() const;

private:
    CWindowWnd& m_window;
    CWindowWnd* m_owner;
    QPointer<CHostWidget> m_widget;
    QTimer m_timer;
    bool m_captured = false;
    bool m_minimizeInsteadOfHide = false;
};

// The Qt host of a window, or null (not created, or created headless).
CQtWindowHost* QtHostOf(const CWindowWnd& window);

}  // namespace viremo::toolkit::qt
