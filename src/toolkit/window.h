#pragma once
// A window: a message handler with a handle, a paint manager for its control
// tree and a native host from the window system. Messages reach the paint
// manager's message filters first, then HandleMessage. Derived windows
// override HandleMessage (and pass what they do not handle to the base) and
// OnFinalMessage.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/message_queue.h"
#include "toolkit/paint_manager.h"
#include "toolkit/window_host.h"

namespace viremo::toolkit {

class CWindowWnd : public IMessageHandler {
public:
    explicit CWindowWnd(CMessageQueue& queue = UiQueue(), const Clock& clock = systemClock());
    ~CWindowWnd() override;
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;

    WindowHandle GetHWND() const { return m_hWnd; }
    CPaintManagerUI& GetPaintManager() { return m_pm; }
    CMessageQueue& GetQueue() const { return m_queue; }
    IWindowHost* GetHost() const { return m_host.get(); }

    // Creates the native window and registers the handle. False when it
    // exists already.
    bool Create(const WindowOptions& options);
    bool IsCreated() const { return m_hWnd != kNoWindow; }
    void ShowWindow(bool show = true, bool activate = true);
    bool IsShown() const { return m_bShown; }
    void CenterWindow();
    // Scales the controls for `dpi` (96 is the layout's own size) and sizes
    // the window to its layout at that scale, keeping its top-left corner.
    void ApplyDpi(int dpi);
    void SetBounds(const Rect& screenRect);

    // Shows the window and runs events until Close; returns Close's result.
    int ShowModal();
    bool IsModal() const { return m_bModal; }
    // Ends a modal run with the result, or hides a modeless window and
    // destroys it once the current message is done; OnFinalMessage follows
    // the destruction (and may delete the object).
    void Close(int result = 0);

    // Window timers: kMsgTimer with wParam = id reaches HandleMessage.
    bool SetTimer(unsigned id, unsigned elapseMs);
    bool KillTimer(unsigned id);

    void SetTitle(std::string_view title);

    // Posts to this window through its queue.
    bool PostMessage(Message msg);

    std::intptr_t DispatchMessage(Message& msg) final;
    virtual std::intptr_t HandleMessage(Message& msg);

protected:
    // After the window is destroyed; the object is no longer used by the
    // toolkit. Self-owned windows delete themselves here.
    virtual void OnFinalMessage() {}

    CMessageQueue& m_queue;
    CPaintManagerUI m_pm;

private:
    void Destroy();

    std::unique_ptr<IWindowHost> m_host;
    WindowHandle m_hWnd = kNoWindow;
    bool m_bShown = false;
    bool m_bModal = false;
    std::optional<int> m_modalResult;
};

}  // namespace viremo::toolkit
