#pragma once
// One per window: the root of the control tree, the name index, the
// notifiers and message filters, control and window timers, focus, capture
// and the hot control, layout and painting, and the input entry points the
// host calls.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/clock.h"
#include "toolkit/control.h"
#include "toolkit/message.h"
#include "toolkit/message_filter.h"
#include "toolkit/notify.h"
#include "toolkit/render.h"

namespace viremo::toolkit {

class IWindowHost;
class CWindowWnd;

class CPaintManagerUI {
public:
    explicit CPaintManagerUI(const Clock& clock = systemClock());
    ~CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

    // The native side. Without a host the manager works headless.
    void SetHost(IWindowHost* host);
    IWindowHost* GetHost() const { return m_pHost; }
    // Text measurement for auto-size; a fixed-metric one until set.
    void SetTextMeasurer(ITextMeasurer* measurer);
    ITextMeasurer& GetTextMeasurer() const;
    const Clock& GetClock() const { return m_clock; }
    // The window whose tree this is (null for a tree outside any window).
    void SetOwnerWindow(CWindowWnd* window) { m_pWindow = window; }
    CWindowWnd* GetOwnerWindow() const { return m_pWindow; }
    // The skin's wish for the window: its initial client size and the
    // caption band the user drags the window by (negative bottom: none).
    void SetInitSize(Size size) { m_szInit = size; }
    Size GetInitSize() const { return m_szInit; }
    void SetCaptionRect(const Rect& caption) { m_rcCaption = caption; }
    const Rect& GetCaptionRect() const { return m_rcCaption; }
    std::uint64_t NowMilliseconds() const;

    // The tree. AttachDialog replaces the root, attaches every control,
    // indexes names and runs Init.
    bool AttachDialog(std::unique_ptr<CControlUI> root);
    CControlUI* GetRoot() const { return m_pRoot.get(); }
    // Called by controls joining and leaving the window.
    void InitControl(CControlUI* control);
    void ReapControl(CControlUI* control);
    void RenameControl(CControlUI* control, const std::string& oldName);
    // Destroys a control removed while an event or notification may still
    // be using it, once the current input event is done.
    void AddDelayedCleanup(std::unique_ptr<CControlUI> control);

    // Lookup. Names are compared exactly; the first control with a name wins.
    CControlUI* FindControl(std::string_view name) const;
    CControlUI* FindControl(Point point) const;
    CControlUI* FindSubControlByName(CControlUI* parent, std::string_view name) const;
    CControlUI* FindSubControlByClass(CControlUI* parent, std::string_view className, int index = 0) const;
    std::vector<CControlUI*> FindSubControlsByClass(CControlUI* parent, std::string_view className) const;

    // Notifications go to every notifier in the order they were added.
    bool AddNotifier(INotifyUI* notifier);
    bool RemoveNotifier(INotifyUI* notifier);
    void SendNotify(TNotifyUI& msg, bool async = false);
    void SendNotify(CControlUI* sender, std::string_view type, std::uintptr_t wParam = 0,
                    std::intptr_t lParam = 0, bool async = false);
    // Delivers the notifications sent with async; the input entry points do
    // it after each event.
    void DispatchAsyncNotify();

    // Message filters, in the order added; the first that handles a message
    // stops it.
    bool AddMessageFilter(IMessageFilterUI* filter);
    bool RemoveMessageFilter(IMessageFilterUI* filter);
    bool FilterMessage(Message& msg, std::intptr_t& result);

    // Timers. A control timer raises a Timer event on the control (which
    // sends "timer"); a window timer calls the window-timer handler. Setting
    // a running timer restarts it; elapse 0 counts as 1 ms.
    bool SetTimer(CControlUI* control, unsigned id, unsigned elapseMs);
    bool KillTimer(CControlUI* control, unsigned id);
    void KillTimer(CControlUI* control);
    bool SetWindowTimer(unsigned id, unsigned elapseMs);
    bool KillWindowTimer(unsigned id);
    void SetWindowTimerHandler(std::function<void(unsigned id)> handler);
    void RemoveAllTimers();
    // Fires every timer that is due (each at most once per call).
    void ProcessTimers();
    std::optional<Clock::Monotonic> NextTimerDeadline() const;

    // Focus and capture. The control a mouse button went down on gets every
    // mouse move until the button is released.
    CControlUI* GetFocus() const { return m_pFocus; }
    void SetFocus(CControlUI* control);
    void SetCapture(CControlUI* control);
    void ReleaseCapture();
    CControlUI* GetCapture() const { return m_pPressed; }
    CControlUI* GetHot() const { return m_pHot; }

    // Layout and painting.
    void NeedUpdate() { m_bUpdateNeeded = true; Invalidate(); }
    bool IsUpdateNeeded() const { return m_bUpdateNeeded; }
    void Invalidate();
    void Invalidate(const Rect& rect);
    Size GetClientSize() const { return m_szClient; }
    Rect GetClientRect() const { return {0, 0, m_szClient.cx, m_szClient.cy}; }
    // Lays the tree out when something asked for it; sends "windowinit"
    // after the first layout.
    void Layout();
    void Paint(IRenderer& renderer, const Rect& dirty);

    // Input entry points, client coordinates.
    void OnSize(Size client);
    void OnMouseMove(Point point, unsigned keyState = 0);
    void OnMouseLeave();
    void OnButtonDown(Point point, unsigned keyState = 0);
    void OnButtonUp(Point point, unsigned keyState = 0);
    void OnDoubleClick(Point point, unsigned keyState = 0);
    void OnRightButtonDown(Point point, unsigned keyState = 0);
    void OnContextMenu(Point point);
    // delta > 0 turns the wheel away from the user (scrolls up).
    void OnMouseWheel(Point point, int delta, unsigned keyState = 0);
    void OnKeyDown(unsigned key, unsigned keyState = 0);
    void OnKeyUp(unsigned key, unsigned keyState = 0);
    void OnChar(char32_t character);
    // The window gained or lost activation; losing it takes the focus away.
    void OnActivate(bool active);
    bool IsActive() const { return m_bActive; }

    // Scale of skin pixels to device pixels (1.0 at 96 dpi).
    void SetDPIScale(double scale);
    double GetDPIScale() const { return m_dpiScale; }
    int ScaleValue(int value) const;

    // Fonts, shared by every window. Id -1 is the default font.
    static void AddFont(int id, const FontInfo& font);
    static const FontInfo& GetFont(int id);
    static void RemoveAllFonts();

    // Default attributes per class (the skin's Default elements) and named
    // styles, as name="value" lists.
    void AddDefaultAttributeList(std::string_view className, std::string list);
    const std::string* GetDefaultAttributeList(std::string_view className) const;
    void AddStyle(std::string_view name, std::string list);
    const std::string* GetStyle(std::string_view name) const;

    // The skin folder images and layouts are read from.
    static void SetResourcePath(std::filesystem::path path);
    static const std::filesystem::path& GetResourcePath();
    // Width and height of a picture file (resolved against the skin folder);
    // zero when it cannot be read.
    Size GetImageSize(const std::string& file) const;

private:
    struct Timer {
        CControlUI* control;  // null: window timer
        unsigned id;
        std::chrono::milliseconds interval;
        Clock::Monotonic due;
    };

    // Keeps a pointer to a control that becomes null when the control
    // leaves the window while events run.
    class Watch {
    public:
        Watch(CPaintManagerUI& manager, CControlUI* control);
        ~Watch();
        Watch(const Watch&) = delete;
        Watch& operator=(const Watch&) = delete;
        CControlUI* Get() const { return m_control; }

    private:
        CPaintManagerUI& m_manager;
        CControlUI* m_control;
    };

    void ScheduleHostTimer();
    void SendEvent(CControlUI* control, EventType type, Point point, unsigned keyState = 0,
                   std::uintptr_t wParam = 0, std::intptr_t lParam = 0, unsigned key = 0);
    void UpdateHot(Point point, unsigned keyState);
    void UpdateCursor();
    CControlUI* InputTarget(Point point) const;
    void PressAt(Point point, unsigned keyState, EventType type);
    void FinishInput();
    void AddName(CControlUI* control, const std::string& name);
    void RemoveName(CControlUI* control, const std::string& name);

    const Clock& m_clock;
    IWindowHost* m_pHost = nullptr;
    CWindowWnd* m_pWindow = nullptr;
    Size m_szInit;
    Rect m_rcCaption;
    int m_languageListener = 0;
    ITextMeasurer* m_pMeasurer = nullptr;
    std::unique_ptr<CControlUI> m_pRoot;
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };
    // Every attached control by name; the first attached of a name is found.
    std::unordered_map<std::string, std::vector<CControlUI*>, NameHash, std::equal_to<>> m_names;
    std::vector<INotifyUI*> m_notifiers;
    std::vector<TNotifyUI> m_asyncNotify;
    std::vector<std::unique_ptr<CControlUI>> m_delayedCleanup;
    std::vector<IMessageFilterUI*> m_filters;
    std::vector<Timer> m_timers;
    std::function<void(unsigned)> m_windowTimerHandler;
    CControlUI* m_pFocus = nullptr;
    CControlUI* m_pHot = nullptr;
    CControlUI* m_pPressed = nullptr;
    Point m_ptLastMouse;
    std::vector<CControlUI**> m_watches;
    bool m_bActive = true;
    bool m_bUpdateNeeded = true;
    bool m_bFirstLayout = true;
    Size m_szClient;
    double m_dpiScale = 1.0;
    std::map<std::string, std::string, std::less<>> m_defaultAttributes;
    std::map<std::string, std::string, std::less<>> m_styles;
};

}  // namespace viremo::toolkit
