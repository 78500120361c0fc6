// The main window's device pages: creating them, the hot-plug handlers of
// messages 3090 and 3091, switching between cable and receiver, and the
// device tabs (selection, visibility, link changes).
#include <algorithm>
#include <array>

#include "devices/headset/headset_device.h"
#include "devices/keyboard/keyboard_device.h"
#include "devices/mouse/mouse_device.h"
#include "platform/log.h"
#include "platform/stoppable_sleep.h"
#include "toolkit/container.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/tab_layout.h"
#include "toolkit/text_util.h"
#include "ui/device_option.h"
#include "ui/device_connection.h"
#include "ui/device_page.h"
#include "ui/headset_page.h"
#include "ui/keyboard_page.h"
#include "ui/main_wnd.h"
#include "ui/mouse_page.h"
#include "ui/mp_device_power.h"
#include "ui/program_messages.h"

namespace viremo::ui {

using devices::InterfaceRecord;

namespace {

constexpr std::string_view kPowerSkin = "XML\\CustomControlXML\\MpDevicePower.xml";
constexpr std::string_view kTabStrip = "device_select_layout";
constexpr std::string_view kPageSwitch = "device_switch";
constexpr std::string_view kPowerSwitch = "device_power_switch";
constexpr int kOnlineAttempts = 26;
constexpr auto kOnlineRetry = std::chrono::milliseconds(50);
constexpr unsigned kReceiverLinkWatchMs = 2000;

// Skin files are named with the original's separators; the skin folder uses
// the system's.
std::string SkinFile(std::string_view name) {
    std::string file(name);
    std::replace(file.begin(), file.end(), '\\', '/');
    return file;
}

// The device page of each kind, with its driver; the device skin builds
// what the page shows. The pad runs on the base driver until it has its own.
using PageCreator = std::unique_ptr<CDevicePage> (*)(hid::Backend&);

std::unique_ptr<CDevicePage> MakeKeyboardPage(hid::Backend& backend) {
    return std::make_unique<CKeyboardDevicePage>(std::make_shared<devices::CVendrakeKeyboardDevice>(backend));
}

std::unique_ptr<CDevicePage> MakeMousePage(hid::Backend& backend) {
    return std::make_unique<CMouseDevicePage>(std::make_shared<devices::CVendrakeMouseDevice>(backend));
}

std::unique_ptr<CDevicePage> MakeHeadsetPage(hid::Backend& backend) {
    return std::make_unique<CHeadsetDevicePage>(std::make_shared<devices::CVendrakeHS6533Device>(backend));
}

std::unique_ptr<CDevicePage> MakeBasePage(hid::Backend& backend) {
    return std::make_unique<CDevicePage>(std::make_shared<devices::CVendrakeUSBDevice>(backend));
}

// By kind index: mouse, keyboard, mouse pad, headset.
constexpr std::array<PageCreator, devices::kKindCount> kPageOfKind = {
    &MakeMousePage, &MakeKeyboardPage, &MakeBasePage, &MakeHeadsetPage};

// The kind index of a model: the page kind follows the model id, which
// tells kinds apart where their kind codes do not.
int KindOfModel(int modelId) {
    switch (devices::wiredModel(static_cast<uint16_t>(modelId))) {
    case devices::kModelWiredKeyboard: return devices::kKindKeyboard;
    case devices::kModelWiredMouse: return devices::kKindMouse;
    case devices::kModelMousePad: return devices::kKindMousePad;
    case devices::kModelHeadset: return devices::kKindHeadset;
    default: return devices::kNone;
    }
}

const char* ArrivalLogLine(int kind) {
    if (kind == devices::kKindKeyboard) return "添加一个键盘设备";
    if (kind == devices::kKindMouse) return "添加一个鼠标设备";
    return "添加一个鼠标垫设备";
}

const char* RemovalLogLine(int kind) {
    if (kind == devices::kKindKeyboard) return "删除一个键盘设备";
    if (kind == devices::kKindMouse) return "删除一个鼠标设备";
    return "删除一个鼠标垫设备";
}

}  // namespace

toolkit::CContainerUI* CMainWnd::TabStrip() {
    return dynamic_cast<toolkit::CContainerUI*>(m_pm.FindControl(kTabStrip));
}

toolkit::CTabLayoutUI* CMainWnd::Switch(std::string_view name) {
    return dynamic_cast<toolkit::CTabLayoutUI*>(m_pm.FindControl(name));
}

int CMainWnd::TabCount() {
    auto* strip = TabStrip();
    return strip ? strip->GetCount() : 0;
}

CDeviceOptionUI* CMainWnd::Tab(int index) {
    auto* strip = TabStrip();
    return strip ? dynamic_cast<CDeviceOptionUI*>(strip->GetItemAt(index)) : nullptr;
}

int CMainWnd::VisibleTabCount() {
    int visible = 0;
    for (int i = 0; i < TabCount(); ++i)
        if (Tab(i) && Tab(i)->IsVisibleFlag()) ++visible;
    return visible;
}

CDevicePage* CMainWnd::CurrentDevice() {
    for (int i = 0; i < TabCount(); ++i)
        if (CDeviceOptionUI* tab = Tab(i); tab && tab->IsSelected()) return tab->GetDevice();
    return nullptr;
}

int CMainWnd::TabIndexOf(CDevicePage* page) {
    for (int i = 0; i < TabCount(); ++i)
        if (Tab(i) && Tab(i)->GetDevice() == page) return i;
    return devices::kNone;
}

bool CMainWnd::SelectKind(int kindIndex) {
    for (int i = 0; i < TabCount(); ++i) {
        CDeviceOptionUI* tab = Tab(i);
        if (tab && tab->IsVisibleFlag() && tab->GetDevice() && tab->GetDevice()->Driver().GetKindIndex() == kindIndex) {
            SelectTab(i, true, true);
            return true;
        }
    }
    return false;
}

// ---- pages --------------------------------------------------------------------

void CMainWnd::CreateFirstPages() {
    for (int kind : {devices::kKindMouse, devices::kKindKeyboard}) {
        const auto& row = devices::kDeviceKindTable[static_cast<size_t>(kind)];
        const int command = devices::findHidInterfaceRow(row.vendorId, row.productId, row.modelId, devices::kRoleCommand);
        if (command != devices::kNone) CreateDevicePage(devices::hidInterfaceTable()[static_cast<size_t>(command)], 0);
    }
}

CDevicePage* CMainWnd::CreateDevicePage(const InterfaceRecord& row, int variant) {
    const InterfaceRecord wired = devices::wiredEquivalent(row);
    const int kind = devices::findKindRow(wired.vendorId, wired.productId, devices::wiredModel(row.modelId), variant);
    if (kind == devices::kNone || kind != KindOfModel(row.modelId)) return nullptr;
    const auto& kindRow = devices::kDeviceKindTable[static_cast<size_t>(kind)];
    const auto& pageRow = devices::kDevicePageTable[static_cast<size_t>(kind)];

    toolkit::CDialogBuilder builder;
    auto power = builder.Create(SkinFile(kPowerSkin), nullptr, &m_pm);
    auto tab = builder.Create(SkinFile(kindRow.tabSkin), nullptr, &m_pm);
    auto content = builder.Create(SkinFile(pageRow.deviceSkin), nullptr, &m_pm);
    auto* powerDisplay = dynamic_cast<CMpDevicePowerUI*>(power.get());
    auto* deviceTab = dynamic_cast<CDeviceOptionUI*>(tab.get());
    auto* powerSwitch = Switch(kPowerSwitch);
    auto* pageSwitch = Switch(kPageSwitch);
    auto* strip = TabStrip();
    if (!powerDisplay || !deviceTab || !content || !powerSwitch || !pageSwitch || !strip) {
        log::linef("device page %d: a skin file cannot be built", kind);
        return nullptr;
    }
    std::unique_ptr<CDevicePage> device = kPageOfKind[static_cast<size_t>(kind)](m_backend);
    CDevicePage* page = device.get();
    page->Add(std::move(content));

    powerSwitch->Add(std::move(power));
    powerDisplay->SetModel(devices::wiredModel(row.modelId), variant);
    m_powerDisplays.push_back(powerDisplay);

    devices::CVendrakeUSBDevice& driver = page->Driver();
    page->SetMainWindow(GetHWND());
    page->SetDeviceSkin(SkinFile(pageRow.deviceSkin));
    driver.SetKeyCount(pageRow.keyCount);
    driver.SetLightCount(pageRow.lightCount);
    driver.SetBatteryPowered(pageRow.batteryPowered);
    driver.SetKindIndex(kind);
    driver.SetKindName(std::string(kindRow.kindName));
    driver.SetIdentity(wired);
    driver.SetKindCode(kindRow.kindCode);
    driver.SetLightingPresetName(std::string(pageRow.lightingPresetName));
    driver.SetLightingControl(m_lightingControl);
    page->SetPowerDisplay(powerDisplay);
    pageSwitch->Add(std::move(device));
    page->Initialise();
    if (auto* headset = dynamic_cast<devices::CVendrakeHS6533Device*>(&driver)) m_audioLink.Add(*headset);
    m_pages.push_back(page);
    m_devicesByKind[static_cast<size_t>(kind)].push_back(page);
    m_lightingSync.AddDevice(driver);
    devices::CVendrakeUSBDevice* noKeyboard = nullptr;
    if (kind == devices::kKindKeyboard) m_audioKeyboard.compare_exchange_strong(noKeyboard, &driver);

    strip->Add(std::move(tab));
    deviceTab->SetGroup(std::string(kindRow.tabGroup));
    deviceTab->BindDevicePage(std::string(kPageSwitch), pageSwitch->GetItemIndex(page));
    deviceTab->SetPowerBinding(std::string(kindRow.powerLayout), powerSwitch->GetItemIndex(powerDisplay));
    deviceTab->SetModel(devices::wiredModel(row.modelId), variant);
    deviceTab->SetNameText(std::string(kindRow.kindName));
    deviceTab->SetDevice(page);
    deviceTab->SetMainWindow(GetHWND());
    page->SetTab(deviceTab);
    deviceTab->ShowSynchroOption(false);
    deviceTab->SetVisible(false);
    return page;
}

CDevicePage* CMainWnd::FindPage(const InterfaceRecord& identity) {
    for (CDevicePage* page : m_pages)
        if (devices::sameIdentity(page->Driver().GetIdentity(), identity)) return page;
    return nullptr;
}

// The record a device page is known by: the command interface of the wired
// product, for any interface of the product on either path.
InterfaceRecord CMainWnd::LookupRecord(const InterfaceRecord& entry) const {
    InterfaceRecord record = entry;
    if (entry.role == devices::kRoleSecondary) {
        const int command =
            devices::findHidInterfaceRow(entry.vendorId, entry.productId, entry.modelId, devices::kRoleCommand);
        if (command != devices::kNone) record = devices::hidInterfaceTable()[static_cast<size_t>(command)];
    }
    return devices::wiredEquivalent(record);
}

// The other path of the same product is connected too.
bool CMainWnd::PartnerConnected(int entry, const InterfaceRecord& record) const {
    if (record.hasPartner != 1) return false;
    const auto partner = m_discovery.Entry(record.partner);
    return partner && partner->partner == entry && partner->connected == 1 && !partner->path.empty();
}

// ---- hot-plug -----------------------------------------------------------------

void CMainWnd::InterfaceFound(int entry, std::stop_token stop) {
    toolkit::UiQueue().Send(GetHWND(), {devices::kMsgInterfaceFound, static_cast<std::uintptr_t>(entry), 0}, stop);
}

void CMainWnd::InterfaceLost(int entry, std::stop_token stop) {
    toolkit::UiQueue().Send(GetHWND(), {devices::kMsgInterfaceLost, static_cast<std::uintptr_t>(entry), 0}, stop);
}

void CMainWnd::OnInterfaceFound(int entry) {
    const auto record = m_discovery.Entry(entry);
    if (!record) return;
    const int kind = KindOfModel(record->modelId);
    if (kind == devices::kNone) return;
    log::line(ArrivalLogLine(kind));
    if (!FindPage(LookupRecord(*record))) {
        const int command =
            devices::findHidInterfaceRow(record->vendorId, record->productId, record->modelId, devices::kRoleCommand);
        if (command != devices::kNone) CreateDevicePage(devices::hidInterfaceTable()[static_cast<size_t>(command)], 0);
    }
    Attach(entry);
    if (m_firstPassDone) RestoreAndRaise();
}

void CMainWnd::Attach(int entry) {
    const auto record = m_discovery.Entry(entry);
    if (!record) return;
    CDevicePage* found = FindPage(LookupRecord(*record));
    if (!found) return;
    DeviceConnection page(*found);
    if (record->role == devices::kRoleSecondary) {
        page.StartNotifications(record->path);
        return;
    }
    if (PartnerConnected(entry, *record)) {
        // Both paths present: the cable wins.
        if (!devices::isReceiverModel(record->modelId)) SwitchPath(entry, false);
        return;
    }
    if (page.IsOpen() || !page.Open(*record)) return;
    found->Driver().SetIdentity(LookupRecord(*record));
    const int tab = TabIndexOf(found);
    if (tab == devices::kNone) return;
    // A receiver's tab shows once the device answers through it.
    if (!devices::isReceiverModel(record->modelId)) SelectTab(tab, true, VisibleTabCount() == 0);
    Tab(tab)->StartDeviceInit();
}

// Moves a keyboard or mouse whose cable and receiver are both connected:
// `entry` is the path that just changed.
void CMainWnd::SwitchPath(int entry, bool toReceiver) {
    const auto record = m_discovery.Entry(entry);
    if (!record) return;
    CDevicePage* found = FindPage(LookupRecord(*record));
    if (!found) return;
    DeviceConnection page(*found);
    const auto partner = m_discovery.Entry(record->partner);
    const std::string path = toReceiver ? (partner ? partner->path : std::string()) : record->path;
    if (path.empty() || !page.SwitchPath(path, toReceiver)) return;
    const int tab = TabIndexOf(found);
    if (toReceiver) {
        if (page.HasStatusPolling()) {
            int attempt = 0;
            for (; attempt < kOnlineAttempts && !page.LinkCheck(); ++attempt) {
                log::line("获取2.4G模式失败");
                sleepFor({}, kOnlineRetry);
            }
            log::line("获取2");
            page.StartUp();
        }
        if (tab != devices::kNone) Tab(tab)->StartLinkWatch(kReceiverLinkWatchMs);
        return;
    }
    if (tab != devices::kNone) {
        Tab(tab)->StartDeviceInit();
        OnLinkState(tab, true);
    }
    if (page.HasStatusPolling()) page.StartUp();
}

void CMainWnd::OnInterfaceLost(int entry) {
    const auto record = m_discovery.Entry(entry);
    if (!record) return;
    const int kind = KindOfModel(record->modelId);
    if (kind == devices::kNone) return;
    log::line(RemovalLogLine(kind));
    CDevicePage* found = FindPage(LookupRecord(*record));
    if (!found) return;
    DeviceConnection page(*found);
    if (record->role == devices::kRoleSecondary) {
        page.StopNotifications();
        return;
    }
    if (PartnerConnected(entry, *record)) {
        if (!devices::isReceiverModel(record->modelId)) SwitchPath(entry, true);
        return;
    }
    if (kind == devices::kKindKeyboard) log::line("键盘设备丢失");
    page.Close();
    const int tab = TabIndexOf(found);
    if (tab != devices::kNone) LoseTab(tab);
}

// ---- tabs -----------------------------------------------------------------------

void CMainWnd::OnLinkState(int tabIndex, bool reachable) {
    CDeviceOptionUI* tab = Tab(tabIndex);
    if (!tab) return;  // an index outside the strip
    if (!reachable) {
        LoseTab(tabIndex);
        return;
    }
    if (!tab->IsVisibleFlag()) SelectTab(tabIndex, true, VisibleTabCount() == 0);
}

void CMainWnd::LoseTab(int tabIndex) {
    CDeviceOptionUI* tab = Tab(tabIndex);
    if (!tab) return;
    int other = devices::kNone;
    if (tab->IsVisibleFlag() && tab->IsSelected()) {
        CloseChildWindows();
        // Key capture or a recording for the device that went: removed, and
        // a recording ends (its panel saves the macro).
        m_inputHook.CancelInputHook();
        for (int i = 0; i < TabCount() && other == devices::kNone; ++i)
            if (i != tabIndex && Tab(i) && Tab(i)->IsVisibleFlag()) other = i;
    }
    SelectTab(tabIndex, false, false);
    if (other != devices::kNone) SelectTab(other, true, true);
}

void CMainWnd::SelectTab(int tabIndex, bool visible, bool activate) {
    CDeviceOptionUI* tab = Tab(tabIndex);
    if (!tab) return;
    tab->SetVisible(visible);
    if (activate) {
        auto* pages = Switch(tab->GetDevicePageName());
        if (!pages || tab->GetDevicePageIndex() < 0) return;
        pages->SelectItem(tab->GetDevicePageIndex(), false);
        tab->SetSelected(true);
    }
    ShowNoDeviceLink();
    // With more than one device shown the lighting panels offer to light
    // them all alike.
    const bool multiDevice = VisibleTabCount() > 1;
    for (CDevicePage* page : m_pages)
        if (page) page->SetMultiDevice(multiDevice);
    int synchro = 0;
    for (int i = 0; i < TabCount(); ++i)
        if (Tab(i) && Tab(i)->IsVisibleFlag() && Tab(i)->IsSynchro()) ++synchro;
    if (synchro < 2)
        for (int i = 0; i < TabCount(); ++i)
            if (Tab(i)) Tab(i)->SetSynchro(false);
}

void CMainWnd::ShowNoDeviceLink() {
    const bool none = VisibleTabCount() == 0;
    if (auto* notice = m_pm.FindControl("No_device_Link")) notice->SetVisible(none);
    if (!none) return;
    if (auto* power = Switch(kPowerSwitch)) power->SelectItem(0, false);
    if (auto* pages = Switch(kPageSwitch)) pages->SelectItem(0, false);
}

void CMainWnd::OnDeviceSelected(toolkit::TNotifyUI&, int) {
    for (int i = 0; i < TabCount(); ++i) {
        CDeviceOptionUI* tab = Tab(i);
        if (!tab || !tab->IsSelected()) continue;
        auto* power = Switch(tab->GetPowerBindingName());
        if (power && tab->GetPowerBindingIndex() >= 0) {
            power->SetVisible(true);
            power->SelectItem(tab->GetPowerBindingIndex(), false);
        } else if (power) {
            power->SetVisible(false);
        }
        return;
    }
}

void CMainWnd::OnSelectPrevious(toolkit::TNotifyUI&, int) {
    int previous = devices::kNone;
    for (int i = 0; i < TabCount(); ++i) {
        CDeviceOptionUI* tab = Tab(i);
        if (!tab) continue;
        if (tab->IsSelected()) {
            if (previous != devices::kNone) SelectTab(previous, true, true);
            return;
        }
        if (tab->IsVisibleFlag()) previous = i;
    }
}

void CMainWnd::OnSelectNext(toolkit::TNotifyUI&, int) {
    bool afterSelected = false;
    for (int i = 0; i < TabCount(); ++i) {
        CDeviceOptionUI* tab = Tab(i);
        if (!tab) continue;
        if (afterSelected && tab->IsVisibleFlag()) {
            SelectTab(i, true, true);
            return;
        }
        afterSelected = afterSelected || tab->IsSelected();
    }
}

}  // namespace viremo::ui
