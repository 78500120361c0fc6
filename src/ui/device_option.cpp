#include "ui/device_option.h"

#include <array>

#include "devices/interface_record.h"
#include "platform/log.h"
#include "toolkit/check_box.h"
#include "toolkit/event.h"
#include "toolkit/label.h"
#include "toolkit/message_queue.h"
#include "toolkit/option.h"
#include "toolkit/paint_manager.h"
#include "ui/device_page.h"
#include "ui/program_messages.h"

namespace viremo::ui {

namespace {

constexpr unsigned kLightTickCableMs = 5;
constexpr unsigned kLightTickReceiverMs = 500;
constexpr unsigned kStartRetryMs = 3000;
constexpr unsigned kFirstTickMs = 5;
constexpr unsigned kFirstPollMs = 50;
constexpr unsigned kPollMs = 5000;
constexpr unsigned kLinkWatchMs = 2000;
constexpr unsigned kLinkWatchAgainMs = 3000;
constexpr int kRetryWrap = 20;

struct TabLook {
    int modelId;  // 0 ends the table: the look of an unknown device
    std::string_view icon;
    std::string_view nameTextId;
};

constexpr std::array<TabLook, 6> kTabLooks = {{
    {devices::kModelWiredKeyboard, "image/devices/keyboard.svg", "kb_device_name_text"},
    {devices::kModelWiredMouse, "image/devices/mouse.svg", "ms_device_name_text"},
    {devices::kModelMousePad, "image/devices/pad.svg", "hard_mp_device_name_text"},
    {4, "image/devices/headset.svg", "hd_device_name_text"},
    {devices::kModelHeadset, "image/devices/headset.svg", "hd_device_name_text"},
    {0, "image/devices/keyboard.svg", "unknow_device_name_text"},
}};

const TabLook& LookOf(int modelId) {
    for (const TabLook& look : kTabLooks)
        if (look.modelId == modelId) return look;
    return kTabLooks.back();
}

// The kind's icon at the left end of the selector; the selected state shows
// through the selector's own colours and underline.
std::string Icon(std::string_view file) { return "file='" + std::string(file) + "' dest='8,12,32,36'"; }

}  // namespace

void CDeviceOptionUI::SetModel(int modelId, int variant) {
    m_modelId = modelId;
    m_variant = variant;
    const TabLook& look = LookOf(modelId);
    m_iconNormal = std::string(look.icon);
    m_nameTextId = std::string(look.nameTextId);
    ShowIcons();
}

void CDeviceOptionUI::ShowIcons() {
    toolkit::COptionUI* selector = Selector();
    if (!selector || m_iconNormal.empty()) return;
    selector->SetAttribute("foreimage", Icon(m_iconNormal));
    selector->SetToolTip(m_nameTextId);
}

void CDeviceOptionUI::BindDevicePage(const std::string& tabLayout, int index) {
    if (auto* selector = Selector()) selector->SetBindTab(tabLayout, index);
}

std::string CDeviceOptionUI::GetDevicePageName() const {
    auto* selector = const_cast<CDeviceOptionUI*>(this)->Selector();
    return selector ? selector->GetBindTabName() : std::string();
}

int CDeviceOptionUI::GetDevicePageIndex() const {
    auto* selector = const_cast<CDeviceOptionUI*>(this)->Selector();
    return selector ? selector->GetBindTabIndex() : -1;
}

void CDeviceOptionUI::SetPowerBinding(const std::string& name, int index) {
    if (name.empty()) return;
    m_powerName = name;
    if (index >= 0) m_powerIndex = index;
}

void CDeviceOptionUI::SetGroup(const std::string& group) {
    if (auto* selector = Selector()) selector->SetGroup(group);
}

void CDeviceOptionUI::SetNameText(const std::string& text) {
    if (auto* label = NameLabel()) label->SetText(text);
}

void CDeviceOptionUI::SetVisible(bool visible) {
    m_visibleFlag = visible;
    CHorizontalLayoutUI::SetVisible(visible);
}

bool CDeviceOptionUI::IsSelected() {
    auto* selector = Selector();
    return selector && selector->IsSelected();
}

void CDeviceOptionUI::SetSelected(bool selected) {
    if (auto* selector = Selector()) selector->Selected(selected);
}

bool CDeviceOptionUI::IsSynchro() {
    auto* check = SynchroCheck();
    return check && check->GetCheck();
}

void CDeviceOptionUI::SetSynchro(bool synchro) {
    if (auto* check = SynchroCheck()) check->SetCheck(synchro);
}

void CDeviceOptionUI::ShowSynchroOption(bool shown) {
    if (auto* check = SynchroCheck()) check->SetVisible(shown);
}

void CDeviceOptionUI::StartDeviceInit() {
    if (m_pManager) m_pManager->SetTimer(this, kTimerDeviceStart, 500);
}

void CDeviceOptionUI::StartLinkWatch(unsigned delayMs) {
    if (m_pManager && m_device && Connection().IsOpen()) m_pManager->SetTimer(this, kTimerLinkWatch, delayMs);
}

void CDeviceOptionUI::DoEvent(toolkit::TEventUI& event) {
    if (event.Type == toolkit::EventType::Timer) {
        OnTimer(static_cast<unsigned>(event.wParam));
        return;
    }
    CHorizontalLayoutUI::DoEvent(event);
}

// Every timer is one-shot: killed first, restarted by its handler.
void CDeviceOptionUI::OnTimer(unsigned id) {
    if (!m_pManager) return;
    m_pManager->KillTimer(this, id);
    if (!m_device) return;
    switch (id) {
    case kTimerLightTick: {
        DeviceConnection device = Connection();
        device.LightTick();
        // Frames go out only while this program drives the lights; without
        // that the tick only looks, slowly, whether it has taken them back.
        const bool fast = !device.IsWireless() && device.HasLightingControl();
        if (device.IsOpen()) m_pManager->SetTimer(this, kTimerLightTick, fast ? kLightTickCableMs : kLightTickReceiverMs);
        break;
    }
    case kTimerDeviceStart:
        OnDeviceStart();
        break;
    case kTimerStatusPoll:
        Connection().PollStatus();
        if (Connection().HasStatusPolling()) m_pManager->SetTimer(this, kTimerStatusPoll, kPollMs);
        break;
    case kTabTimerResynchronise:
        Connection().Resynchronise();
        break;
    case kTimerLinkWatch:
        OnLinkWatch();
        break;
    default:
        break;
    }
}

void CDeviceOptionUI::OnDeviceStart() {
    DeviceConnection device = Connection();
    const bool wireless = device.IsWireless();
    if (wireless && device.IsOpen()) {
        if (!device.LinkCheck()) {
            m_retries = (m_retries + 1) % kRetryWrap;
            // The main window's handler hides the tab.
            if (m_visibleFlag) SendLinkState(false);
            m_pManager->SetTimer(this, kTimerDeviceStart, kStartRetryMs);
            return;
        }
        SendLinkState(true);
    }
    device.StartUp();
    m_retries = 0;
    m_pManager->SetTimer(this, kTimerLightTick, kFirstTickMs);
    if (device.HasStatusPolling() && device.IsOpen()) m_pManager->SetTimer(this, kTimerStatusPoll, kFirstPollMs);
    if (wireless) StartLinkWatch(kLinkWatchMs);
}

void CDeviceOptionUI::OnLinkWatch() {
    DeviceConnection device = Connection();
    if (!device.IsWireless()) {
        if (device.IsOpen()) log::line("2.4gcesvdfherhue  12312423");
        return;
    }
    const bool reachable = device.LinkCheck();
    if (reachable && !m_visibleFlag) {
        SendLinkState(true);
        if (device.HasStatusPolling()) {
            log::line("2.4gcesvdfherhue  12312423 123342341");
            device.PollStatus();
        }
    } else if (!reachable && m_visibleFlag) {
        log::line("2.4gcesvdfherhue");
        SendLinkState(false);
    }
    StartLinkWatch(kLinkWatchAgainMs);
}

void CDeviceOptionUI::SendLinkState(bool reachable) {
    const auto* parent = dynamic_cast<const toolkit::CContainerUI*>(GetParent());
    const int index = parent ? parent->GetItemIndex(this) : -1;
    if (index < 0 || m_mainWindow == toolkit::kNoWindow) return;
    toolkit::UiQueue().Send(m_mainWindow, {kMsgLinkState, static_cast<std::uintptr_t>(index), reachable ? 1 : 0});
}

toolkit::COptionUI* CDeviceOptionUI::Selector() {
    return dynamic_cast<toolkit::COptionUI*>(FindSubControl("device_select"));
}

toolkit::CCheckBoxUI* CDeviceOptionUI::SynchroCheck() {
    return dynamic_cast<toolkit::CCheckBoxUI*>(FindSubControl("synchro_device_select"));
}

toolkit::CLabelUI* CDeviceOptionUI::NameLabel() {
    return dynamic_cast<toolkit::CLabelUI*>(FindSubControl("device_select_name"));
}

}  // namespace viremo::ui
