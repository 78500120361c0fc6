#include "toolkit/headless_window_system.h"

#include <algorithm>

namespace viremo::toolkit {

namespace {
IWindowSystem* g_windowSystem = nullptr;
}  // namespace

IWindowSystem& GetWindowSystem() {
    return g_windowSystem ? *g_windowSystem : HeadlessWindowSystem();
}

void SetWindowSystem(IWindowSystem* system) {
    g_windowSystem = system;
}

CHeadlessWindowSystem& HeadlessWindowSystem() {
    static CHeadlessWindowSystem system;
    return system;
}

CHeadlessHost::CHeadlessHost(CHeadlessWindowSystem& system, CWindowWnd& window, const WindowOptions& options)
    : m_system(system), m_window(window), m_options(options), m_bounds(options.bounds) {
    m_system.m_hosts.push_back(this);
}

CHeadlessHost::~CHeadlessHost() {
    std::erase(m_system.m_hosts, this);
}

void CHeadlessHost::Invalidate(const Rect& area) {
    m_invalidated = m_invalidated.Union(area);
}

void CHeadlessHost::ScheduleTimer(Clock::Monotonic) {
    // The headless loop asks every window's timers on each turn.
}

Point CHeadlessHost::ClientToScreen(Point point) const {
    return {point.x + m_bounds.left, point.y + m_bounds.top};
}

void CHeadlessHost::Show(bool show, bool activate) {
    m_shown = show;
    m_activated = show && activate;
}

std::unique_ptr<IWindowHost> CHeadlessWindowSystem::CreateHost(CWindowWnd& window, const WindowOptions& options) {
    return std::make_unique<CHeadlessHost>(*this, window, options);
}

void CHeadlessWindowSystem::RunModalLoop(CWindowWnd& window, const std::function<bool()>& done) {
    CMessageQueue& queue = window.GetQueue();
    while (!done()) {
        queue.WaitAndDispatch(std::chrono::milliseconds(10));
        std::vector<CHeadlessHost*> hosts = m_hosts;
        for (CHeadlessHost* host : hosts) {
            if (std::find(m_hosts.begin(), m_hosts.end(), host) != m_hosts.end())
                host->Window().GetPaintManager().ProcessTimers();
        }
    }
}

}  // namespace viremo::toolkit
