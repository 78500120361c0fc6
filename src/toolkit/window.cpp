#include "toolkit/window.h"

namespace viremo::toolkit {

CWindowWnd::CWindowWnd(CMessageQueue& queue, const Clock& clock) : m_queue(queue), m_pm(clock) {
    m_pm.SetOwnerWindow(this);
    m_pm.SetWindowTimerHandler([this](unsigned id) {
        Message msg{kMsgTimer, id, 0};
        DispatchMessage(msg);
    });
}

CWindowWnd::~CWindowWnd() {
    Destroy();
}

bool CWindowWnd::Create(const WindowOptions& options) {
    if (IsCreated()) return false;
    m_hWnd = m_queue.Register(this);
    m_host = GetWindowSystem().CreateHost(*this, options);
    m_pm.SetHost(m_host.get());
    return true;
}

void CWindowWnd::ShowWindow(bool show, bool activate) {
    if (!m_host) return;
    m_bShown = show;
    m_host->Show(show, activate);
}

void CWindowWnd::CenterWindow() {
    if (!m_host) return;
    Rect bounds = m_host->GetBounds();
    Rect area = GetWindowSystem().WorkArea();
    int left = area.left + (area.Width() - bounds.Width()) / 2;
    int top = area.top + (area.Height() - bounds.Height()) / 2;
    m_host->SetBounds({left, top, left + bounds.Width(), top + bounds.Height()});
}

void CWindowWnd::ApplyDpi(int dpi) {
    m_pm.SetDPIScale(dpi / 96.0);
    if (!m_host) return;
    const Rect bounds = m_host->GetBounds();
    const Size size = m_pm.GetInitSize();
    SetBounds({bounds.left, bounds.top, bounds.left + m_pm.ScaleValue(size.cx), bounds.top + m_pm.ScaleValue(size.cy)});
}

void CWindowWnd::SetBounds(const Rect& screenRect) {
    if (m_host) m_host->SetBounds(screenRect);
}

int CWindowWnd::ShowModal() {
    if (!IsCreated()) return -1;
    m_bModal = true;
    m_modalResult.reset();
    ShowWindow(true, true);
    GetWindowSystem().RunModalLoop(*this, [this] { return m_modalResult.has_value(); });
    int result = m_modalResult.value_or(-1);
    m_bModal = false;
    Destroy();
    OnFinalMessage();  // may delete this
    return result;
}

void CWindowWnd::Close(int result) {
    if (!IsCreated()) return;
    if (m_bModal) {
        m_modalResult = result;
        ShowWindow(false, false);
        return;
    }
    ShowWindow(false, false);
    m_queue.Post(m_hWnd, {kMsgDestroy, static_cast<std::uintptr_t>(result), 0});
}

bool CWindowWnd::SetTimer(unsigned id, unsigned elapseMs) {
    return m_pm.SetWindowTimer(id, elapseMs);
}

bool CWindowWnd::KillTimer(unsigned id) {
    return m_pm.KillWindowTimer(id);
}

void CWindowWnd::SetTitle(std::string_view title) {
    if (m_host) m_host->SetTitle(title);
}

bool CWindowWnd::PostMessage(Message msg) {
    return m_queue.Post(m_hWnd, msg);
}

std::intptr_t CWindowWnd::DispatchMessage(Message& msg) {
    std::intptr_t result = 0;
    if (m_pm.FilterMessage(msg, result)) return result;
    return HandleMessage(msg);
}

std::intptr_t CWindowWnd::HandleMessage(Message& msg) {
    if (msg.id == kMsgClose) {
        // The user closed the native window; windows that want to ask first
        // handle kMsgClose themselves.
        Close(static_cast<int>(msg.wParam));
        return 0;
    }
    if (msg.id == kMsgDestroy) {
        Destroy();
        OnFinalMessage();  // may delete this
    }
    return 0;
}

void CWindowWnd::Destroy() {
    if (!IsCreated()) return;
    m_pm.RemoveAllTimers();
    m_pm.SetHost(nullptr);
    if (m_host) m_host->Destroy();
    m_host.reset();
    m_queue.Unregister(m_hWnd);
    m_hWnd = kNoWindow;
    m_bShown = false;
}

}  // namespace viremo::toolkit
