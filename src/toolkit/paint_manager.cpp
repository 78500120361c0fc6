#include "toolkit/paint_manager.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "toolkit/fixed_metric_renderer.h"
#include "toolkit/language.h"
#include "toolkit/window.h"
#include "toolkit/window_host.h"

namespace viremo::toolkit {

namespace {

std::map<int, FontInfo>& Fonts() {
    static std::map<int, FontInfo> fonts;
    return fonts;
}

std::filesystem::path& ResourcePath() {
    static std::filesystem::path path;
    return path;
}

ITextMeasurer& DefaultMeasurer() {
    static CFixedMetricMeasurer measurer;
    return measurer;
}

std::uint32_t BigEndian32(const unsigned char* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
           std::uint32_t{bytes[3]};
}

}  // namespace

CPaintManagerUI::CPaintManagerUI(const Clock& clock) : m_clock(clock) {
    m_languageListener = Language().AddListener([this] {
        if (m_pRoot) m_pRoot->OnLanguageChanged();
        NeedUpdate();
    });
}

CPaintManagerUI::~CPaintManagerUI() {
    Language().RemoveListener(m_languageListener);
    m_pHost = nullptr;
    m_timers.clear();
    m_asyncNotify.clear();
    m_delayedCleanup.clear();
    m_pRoot.reset();
}

void CPaintManagerUI::SetHost(IWindowHost* host) {
    m_pHost = host;
    ScheduleHostTimer();
}

void CPaintManagerUI::SetTextMeasurer(ITextMeasurer* measurer) {
    m_pMeasurer = measurer;
    NeedUpdate();
}

ITextMeasurer& CPaintManagerUI::GetTextMeasurer() const {
    return m_pMeasurer ? *m_pMeasurer : DefaultMeasurer();
}

std::uint64_t CPaintManagerUI::NowMilliseconds() const {
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(m_clock.now().time_since_epoch()).count());
}

bool CPaintManagerUI::AttachDialog(std::unique_ptr<CControlUI> root) {
    if (!root) return false;
    m_pRoot.reset();
    m_pRoot = std::move(root);
    m_bFirstLayout = true;
    m_pRoot->SetManager(this, nullptr, false);
    // Init in tree order once every control is in place, so that an option
    // finds the tab layout it is bound to wherever that lies.
    m_pRoot->FindControl(
        [](CControlUI* c) {
            c->Init();
            return false;
        },
        kFindAll | kFindMeFirst);
    NeedUpdate();
    return true;
}

void CPaintManagerUI::InitControl(CControlUI* control) {
    if (!control->GetName().empty()) AddName(control, control->GetName());
}

CPaintManagerUI::Watch::Watch(CPaintManagerUI& manager, CControlUI* control) : m_manager(manager), m_control(control) {
    m_manager.m_watches.push_back(&m_control);
}

CPaintManagerUI::Watch::~Watch() {
    std::erase(m_manager.m_watches, &m_control);
}

void CPaintManagerUI::ReapControl(CControlUI* control) {
    for (CControlUI** watched : m_watches) {
        if (*watched == control) *watched = nullptr;
    }
    RemoveName(control, control->GetName());
    if (m_pFocus == control) {
        m_pFocus = nullptr;
        if (m_pHost) m_pHost->ShowEditOverlay(nullptr);
    }
    if (m_pHot == control) m_pHot = nullptr;
    if (m_pPressed == control) {
        m_pPressed = nullptr;
        if (m_pHost) m_pHost->SetCapture(false);
    }
    std::erase_if(m_timers, [control](const Timer& t) { return t.control == control; });
    std::erase_if(m_asyncNotify, [control](const TNotifyUI& n) { return n.pSender == control; });
}

void CPaintManagerUI::RenameControl(CControlUI* control, const std::string& oldName) {
    if (control->GetManager() != this) return;
    RemoveName(control, oldName);
    if (!control->GetName().empty()) AddName(control, control->GetName());
}

void CPaintManagerUI::AddName(CControlUI* control, const std::string& name) {
    m_names[name].push_back(control);
}

void CPaintManagerUI::RemoveName(CControlUI* control, const std::string& name) {
    if (name.empty()) return;
    auto found = m_names.find(name);
    if (found == m_names.end()) return;
    std::erase(found->second, control);
    if (found->second.empty()) m_names.erase(found);
}

void CPaintManagerUI::AddDelayedCleanup(std::unique_ptr<CControlUI> control) {
    if (control) m_delayedCleanup.push_back(std::move(control));
}

CControlUI* CPaintManagerUI::FindControl(std::string_view name) const {
    auto found = m_names.find(name);
    return found == m_names.end() ? nullptr : found->second.front();
}

CControlUI* CPaintManagerUI::FindControl(Point point) const {
    return m_pRoot ? m_pRoot->FindControlAt(point) : nullptr;
}

CControlUI* CPaintManagerUI::FindSubControlByName(CControlUI* parent, std::string_view name) const {
    if (!parent) return nullptr;
    return parent->FindControl([name](CControlUI* c) { return c->GetName() == name; }, kFindAll | kFindMeFirst);
}

CControlUI* CPaintManagerUI::FindSubControlByClass(CControlUI* parent, std::string_view className, int index) const {
    auto all = FindSubControlsByClass(parent, className);
    return index >= 0 && index < static_cast<int>(all.size()) ? all[index] : nullptr;
}

std::vector<CControlUI*> CPaintManagerUI::FindSubControlsByClass(CControlUI* parent, std::string_view className) const {
    std::vector<CControlUI*> found;
    if (!parent) return found;
    parent->FindControl(
        [&](CControlUI* c) {
            if (c->GetClass() == className) found.push_back(c);
            return false;
        },
        kFindAll | kFindMeFirst);
    return found;
}

bool CPaintManagerUI::AddNotifier(INotifyUI* notifier) {
    if (!notifier || std::find(m_notifiers.begin(), m_notifiers.end(), notifier) != m_notifiers.end()) return false;
    m_notifiers.push_back(notifier);
    return true;
}

bool CPaintManagerUI::RemoveNotifier(INotifyUI* notifier) {
    return std::erase(m_notifiers, notifier) > 0;
}

void CPaintManagerUI::SendNotify(TNotifyUI& msg, bool async) {
    msg.dwTimestamp = NowMilliseconds();
    msg.ptMouse = m_ptLastMouse;
    if (async) {
        m_asyncNotify.push_back(msg);
        return;
    }
    // A notifier may remove itself or another while being notified.
    std::vector<INotifyUI*> notifiers = m_notifiers;
    for (INotifyUI* notifier : notifiers) {
        if (std::find(m_notifiers.begin(), m_notifiers.end(), notifier) != m_notifiers.end()) notifier->Notify(msg);
    }
}

void CPaintManagerUI::SendNotify(CControlUI* sender, std::string_view type, std::uintptr_t wParam,
                                 std::intptr_t lParam, bool async) {
    TNotifyUI msg;
    msg.sType = std::string(type);
    msg.pSender = sender;
    msg.wParam = wParam;
    msg.lParam = lParam;
    SendNotify(msg, async);
}

void CPaintManagerUI::DispatchAsyncNotify() {
    while (!m_asyncNotify.empty()) {
        TNotifyUI msg = m_asyncNotify.front();
        m_asyncNotify.erase(m_asyncNotify.begin());
        SendNotify(msg, false);
    }
}

bool CPaintManagerUI::AddMessageFilter(IMessageFilterUI* filter) {
    if (!filter || std::find(m_filters.begin(), m_filters.end(), filter) != m_filters.end()) return false;
    m_filters.push_back(filter);
    return true;
}

bool CPaintManagerUI::RemoveMessageFilter(IMessageFilterUI* filter) {
    return std::erase(m_filters, filter) > 0;
}

bool CPaintManagerUI::FilterMessage(Message& msg, std::intptr_t& result) {
    std::vector<IMessageFilterUI*> filters = m_filters;
    for (IMessageFilterUI* filter : filters) {
        if (std::find(m_filters.begin(), m_filters.end(), filter) == m_filters.end()) continue;
        bool handled = false;
        result = filter->MessageHandler(msg, handled);
        if (handled) return true;
    }
    return false;
}

bool CPaintManagerUI::SetTimer(CControlUI* control, unsigned id, unsigned elapseMs) {
    if (control && control->GetManager() != this) return false;
    auto interval = std::chrono::milliseconds(std::max(1u, elapseMs));
    auto due = m_clock.now() + interval;
    auto found = std::find_if(m_timers.begin(), m_timers.end(),
                              [&](const Timer& t) { return t.control == control && t.id == id; });
    if (found != m_timers.end()) {
        found->interval = interval;
        found->due = due;
    } else {
        m_timers.push_back({control, id, interval, due});
    }
    ScheduleHostTimer();
    return true;
}

bool CPaintManagerUI::KillTimer(CControlUI* control, unsigned id) {
    bool removed = std::erase_if(m_timers, [&](const Timer& t) { return t.control == control && t.id == id; }) > 0;
    if (removed) ScheduleHostTimer();
    return removed;
}

void CPaintManagerUI::KillTimer(CControlUI* control) {
    std::erase_if(m_timers, [&](const Timer& t) { return t.control == control; });
    ScheduleHostTimer();
}

bool CPaintManagerUI::SetWindowTimer(unsigned id, unsigned elapseMs) {
    return SetTimer(nullptr, id, elapseMs);
}

bool CPaintManagerUI::KillWindowTimer(unsigned id) {
    return KillTimer(nullptr, id);
}

void CPaintManagerUI::SetWindowTimerHandler(std::function<void(unsigned)> handler) {
    m_windowTimerHandler = std::move(handler);
}

void CPaintManagerUI::RemoveAllTimers() {
    m_timers.clear();
    ScheduleHostTimer();
}

void CPaintManagerUI::ProcessTimers() {
    auto now = m_clock.now();
    std::vector<std::pair<CControlUI*, unsigned>> due;
    for (const Timer& t : m_timers) {
        if (t.due <= now) due.emplace_back(t.control, t.id);
    }
    for (const auto& [dueControl, dueId] : due) {
        CControlUI* control = dueControl;
        const unsigned id = dueId;
        // An earlier timer's handler may have killed or restarted this one.
        auto found = std::find_if(m_timers.begin(), m_timers.end(),
                                  [&](const Timer& t) { return t.control == control && t.id == id; });
        if (found == m_timers.end() || found->due > now) continue;
        found->due = now + found->interval;
        if (control) SendEvent(control, EventType::Timer, m_ptLastMouse, 0, id);
        else if (m_windowTimerHandler) m_windowTimerHandler(id);
    }
    FinishInput();
    ScheduleHostTimer();
}

std::optional<Clock::Monotonic> CPaintManagerUI::NextTimerDeadline() const {
    std::optional<Clock::Monotonic> next;
    for (const Timer& t : m_timers) {
        if (!next || t.due < *next) next = t.due;
    }
    return next;
}

void CPaintManagerUI::ScheduleHostTimer() {
    if (!m_pHost) return;
    if (auto next = NextTimerDeadline()) m_pHost->ScheduleTimer(*next);
}

void CPaintManagerUI::SetFocus(CControlUI* control) {
    if (control == m_pFocus) return;
    if (CControlUI* old = m_pFocus) {
        m_pFocus = nullptr;
        Watch watch(*this, old);
        SendEvent(old, EventType::KillFocus, m_ptLastMouse);
        // The event may have removed the control; only one still here notifies.
        if (watch.Get()) SendNotify(old, "killfocus");
    }
    if (!control || control->GetManager() != this || !control->IsVisible() || !control->IsEnabled()) return;
    m_pFocus = control;
    SendEvent(control, EventType::SetFocus, m_ptLastMouse);
    if (m_pFocus == control) SendNotify(control, "setfocus");
}

void CPaintManagerUI::SetCapture(CControlUI* control) {
    m_pPressed = control;
    if (m_pHost) m_pHost->SetCapture(control != nullptr);
}

void CPaintManagerUI::ReleaseCapture() {
    SetCapture(nullptr);
}

void CPaintManagerUI::Invalidate() {
    Invalidate(GetClientRect());
}

void CPaintManagerUI::Invalidate(const Rect& rect) {
    if (m_pHost && !rect.IsEmpty()) m_pHost->Invalidate(rect);
}

void CPaintManagerUI::Layout() {
    if (!m_pRoot || !m_bUpdateNeeded) return;
    m_bUpdateNeeded = false;
    m_pRoot->SetPos(GetClientRect(), false);
    Invalidate();
    if (m_bFirstLayout) {
        m_bFirstLayout = false;
        SendNotify(m_pRoot.get(), "windowinit");
        FinishInput();
    }
}

void CPaintManagerUI::Paint(IRenderer& renderer, const Rect& dirty) {
    Layout();
    Layout();  // once more for what "windowinit" changed
    if (!m_pRoot) return;
    renderer.PushClip(dirty);
    m_pRoot->DoPaint(renderer, dirty);
    renderer.PopClip();
}

void CPaintManagerUI::OnSize(Size client) {
    m_szClient = client;
    NeedUpdate();
    Layout();
    if (m_pRoot) SendNotify(m_pRoot.get(), "windowsize");
    FinishInput();
}

CControlUI* CPaintManagerUI::InputTarget(Point point) const {
    return FindControl(point);
}

void CPaintManagerUI::SendEvent(CControlUI* control, EventType type, Point point, unsigned keyState,
                                std::uintptr_t wParam, std::intptr_t lParam, unsigned key) {
    TEventUI event;
    event.Type = type;
    event.pSender = control;
    event.dwTimestamp = NowMilliseconds();
    event.ptMouse = point;
    event.chKey = key;
    event.wKeyState = keyState;
    event.wParam = wParam;
    event.lParam = lParam;
    control->DoEvent(event);
}

void CPaintManagerUI::UpdateHot(Point point, unsigned keyState) {
    CControlUI* hot = InputTarget(point);
    if (hot == m_pHot) return;
    if (CControlUI* old = m_pHot) {
        m_pHot = nullptr;
        SendEvent(old, EventType::MouseLeave, point, keyState);
    }
    m_pHot = hot;
    if (hot) {
        Watch watch(*this, hot);
        SendEvent(hot, EventType::MouseEnter, point, keyState);
        if (!watch.Get()) m_pHot = nullptr;
    }
    UpdateCursor();
}

void CPaintManagerUI::UpdateCursor() {
    if (!m_pHost) return;
    std::string_view cursor = "arrow";
    for (CControlUI* c = m_pHot; c; c = c->GetParent()) {
        if (!c->GetCursor().empty()) {
            cursor = c->GetCursor();
            break;
        }
    }
    m_pHost->SetCursor(cursor);
}

void CPaintManagerUI::FinishInput() {
    DispatchAsyncNotify();
    m_delayedCleanup.clear();
}

void CPaintManagerUI::OnMouseMove(Point point, unsigned keyState) {
    Layout();
    m_ptLastMouse = point;
    UpdateHot(point, keyState);
    if (CControlUI* target = m_pPressed ? m_pPressed : m_pHot) SendEvent(target, EventType::MouseMove, point, keyState);
    FinishInput();
}

void CPaintManagerUI::OnMouseLeave() {
    if (CControlUI* old = m_pHot) {
        m_pHot = nullptr;
        SendEvent(old, EventType::MouseLeave, m_ptLastMouse);
    }
    FinishInput();
}

void CPaintManagerUI::PressAt(Point point, unsigned keyState, EventType type) {
    Layout();
    m_ptLastMouse = point;
    CControlUI* target = InputTarget(point);
    if (!target) return;
    m_pPressed = target;
    // Focus moves first: the killfocus of an edit comes before anything the
    // press on the next control causes.
    target->SetFocus();
    if (m_pPressed != target) return;  // the focus change removed it
    if (m_pHost) m_pHost->SetCapture(true);
    SendEvent(target, type, point, keyState);
}

void CPaintManagerUI::OnButtonDown(Point point, unsigned keyState) {
    PressAt(point, keyState, EventType::ButtonDown);
    FinishInput();
}

void CPaintManagerUI::OnDoubleClick(Point point, unsigned keyState) {
    PressAt(point, keyState, EventType::DoubleClick);
    FinishInput();
}

void CPaintManagerUI::OnButtonUp(Point point, unsigned keyState) {
    m_ptLastMouse = point;
    CControlUI* target = m_pPressed;
    m_pPressed = nullptr;
    if (m_pHost) m_pHost->SetCapture(false);
    if (target) SendEvent(target, EventType::ButtonUp, point, keyState);
    FinishInput();
}

void CPaintManagerUI::OnRightButtonDown(Point point, unsigned keyState) {
    Layout();
    m_ptLastMouse = point;
    if (CControlUI* target = InputTarget(point)) {
        Watch watch(*this, target);
        target->SetFocus();
        if (watch.Get()) SendEvent(target, EventType::RightButtonDown, point, keyState);
    }
    FinishInput();
}

void CPaintManagerUI::OnContextMenu(Point point) {
    Layout();
    m_ptLastMouse = point;
    if (CControlUI* target = InputTarget(point)) {
        SendEvent(target, EventType::ContextMenu, point, 0, static_cast<std::uintptr_t>(point.x), point.y);
    }
    FinishInput();
}

void CPaintManagerUI::OnMouseWheel(Point point, int delta, unsigned keyState) {
    Layout();
    m_ptLastMouse = point;
    CControlUI* target = InputTarget(point);
    if (!target) target = m_pFocus;
    if (target && delta != 0) SendEvent(target, EventType::ScrollWheel, point, keyState, delta > 0 ? 0 : 1);
    FinishInput();
}

void CPaintManagerUI::OnKeyDown(unsigned key, unsigned keyState) {
    if (m_pFocus) SendEvent(m_pFocus, EventType::KeyDown, m_ptLastMouse, keyState, 0, 0, key);
    FinishInput();
}

void CPaintManagerUI::OnKeyUp(unsigned key, unsigned keyState) {
    if (m_pFocus) SendEvent(m_pFocus, EventType::KeyUp, m_ptLastMouse, keyState, 0, 0, key);
    FinishInput();
}

void CPaintManagerUI::OnChar(char32_t character) {
    if (m_pFocus) SendEvent(m_pFocus, EventType::Char, m_ptLastMouse, 0, 0, 0, static_cast<unsigned>(character));
    FinishInput();
}

void CPaintManagerUI::OnActivate(bool active) {
    m_bActive = active;
    if (!active) {
        SetFocus(nullptr);
        OnMouseLeave();
    }
    if (m_pWindow) {
        Message msg{kMsgActivate, active ? 1u : 0u, 0};
        m_pWindow->DispatchMessage(msg);
    }
    FinishInput();
}

void CPaintManagerUI::SetDPIScale(double scale) {
    m_dpiScale = std::clamp(scale, 0.5, 4.0);
    NeedUpdate();
}

int CPaintManagerUI::ScaleValue(int value) const {
    if (m_dpiScale == 1.0) return value;
    return static_cast<int>(std::lround(value * m_dpiScale));
}

void CPaintManagerUI::AddFont(int id, const FontInfo& font) {
    Fonts()[id] = font;
}

const FontInfo& CPaintManagerUI::GetFont(int id) {
    static const FontInfo defaultFont;
    auto& fonts = Fonts();
    auto found = fonts.find(id);
    if (found != fonts.end()) return found->second;
    found = fonts.find(-1);
    return found != fonts.end() ? found->second : defaultFont;
}

void CPaintManagerUI::RemoveAllFonts() {
    Fonts().clear();
}

void CPaintManagerUI::AddDefaultAttributeList(std::string_view className, std::string list) {
    m_defaultAttributes[std::string(className)] = std::move(list);
}

const std::string* CPaintManagerUI::GetDefaultAttributeList(std::string_view className) const {
    auto found = m_defaultAttributes.find(className);
    return found == m_defaultAttributes.end() ? nullptr : &found->second;
}

void CPaintManagerUI::AddStyle(std::string_view name, std::string list) {
    m_styles[std::string(name)] = std::move(list);
}

const std::string* CPaintManagerUI::GetStyle(std::string_view name) const {
    auto found = m_styles.find(name);
    return found == m_styles.end() ? nullptr : &found->second;
}

void CPaintManagerUI::SetResourcePath(std::filesystem::path path) {
    ResourcePath() = std::move(path);
}

const std::filesystem::path& CPaintManagerUI::GetResourcePath() {
    return ResourcePath();
}

Size CPaintManagerUI::GetImageSize(const std::string& file) const {
    // PNG keeps width and height big-endian at bytes 16 to 23.
    std::filesystem::path path(file);
    if (!path.is_absolute()) path = GetResourcePath() / path;
    std::ifstream in(path, std::ios::binary);
    unsigned char header[24] = {};
    if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return {};
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (!std::equal(std::begin(kSignature), std::end(kSignature), header)) return {};
    std::uint32_t width = BigEndian32(header + 16);
    std::uint32_t height = BigEndian32(header + 20);
    if (width > 100000 || height > 100000) return {};
    return {static_cast<int>(width), static_cast<int>(height)};
}

}  // namespace viremo::toolkit
