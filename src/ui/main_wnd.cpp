#include "ui/main_wnd.h"

#include <algorithm>
#include <array>
#include <optional>

#include "lighting/audio_styles.h"
#include "platform/folders.h"
#include "platform/log.h"
#include "platform/message_bus.h"
#include "macros/macro_recording.h"
#include "lighting/color_select_wnd.h"
#include "toolkit/image_description.h"
#include "toolkit/menu.h"
#include "toolkit/option.h"
#include "toolkit/slider.h"
#include "toolkit/tab_layout.h"
#include "toolkit/text_util.h"
#include "ui/about_wnd.h"
#include "ui/skin_window.h"
#include "ui/device_option.h"
#include "ui/device_connection.h"
#include "ui/device_page.h"
#include "ui/device_table_block.h"
#include "ui/skin_frame.h"
#include "ui/edit_value.h"
#include "ui/input_hook_message.h"
#include "ui/message_text.h"
#include "ui/mouse_page.h"
#include "ui/music_wnd.h"
#include "ui/program_messages.h"
#include "ui/set_wnd.h"
#include "ui/window_chrome.h"

namespace viremo::ui {

namespace {

constexpr unsigned kTimerFitToMonitor = 1011;
constexpr unsigned kTimerTrayMenu = 1032;
constexpr unsigned kTimerAudioCompanionStarting = 1013;
constexpr unsigned kAudioCompanionPollMs = 100;
constexpr int kAudioCompanionAttempts = 30;
// The keyboard's audio lighting mode.
constexpr uint8_t kAudioLightingMode = 29;

// The sliders of the companion's colour, their labels and commands.
struct StyleSlider {
    std::string_view slider;
    std::string_view label;
    companion::Command command;
};
constexpr std::array<StyleSlider, 3> kStyleSliders{{
    {"R_light_slider", "R_light_label", companion::Command::Red},
    {"G_light_slider", "G_light_label", companion::Command::Green},
    {"B_light_slider", "B_light_label", companion::Command::Blue},
}};
constexpr int kMonitorLargeWidth = 1500;
constexpr int kMonitorLargeHeight = 960;

// A control name of a numbered family: "key_12" is "key_" and 12. Names
// without an underscore belong to no family.
struct FamilyName {
    std::string_view prefix;
    int number = 0;
};

std::optional<FamilyName> SplitFamily(std::string_view name) {
    const size_t underscore = name.rfind('_');
    if (underscore == std::string_view::npos) return std::nullopt;
    FamilyName family{name.substr(0, underscore + 1), 0};
    for (char c : name.substr(underscore + 1)) {
        if (c < '0' || c > '9') break;
        family.number = family.number * 10 + (c - '0');
    }
    return family;
}

}  // namespace

// One row of the notification routing: the event type, the control name (a
// family prefix ending in "_" when `family` is set; empty for any sender) and
// the handler, which gets the family number (0 for single names).
struct CMainWnd::Route {
    std::string_view event;
    std::string_view name;
    bool family;
    void (CMainWnd::*handler)(toolkit::TNotifyUI&, int);
};

const std::vector<CMainWnd::Route>& CMainWnd::Routes() {
    static const std::vector<Route> routes = {
        {"windowinit", "", false, &CMainWnd::OnWindowInit},
        {"windowsize", "root", false, &CMainWnd::OnWindowSize},
        {"click", "closebtn", false, &CMainWnd::OnClose},
        {"click", "minbtn", false, &CMainWnd::OnMinimize},
        {"click", "restorebtn", false, &CMainWnd::OnRestore},
        {"click", "nodevice_ok_btn", false, &CMainWnd::OnNoDeviceOk},
        {"click", "setbtn", false, &CMainWnd::OnSettingsButton},
        {"click", "device_select_prev", false, &CMainWnd::OnSelectPrevious},
        {"click", "device_select_next", false, &CMainWnd::OnSelectNext},
        {"selectchanged", "device_select", false, &CMainWnd::OnDeviceSelected},
        {"click", "skinbtn", false, &CMainWnd::OnSkinButton},
        {"selectchanged", "deng_Op_tab", false, &CMainWnd::OnFunctionTab},
        {"selectchanged", "key_Op_tab", false, &CMainWnd::OnFunctionTab},
        {"selectchanged", "macro_Op_tab", false, &CMainWnd::OnFunctionTab},
        {"selectchanged", "system_Op_tab", false, &CMainWnd::OnFunctionTab},
        {"selectchanged", "cursor_Op_tab", false, &CMainWnd::OnFunctionTab},
        {"selectchanged", "6533_voice_Op_tab", false, &CMainWnd::OnFunctionTab},
        {"selectchanged", "magic_Op_tab", false, &CMainWnd::OnFunctionTab},
        {"selectchanged", "Virtual7.1_Op_tab", false, &CMainWnd::OnFunctionTab},
        {"itemselect", "device_profile_combo", false, &CMainWnd::OnProfileChosen},
        {"click", "device_add_btn", false, &CMainWnd::OnProfileAdd},
        {"click", "device_sub_btn", false, &CMainWnd::OnProfileDelete},
        {"click", "device_copy_btn", false, &CMainWnd::OnProfileCopy},
        {"click", "device_profile_edit_save_btn", false, &CMainWnd::OnProfileRename},
        {"click", "device_reset_btn", false, &CMainWnd::OnProfileReset},
        {"click", "device_import_btn", false, &CMainWnd::OnProfileImport},
        {"click", "device_export_btn", false, &CMainWnd::OnProfileExport},
        {"click", "profile_fun_spread_btn", false, &CMainWnd::OnProfileMenu},
        {"click", "default_btn", false, &CMainWnd::OnRestoreDefaults},
        {"click", "key_butt_prosave", false, &CMainWnd::OnWriteToDevice},
        {"click", "key_", true, &CMainWnd::OnKeyChosen},
        {"click", "macro_btn_starredio", false, &CMainWnd::OnMacroRecord},
        {"click", "macro_btn_stopredio", false, &CMainWnd::OnMacroStop},
        {"menu", "macro_action", false, &CMainWnd::OnMacroEventMenu},
        {"click", "macro_btn_import", false, &CMainWnd::OnMacroImport},
        {"click", "macro_btn_name_sub", false, &CMainWnd::OnMacroDelete},
        {"click", "macro_btn_name_edit", false, &CMainWnd::OnMacroRename},
        {"click", "macro_btn_export", false, &CMainWnd::OnMacroExport},
        {"click", "shootdate_import_btn", false, &CMainWnd::OnShootImport},
        {"click", "shootdate_export_btn", false, &CMainWnd::OnShootExport},
        {"click", "shootdate_reset_btn", false, &CMainWnd::OnShootReset},
        {"click", "shootdate_save_btn", false, &CMainWnd::OnShootDownload},
        {"killfocus", "quelm_DPI_edit_", true, &CMainWnd::OnDpiEditTaken},
        {"movevaluechanged", "quelm_DPI_slider_", true, &CMainWnd::OnDpiSliderMoved},
        {"click", "DPI_color_option_", true, &CMainWnd::OnDpiStageColour},
        {"click", "control_light_status", false, &CMainWnd::OnLightingControlClick},
        {"click", "deng_same_mode", false, &CMainWnd::OnSameModeClick},
        {"click", "music_setting_btn", false, &CMainWnd::OnAudioStylesClick},
        {"valuechanged", "R_light_slider", false, &CMainWnd::OnStyleColourSlider},
        {"valuechanged", "G_light_slider", false, &CMainWnd::OnStyleColourSlider},
        {"valuechanged", "B_light_slider", false, &CMainWnd::OnStyleColourSlider},
    };
    return routes;
}

CMainWnd::CMainWnd(hid::Backend& backend, platform::MessageBus* bus)
    : m_backend(backend), m_bus(bus), m_discovery(backend, *this) {
    m_audioCompanion = std::make_unique<AudioCompanionLink>(AudioDataReceiver::Handlers{
        [this](const BandLevels& levels) {
            if (auto* keyboard = m_audioKeyboard.load()) keyboard->OnAudioLevels(levels);
        },
        [this](const companion::BandBlock& bands) {
            if (auto* keyboard = m_audioKeyboard.load()) keyboard->OnAudioBands(bands);
        }});
}

CMainWnd::~CMainWnd() { Shutdown(); }

bool CMainWnd::Build() {
    if (!BuildSkinWindow(*this, kSkin, nullptr, std::string(kIdentity), *this)) return false;
    log::line("InitWindow");
    ConnectBus();
    // The first layout starts the window (the window-init procedure), which
    // then waits hidden for the first discovery pass.
    FitToMonitor();
    m_pm.OnSize({m_pm.ScaleValue(m_pm.GetInitSize().cx), m_pm.ScaleValue(m_pm.GetInitSize().cy)});
    m_pm.Layout();
    return true;
}

void CMainWnd::SetLanguageSwitch(std::function<bool(int)> languageSwitch) {
    m_languageSwitch = std::move(languageSwitch);
}

void CMainWnd::ConnectBus() {
    if (!m_bus) return;
    const toolkit::WindowHandle self = GetHWND();
    // Other programs' messages become this window's registered messages.
    m_bus->OnMessage([self](const platform::RegisteredMessage& message) {
        if (!IsAcceptedFromOtherPrograms(message.name)) return;
        toolkit::UiQueue().Post(self, {toolkit::CMessageQueue::RegisterWindowMessage(message.name),
                                       static_cast<std::uintptr_t>(message.wParam),
                                       static_cast<std::intptr_t>(message.lParam)});
    });
    m_bus->OnDeviceTableQuery([] { return BuildDeviceTableBlock(); });
}

// ---- notifications --------------------------------------------------------

void CMainWnd::Notify(toolkit::TNotifyUI& msg) {
    const std::string name = msg.pSender ? msg.pSender->GetName() : std::string();
    if (msg.sType != "timer") log::linef("%s %s", msg.sType.c_str(), name.c_str());
    const auto family = SplitFamily(name);
    for (const Route& route : Routes()) {
        if (route.event != msg.sType) continue;
        const bool matches = route.name.empty() ||
                             (route.family ? family && family->prefix == route.name
                                           : toolkit::EqualsNoCase(name, route.name));
        if (!matches) continue;
        (this->*route.handler)(msg, route.family ? family->number : 0);
        return;
    }
    // Everything else belongs to the device shown and its panels.
    if (CDevicePage* device = CurrentDevice()) device->Notify(msg);
    StartAudioCompanionWhenChosen();
}

void CMainWnd::OnWindowInit(toolkit::TNotifyUI&, int) { WindowInit(); }

void CMainWnd::OnWindowSize(toolkit::TNotifyUI&, int) {
    if (!m_displayChanged) return;
    m_displayChanged = false;
    FitToMonitor();
}

void CMainWnd::OnClose(toolkit::TNotifyUI&, int) { HideToTray(); }
void CMainWnd::OnMinimize(toolkit::TNotifyUI&, int) { WindowChrome().Minimize(*this); }
void CMainWnd::OnRestore(toolkit::TNotifyUI&, int) { WindowChrome().Restore(*this); }
void CMainWnd::OnNoDeviceOk(toolkit::TNotifyUI&, int) { ShowWindow(false, false); }

// One skin frame at a time: a second click while it is open does nothing.
void CMainWnd::OnSkinButton(toolkit::TNotifyUI& msg, int) {
    if (m_skinFrame) return;
    auto choosePicture = [this] {
        return m_fileChooser ? m_fileChooser(false, "(*.png) | *.png |(*.*)|*.*||", {}) : std::string();
    };
    m_skinFrame = CSkinFrame::Open(*this, msg.pSender, choosePicture, folders::applicationData(),
                                   [this] { m_skinFrame = nullptr; });
}

int CMainWnd::OnPublish(const SkinChangedParam& param) {
    toolkit::CControlUI* root = m_pm.FindControl("root");
    if (!root) return 0;
    if (param.colourMode) {
        root->SetBkColor(param.colour);
        root->SetBkImage({});
        return 1;
    }
    // The image is taken as a file name only: a path that the image syntax
    // would read as something else (quotes, key='value') is refused.
    if (toolkit::ParseImageDescription(param.image).file != param.image) {
        log::linef("skin: %s cannot be used as a background", param.image.c_str());
        return 0;
    }
    root->SetBkColor(0);
    root->SetBkImage(param.image);
    return 1;
}

// The function tabs of a device page, pages 1 to 8 in this order.
void CMainWnd::OnFunctionTab(toolkit::TNotifyUI& msg, int) {
    static constexpr std::string_view kTabs[] = {"deng_Op_tab",  "key_Op_tab",        "macro_Op_tab",
                                                 "system_Op_tab", "cursor_Op_tab",     "6533_voice_Op_tab",
                                                 "magic_Op_tab",  "Virtual7.1_Op_tab"};
    const auto* tab = dynamic_cast<const toolkit::COptionUI*>(msg.pSender);
    CDevicePage* device = CurrentDevice();
    if (!tab || !tab->IsSelected() || !device) return;
    for (size_t i = 0; i < std::size(kTabs); ++i)
        if (toolkit::EqualsNoCase(tab->GetName(), kTabs[i])) device->SelectFunctionPage(int(i) + 1);
}

// A DPI value typed into a stage's edit is kept within what the sensors
// take, shown as taken, put on the stage's slider and given to the mouse.
void CMainWnd::OnDpiEditTaken(toolkit::TNotifyUI& msg, int stage) {
    const int value = EditValue(msg.pSender->GetText(), kDpiLow, kDpiHigh);
    msg.pSender->SetText(std::to_string(value));
    if (auto* slider = dynamic_cast<toolkit::CSliderUI*>(m_pm.FindControl("quelm_DPI_slider_" + std::to_string(stage))))
        slider->SetValue(value, false);
    if (auto* mouse = dynamic_cast<CMouseDevicePage*>(CurrentDevice())) mouse->TakeDpiValue(stage, value);
}

void CMainWnd::OnDpiSliderMoved(toolkit::TNotifyUI& msg, int stage) {
    const auto* slider = dynamic_cast<const toolkit::CSliderUI*>(msg.pSender);
    toolkit::CControlUI* edit = m_pm.FindControl("quelm_DPI_edit_" + std::to_string(stage));
    if (slider && edit) edit->SetText(std::to_string(slider->GetValue()));
}

// The palette for the colour of a DPI stage of the mouse shown, one palette
// at a time; the colour chosen is the stage's once the palette says OK.
void CMainWnd::OnDpiStageColour(toolkit::TNotifyUI&, int stage) {
    auto* mouse = dynamic_cast<CMouseDevicePage*>(CurrentDevice());
    if (!mouse || m_palette) return;
    CColorSelectWnd palette;
    if (!palette.Build(this)) return;
    palette.SetDpi(m_dpi);
    palette.ShowColour(mouse->DpiStageColour(stage));
    m_palette = &palette;
    palette.CenterWindow();
    const int result = palette.ShowModal();
    m_palette = nullptr;
    if (result == CColorSelectWnd::kResultOk) mouse->ChooseDpiStageColour(stage, palette.GetCurrentColour());
}

// ---- start-up ---------------------------------------------------------------

void CMainWnd::WindowInit() {
    if (m_initDone) return;
    m_initDone = true;
    SkinChangeObserver().AttachReceiver(this);
    if (m_bus) m_bus->Broadcast({std::string(kLightingAnnouncementName), 1, 1});
    if (m_languageSwitch) m_languageSwitch(kStoredLanguage);
    CreateFirstPages();
    ShowNoDeviceLink();
    ShowWindow(false, false);
    m_discovery.Start();
    m_threads.Assign(ThreadSlots::kDiscovery, [this] { m_discovery.RequestStop(); }, [this] { m_discovery.Stop(); });
    m_lightingSync.Start();
    m_threads.Assign(ThreadSlots::kLightingSync, [this] { m_lightingSync.RequestStop(); },
                     [this] { m_lightingSync.Stop(); });
    m_audioLink.Watch(GetHWND());
    m_threads.Assign(ThreadSlots::kAudioDevices, [this] { m_audioLink.RequestStop(); }, [this] { m_audioLink.Stop(); });
    SetTimer(kTimerFitToMonitor, 100);
}

void CMainWnd::FirstPassDone() { PostMessage({Registered().identity, 0, 0}); }

void CMainWnd::keyboardHookMessage(int mode, int wParam, const KeyboardHookRecord& record) {
    if (m_suspended || mode != capture_mode::kSingleKey) return;
    if (CDevicePage* device = CurrentDevice()) device->OnCapturedKey(wParam, record);
}

void CMainWnd::RestoreAndRaise() {
    ShowNoDeviceLink();
    SetStatusPollingPaused(false);
    WindowChrome().Restore(*this);
    WindowChrome().Raise(*this);
}

void CMainWnd::FitToMonitor() {
    const bool visible = IsShown() && !WindowChrome().IsMinimized(*this);
    const toolkit::Rect monitor = WindowChrome().MonitorRect(*this);
    const bool large = monitor.Width() > kMonitorLargeWidth && monitor.Height() > kMonitorLargeHeight;
    m_dpi = m_fixedDpi ? m_fixedDpi : (large ? kDpiLarge : kDpiNormal);
    m_pm.SetDPIScale(m_dpi / 96.0);
    const toolkit::Size size = m_pm.GetInitSize();
    const int width = m_pm.ScaleValue(size.cx);
    const int height = m_pm.ScaleValue(size.cy);
    const int left = monitor.left + std::max(0, (monitor.Width() - width) / 2);
    const int top = monitor.top + std::max(0, (monitor.Height() - height) / 2);
    SetBounds({left, top, left + width, top + height});
    if (!visible) ShowWindow(false, false);
    m_pm.Invalidate();
}

// ---- messages ---------------------------------------------------------------

std::intptr_t CMainWnd::HandleMessage(toolkit::Message& msg) {
    const RegisteredMessages& registered = Registered();
    switch (msg.id) {
    case toolkit::kMsgActivate:
        for (CDevicePage* page : m_pages) page->Driver().SetWindowActive(msg.wParam != 0);
        break;
    case toolkit::kMsgTimer:
        OnTimer(static_cast<unsigned>(msg.wParam));
        return 0;
    case toolkit::kMsgClose:
        HideToTray();
        return 0;
    case devices::kMsgInterfaceFound:
        // Discovery is paused while suspended, so these are never swallowed.
        OnInterfaceFound(static_cast<int>(msg.wParam));
        return 0;
    case devices::kMsgInterfaceLost:
        OnInterfaceLost(static_cast<int>(msg.wParam));
        return 0;
    case kMsgPowerBroadcast:
        OnPowerBroadcast(msg.wParam);
        return 0;
    case kMsgAudioDeviceChange:
        m_audioLink.OnAudioDeviceChange();
        return 0;
    default:
        break;
    }
    if (msg.id == registered.identity) {
        log::linef("软件标示 %u，%xd%xd", msg.id, static_cast<unsigned>(msg.wParam), static_cast<unsigned>(msg.lParam));
        m_firstPassDone = true;
        RestoreAndRaise();
        return 0;
    }
    if (m_suspended) return 0;
    if (msg.id >= toolkit::kMsgRegisteredFirst) {
        OnRegisteredMessage(msg);
        return 0;
    }
    switch (msg.id) {
    case kMsgLinkState:
        OnLinkState(static_cast<int>(msg.wParam), msg.lParam != 0);
        return 0;
    case kMsgLanguageChanged:
        OnLanguageChanged(static_cast<int>(msg.wParam));
        return 0;
    case kMsgOpenSettings:
        ShowSettings(false);
        return 0;
    case kMsgSettingsUpToDate:
        // The settings button carries no update mark to clear in this skin.
        return 0;
    case kMsgShowProgress:
        if (auto* progress = m_pm.FindControl("setting_progress")) progress->SetVisible(true);
        return 0;
    case kMsgTrayIcon:
        OnTrayIcon(msg.lParam);
        return 0;
    case kMsgInputHook:
        OnInputHookMessage(m_inputHook, *this, msg.wParam);
        return 0;
    case kMsgDisplayChange:
        log::line("显示器分辨率发生变化");
        m_displayChanged = true;
        FitToMonitor();
        return 0;
    default:
        break;
    }
    return CWindowWnd::HandleMessage(msg);
}

void CMainWnd::OnRegisteredMessage(const toolkit::Message& msg) {
    const RegisteredMessages& registered = Registered();
    if (msg.id == registered.lightingRequest && msg.wParam == 1) {
        if (msg.lParam == 0 || msg.lParam == 1) m_lightingControl = msg.lParam == 1;
        ShowLightingControl();
        ApplyLightingControl(m_lightingControl);
        return;
    }
    const bool game = msg.id == registered.gameStart || msg.id == registered.gameEnd || msg.id == registered.gameKill ||
                      msg.id == registered.gameDeath;
    if (game) {
        CDevicePage* device = CurrentDevice();
        m_gameLighting.OnGameEvent(device ? &device->Driver() : nullptr, static_cast<int64_t>(msg.wParam),
                                   static_cast<int64_t>(msg.lParam));
        SetTimer(kTimerGameLighting, static_cast<unsigned>(kGameLightingTime.count()));
    }
    if (msg.id == registered.updateProgress && m_settings) m_settings->PostMessage(msg);
    // The device table query is answered on the bus.
}

// Host timers may fire a little early; the lights go back only when the five
// seconds are over.
void CMainWnd::RestoreGameLighting() {
    if (m_gameLighting.RestoreWhenDue()) return;
    if (const auto left = m_gameLighting.TimeLeft()) SetTimer(kTimerGameLighting, static_cast<unsigned>(left->count()));
}

void CMainWnd::ShowLightingControl() {
    if (auto* status = m_pm.FindControl("control_light_status"))
        status->SetText(m_lightingControl ? "控制灯光" : "不控制灯光");
}

// The user takes the lights back from other programs or leaves them to them.
void CMainWnd::OnLightingControlClick(toolkit::TNotifyUI&, int) {
    m_lightingControl = !m_lightingControl;
    if (m_bus) m_bus->Broadcast({std::string(kLightingAnnouncementName), 1, m_lightingControl ? 1 : 0});
    ShowLightingControl();
    ApplyLightingControl(m_lightingControl);
}

void CMainWnd::OnSameModeClick(toolkit::TNotifyUI&, int) {
    if (CDevicePage* device = CurrentDevice()) m_lightingSync.SynchroniseFrom(device->Driver());
}

void CMainWnd::OnPowerBroadcast(std::uintptr_t event) {
    if (event == kPowerSuspend) {
        m_suspended = true;
        m_discovery.Pause();
        ApplyLightingControl(false);
    } else if (event == kPowerResume) {
        m_suspended = false;
        m_discovery.Resume();
        ApplyLightingControl(m_lightingControl);
    }
}

void CMainWnd::OnLanguageChanged(int languageIndex) {
    if (!m_languageSwitch || !m_languageSwitch(languageIndex)) return;
    m_languageId = languageIndex;
    // The fonts may have changed with the texts.
    m_pm.NeedUpdate();
    if (m_about) m_about->PostMessage({kMsgLanguageChanged, 0, 0});
    if (m_settings) m_settings->PostMessage({kMsgLanguageChanged, 0, 0});
    if (m_audioStyles) m_audioStyles->PostMessage({kMsgLanguageChanged, 0, 0});
}

void CMainWnd::ApplyLightingControl(bool control) {
    for (CDevicePage* page : m_pages) page->Driver().SetLightingControl(control);
}

void CMainWnd::SetStatusPollingPaused(bool paused) {
    for (int kind : {devices::kKindMouse, devices::kKindKeyboard})
        for (CDevicePage* page : m_devicesByKind[static_cast<size_t>(kind)]) page->Driver().SetStatusPollingPaused(paused);
}

// Timers are one-shot: killed first, then handled.
void CMainWnd::OnTimer(unsigned id) {
    KillTimer(id);
    if (id == kTimerFitToMonitor) {
        FitToMonitor();
        ConnectAudioCompanion();
    } else if (id == kTimerAudioCompanionStarting) OnAudioCompanionStarting();
    else if (id == kTimerTrayMenu) ShowTrayMenu();
    else if (id == kTimerProfileSwitch) SwitchProfile();
    else if (id == kTimerGameLighting) RestoreGameLighting();
}

// ---- tray, menus, child windows --------------------------------------------

void CMainWnd::OnTrayIcon(std::intptr_t mouseMessage) {
    constexpr std::intptr_t kLeftButtonUp = 514;
    constexpr std::intptr_t kRightButtonUp = 517;
    if (mouseMessage == kRightButtonUp) {
        SetTimer(kTimerTrayMenu, 10);
        return;
    }
    if (mouseMessage != kLeftButtonUp) return;
    ShowNoDeviceLink();
    const bool visible = IsShown() && !WindowChrome().IsMinimized(*this);
    CloseChildWindows();
    if (visible) {
        ShowWindow(false, false);
        SetStatusPollingPaused(true);
        return;
    }
    FitToMonitor();
    WindowChrome().Restore(*this);
    WindowChrome().Raise(*this);
    SetStatusPollingPaused(false);
    m_pm.NeedUpdate();
}

// The menu opens at the pointer, towards the middle of the monitor, so that
// it stays on screen wherever the desktop keeps its tray; without the
// pointer's place, at the window's top right corner.
void CMainWnd::ShowTrayMenu() {
    if (!GetHost()) return;
    const toolkit::Rect bounds = GetHost()->GetBounds();
    const toolkit::Point at = WindowChrome().CursorPosition().value_or(toolkit::Point{bounds.right, bounds.top});
    const toolkit::Rect monitor = WindowChrome().MonitorRect(*this);
    const bool rightHalf = at.x > monitor.left + monitor.Width() / 2;
    const bool bottomHalf = at.y > monitor.top + monitor.Height() / 2;
    const unsigned align = (rightHalf ? toolkit::kMenuAlignRight : toolkit::kMenuAlignLeft) |
                           (bottomHalf ? toolkit::kMenuAlignBottom : toolkit::kMenuAlignTop);
    toolkit::CMenuWnd::Show(*this, "menu.xml", at, align,
                            [this](const toolkit::MenuCommand& command) { OnMenuCommand(command.name); });
}

void CMainWnd::OnMenuCommand(const std::string& name) {
    if (name == "exit") {
        CloseChildWindows();
        Close(0);
    } else if (name == "about_menu") {
        ShowAbout();
    } else if (name == "setwnd_menu") {
        ShowSettings(false);
    } else if (recordingTrigger(name, false)) {
        StartMacroRecording(name);
    }
}

void CMainWnd::HideToTray() {
    CloseChildWindows();
    ShowWindow(false, false);
    SetStatusPollingPaused(true);
}

void CMainWnd::CloseChildWindows() {
    if (m_about) m_about->Close(0);
    if (m_skinFrame) m_skinFrame->Close(0);
    if (m_palette) m_palette->Close(0);
    // The settings window decides: an update in progress keeps it open.
    if (m_settings) m_settings->RequestClose();
    if (m_audioStyles) m_audioStyles->Close(0);
}

void CMainWnd::ShowAbout() {
    if (m_about) return;
    CAboutWnd about;
    if (!about.Build(this, m_dpi)) return;
    m_about = &about;
    about.CenterWindow();
    about.ShowModal();
    m_about = nullptr;
}

// ---- message boxes ------------------------------------------------------------

int CMainWnd::ShowMessage(std::string_view textId, MessageButtons buttons) {
    if (m_messagePresenter) return m_messagePresenter(textId, buttons);
    return ShowMessageBox(this, {}, std::string(textId), m_dpi, true, buttons);
}

int CMainWnd::ShowMessageWithNumber(std::string_view textId, int number) {
    // The hidden label looks the identifier up in the current language.
    std::string text(textId);
    if (auto* probe = m_pm.FindControl("str_test")) {
        probe->SetTextId(true);
        probe->SetText(text);
        text = probe->GetDisplayText();
    }
    text = TextWithNumber(text, number);
    if (m_messagePresenter) return m_messagePresenter(text, MessageButtons::Ok);
    return ShowMessageBox(this, {}, text, m_dpi, false, MessageButtons::Ok);
}

// ---- the audio companion ----------------------------------------------------------

// Finds a companion that runs already and greets it with the selected
// style's colour.
void CMainWnd::ConnectAudioCompanion() {
    if (m_audioCompanion->IsConnected() || !m_audioCompanion->Connect()) return;
    m_audioCompanion->SendStyleColour(AudioStyleFile().Load().SelectedColour());
}

// Audio lighting chosen on the first keyboard with no companion to feed it:
// ours is started, and greeted once it listens.
void CMainWnd::StartAudioCompanionWhenChosen() {
    devices::CVendrakeUSBDevice* keyboard = m_audioKeyboard.load();
    if (!keyboard || keyboard->GetLightingState().mode != kAudioLightingMode) return;
    if (m_audioCompanion->IsConnected() || m_audioCompanionProcess.IsRunning()) return;
    ConnectAudioCompanion();
    if (m_audioCompanion->IsConnected() || !m_audioCompanionProcess.Start()) return;
    m_audioCompanionAttempts = 0;
    SetTimer(kTimerAudioCompanionStarting, kAudioCompanionPollMs);
}

void CMainWnd::OnAudioCompanionStarting() {
    ConnectAudioCompanion();
    if (m_audioCompanion->IsConnected()) return;
    if (m_audioCompanionProcess.IsRunning() && ++m_audioCompanionAttempts < kAudioCompanionAttempts) {
        SetTimer(kTimerAudioCompanionStarting, kAudioCompanionPollMs);
        return;
    }
    log::linef("audio lighting is unavailable: the audio companion ended (%d)",
               m_audioCompanionProcess.ExitCode().value_or(-1));
}

// The styles window; after OK the styles are kept and the companion gets
// the selected style's colour.
void CMainWnd::OnAudioStylesClick(toolkit::TNotifyUI&, int) {
    if (m_audioStyles) return;
    AudioStyleFile file;
    CMusicWnd styles(file.Load());
    if (!styles.Build(this)) return;
    styles.GetPaintManager().SetDPIScale(m_dpi / 96.0);
    m_audioStyles = &styles;
    styles.CenterWindow();
    const int result = styles.ShowModal();
    m_audioStyles = nullptr;
    if (result != CMusicWnd::kResultOk) return;
    file.Save(styles.Styles());
    if (m_audioCompanion->IsConnected()) m_audioCompanion->SendStyleColour(styles.Styles().SelectedColour());
}

// "R_light_slider" (and green, blue): the value goes to its label and, when
// a companion is there, to the companion (commands 6, 7, 8).
void CMainWnd::OnStyleColourSlider(toolkit::TNotifyUI& msg, int) {
    auto* slider = dynamic_cast<toolkit::CSliderUI*>(msg.pSender);
    if (!slider) return;
    for (const StyleSlider& row : kStyleSliders) {
        if (slider->GetName() != row.slider) continue;
        const int value = slider->GetValue();
        if (auto* label = m_pm.FindControl(row.label)) label->SetText(std::to_string(value));
        if (m_audioCompanion->IsConnected()) m_audioCompanion->SendCommand(row.command, value);
    }
}

// Commands 2, 4 and 5 end the companion; ours is waited for.
void CMainWnd::StopAudioCompanion() {
    m_audioCompanion->Disconnect();
    m_audioCompanionProcess.Stop();
}

// ---- shutdown ---------------------------------------------------------------

void CMainWnd::Shutdown() {
    if (m_shutDown) return;
    m_shutDown = true;
    SkinChangeObserver().DetachReceiver(this);
    log::line("退出测试");
    ShowWindow(false, false);
    StopAudioCompanion();
    m_threads.StopAll();
    for (CDevicePage* page : m_pages) {
        DeviceConnection device(*page);
        device.StopNotifications();
        device.Close();
    }
    if (m_bus) {
        m_bus->OnMessage(nullptr);
        m_bus->OnDeviceTableQuery(nullptr);
    }
}

void CMainWnd::OnFinalMessage() {
    Shutdown();
    if (m_onFinal) m_onFinal();
}

}  // namespace viremo::ui
