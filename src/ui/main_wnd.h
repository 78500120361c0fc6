#pragma once
// The program's main window: the layout "XML_MAIN", the device pages with
// their tabs and power displays, the hot-plug handlers of the discovery
// thread, the routing of every notification by control name, the message
// and timer dispatchers, the title-bar buttons, the tray icon's messages and
// menu, fitting to the monitor, and the shutdown that stops every thread.
//
// The window starts hidden; it shows itself when discovery has made its first
// pass (the identity message), so that the user never sees an empty device
// strip.
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "devices/device_tables.h"
#include "devices/discovery/hotplug_discovery.h"
#include "devices/lighting/lighting_sync.h"
#include "lighting/audio_companion_link.h"
#include "lighting/audio_companion_process.h"
#include "platform/device_hook.h"
#include "toolkit/notify.h"
#include "toolkit/window.h"
#include "ui/game_lighting.h"
#include "ui/msg_wnd.h"
#include "ui/skin_change.h"
#include "ui/headset_audio_link.h"
#include "ui/thread_slots.h"
#include "update/update_service.h"

namespace viremo::platform {
class MessageBus;
}
namespace viremo::toolkit {
class CTabLayoutUI;
class CContainerUI;
}

namespace viremo::ui {

class CDeviceOptionUI;
class CMpDevicePowerUI;
class CDevicePage;
class CMacroControlUI;
class CShootControlUI;
class CSetWnd;

class CMainWnd : public toolkit::CWindowWnd,
                 public toolkit::INotifyUI,
                 public devices::IDiscoveryListener,
                 public ISkinChangeReceiver,
                 public HookReceiver {
public:
    static constexpr std::string_view kSkin = "XML_MAIN";
    static constexpr int kDpiNormal = 96;
    static constexpr int kDpiLarge = 144;
    // A profile chosen in the list is switched to after this pause.
    static constexpr unsigned kTimerProfileSwitch = 1055;
    static constexpr unsigned kProfileSwitchDelayMs = 400;

    // Devices are found on `backend`; `bus` (may be null) carries the
    // messages with other programs.
    explicit CMainWnd(hid::Backend& backend, platform::MessageBus* bus = nullptr);
    ~CMainWnd() override;

    // Builds the layout and creates the (hidden) window; false when the skin
    // cannot be built. The window-init procedure runs on the first layout.
    bool Build();

    // Builds a settings window as the settings button (beside it) or the
    // tray menu (centred) opens it, with the products of the devices open
    // now; false when it cannot be built.
    bool PrepareSettings(CSetWnd& settings, bool besideButton);
    const update::ServiceSettings& UpdateService() const { return m_updateService; }

    // Runs when the window has ended (after the shutdown procedure).
    void SetOnFinal(std::function<void()> onFinal) { m_onFinal = std::move(onFinal); }
    // The one place where a language is applied, by its index in the
    // language list (kStoredLanguage: the one the user chose last); true when
    // the language changed.
    static constexpr int kStoredLanguage = -1;
    void SetLanguageSwitch(std::function<bool(int languageIndex)> languageSwitch);
    // The index of the language in use, for the settings window's choice.
    void SetLanguageQuery(std::function<int()> currentLanguage) { m_currentLanguage = std::move(currentLanguage); }
    // Where the settings window asks about updates.
    void SetUpdateService(update::ServiceSettings service) { m_updateService = std::move(service); }
    // The headsets' audio chip (not owned, outlives the window; null: none).
    void SetAudioChip(audio_chip::AudioChip* chip) { m_audioLink.SetChip(chip); }
    // A fixed DPI value instead of the monitor's choice (96 or 144).
    void SetFixedDpi(int dpi) { m_fixedDpi = dpi; }
    int GetDpi() const { return m_dpi; }

    // State for the application and the tests.
    bool IsFirstPassDone() const { return m_firstPassDone; }
    bool HasLightingControl() const { return m_lightingControl; }
    // Synchronised lighting of every device; the lighting panel writes its
    // effect settings.
    devices::LightingSync& LightingSync() { return m_lightingSync; }
    int TabCount();
    CDeviceOptionUI* Tab(int index);
    int VisibleTabCount();
    // The device of the selected tab; null when none.
    CDevicePage* CurrentDevice();
    // Selects the first visible tab showing a device of this kind index.
    bool SelectKind(int kindIndex);

    // How the window asks for a file to open or save, with a filter's
    // description and pattern ("Profile Files(*.json)", "*.json;"); "" when
    // cancelled. The application gives the desktop's dialogs; without one
    // the commands that need a file do nothing.
    using FileChooser = std::function<std::string(bool save, std::string_view filter, std::string_view pattern)>;
    void SetFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }
    // Answers the message boxes instead of showing them (tests); a text
    // with a number comes formatted in the current language.
    using MessagePresenter = std::function<int(std::string_view textId, MessageButtons buttons)>;
    void SetMessagePresenter(MessagePresenter presenter) { m_messagePresenter = std::move(presenter); }

    // Message boxes over the main window, by text identifier; 1 for OK.
    int ShowMessage(std::string_view textId, MessageButtons buttons);
    // A text that carries a number ("message_text_16"): the number goes
    // into the text of the current language, which is shown as it is.
    int ShowMessageWithNumber(std::string_view textId, int number);

    // The link to the audio companion, whose blocks feed the first
    // keyboard's audio lighting.
    AudioCompanionLink& AudioCompanion() { return *m_audioCompanion; }

    // Stops discovery and closes the devices; idempotent.
    void Shutdown();

    // The window's input hook: key capture for the key panel (message 1054)
    // and macro recording.
    CDeviceHook& InputHook() { return m_inputHook; }

    // A command chosen from one of the window's menus (the tray menu, the
    // macro panel's event menu), by the element's name.
    void OnMenuCommand(const std::string& name);

    // toolkit::INotifyUI
    void Notify(toolkit::TNotifyUI& msg) override;
    // toolkit::CWindowWnd
    std::intptr_t HandleMessage(toolkit::Message& msg) override;
    // ISkinChangeReceiver: the background of "root" becomes the colour or
    // the image; 1 when it was applied.
    int OnPublish(const SkinChangedParam& param) override;
    // The skin frame while it is open; null otherwise.
    toolkit::CWindowWnd* SkinFrame() const { return m_skinFrame; }

    // devices::IDiscoveryListener, on the discovery thread
    void InterfaceFound(int entry, std::stop_token stop) override;
    void InterfaceLost(int entry, std::stop_token stop) override;
    void FirstPassDone() override;
    // HookReceiver: a key captured for the key panel of the current device.
    void keyboardHookMessage(int mode, int wParam, const KeyboardHookRecord& record) override;
    void mouseHookMessage(int, int, const MouseHookRecord&) override {}

protected:
    void OnFinalMessage() override;

private:
    struct Route;
    static const std::vector<Route>& Routes();

    // Start-up and the window's own behaviour (main_wnd.cpp).
    void WindowInit();
    void ConnectBus();
    void RestoreAndRaise();
    void FitToMonitor();
    void OnTimer(unsigned id);
    void OnTrayIcon(std::intptr_t mouseMessage);
    void ShowTrayMenu();
    void HideToTray();
    void ShowAbout();
    void OnSettingsButton(toolkit::TNotifyUI& msg, int);
    // Beside the settings button, or centred.
    void ShowSettings(bool besideButton);
    std::vector<int> FirmwareVersions();
    void OnRegisteredMessage(const toolkit::Message& msg);
    void OnPowerBroadcast(std::uintptr_t event);
    void OnLanguageChanged(int languageIndex);
    void ApplyLightingControl(bool control);
    void ShowLightingControl();
    void RestoreGameLighting();
    void OnLightingControlClick(toolkit::TNotifyUI& msg, int);
    void OnSameModeClick(toolkit::TNotifyUI& msg, int);
    void ConnectAudioCompanion();
    void StartAudioCompanionWhenChosen();
    void OnAudioCompanionStarting();
    void StopAudioCompanion();
    void OnAudioStylesClick(toolkit::TNotifyUI& msg, int);
    void OnStyleColourSlider(toolkit::TNotifyUI& msg, int);
    void SetStatusPollingPaused(bool paused);
    void CloseChildWindows();
    void OnClose(toolkit::TNotifyUI& msg, int);
    void OnMinimize(toolkit::TNotifyUI& msg, int);
    void OnRestore(toolkit::TNotifyUI& msg, int);
    void OnNoDeviceOk(toolkit::TNotifyUI& msg, int);
    void OnFunctionTab(toolkit::TNotifyUI& msg, int);
    void OnSkinButton(toolkit::TNotifyUI& msg, int);

    // Profile commands of the shown device (main_wnd_commands.cpp).
    void OnProfileChosen(toolkit::TNotifyUI& msg, int);
    void SwitchProfile();
    void OnProfileAdd(toolkit::TNotifyUI& msg, int);
    void OnProfileDelete(toolkit::TNotifyUI& msg, int);
    void OnProfileCopy(toolkit::TNotifyUI& msg, int);
    void OnProfileRename(toolkit::TNotifyUI& msg, int);
    void OnProfileReset(toolkit::TNotifyUI& msg, int);
    void OnProfileImport(toolkit::TNotifyUI& msg, int);
    void OnProfileExport(toolkit::TNotifyUI& msg, int);
    void OnProfileMenu(toolkit::TNotifyUI& msg, int);
    void OnRestoreDefaults(toolkit::TNotifyUI& msg, int);
    // Sends the edited keys and the macros they use to the device shown and
    // saves its profile; a write that fails keeps the profile file as it was.
    void OnWriteToDevice(toolkit::TNotifyUI& msg, int);
    void OnKeyChosen(toolkit::TNotifyUI& msg, int key);
    // The macro panel's recording and its files (main_wnd_macros.cpp).
    CMacroControlUI* CurrentMacroPanel();
    void OnMacroRecord(toolkit::TNotifyUI& msg, int);
    // The event menu of a macro panel row; its recording items start a
    // recording that places events around or into that row.
    void OnMacroEventMenu(toolkit::TNotifyUI& msg, int);
    void StartMacroRecording(std::string_view trigger);
    void OnMacroStop(toolkit::TNotifyUI& msg, int);
    void OnMacroImport(toolkit::TNotifyUI& msg, int);
    void OnMacroDelete(toolkit::TNotifyUI& msg, int);
    void OnMacroRename(toolkit::TNotifyUI& msg, int);
    void OnMacroExport(toolkit::TNotifyUI& msg, int);
    // The mouse's recoil panel: its files and the download (main_wnd_recoil.cpp).
    CShootControlUI* CurrentShootPanel();
    void OnShootImport(toolkit::TNotifyUI& msg, int);
    void OnShootExport(toolkit::TNotifyUI& msg, int);
    void OnShootReset(toolkit::TNotifyUI& msg, int);
    void OnShootDownload(toolkit::TNotifyUI& msg, int);
    // The device shown loads its current profile again and sends it.
    void ReloadProfile(CDevicePage& device);
    void OnDpiEditTaken(toolkit::TNotifyUI& msg, int stage);
    void OnDpiSliderMoved(toolkit::TNotifyUI& msg, int stage);
    void OnDpiStageColour(toolkit::TNotifyUI& msg, int stage);
    void OnWindowSize(toolkit::TNotifyUI& msg, int);
    void OnWindowInit(toolkit::TNotifyUI& msg, int);

    // Device pages, hot-plug and tabs (main_wnd_devices.cpp).
    void CreateFirstPages();
    CDevicePage* CreateDevicePage(const devices::InterfaceRecord& row, int variant);
    CDevicePage* FindPage(const devices::InterfaceRecord& identity);
    devices::InterfaceRecord LookupRecord(const devices::InterfaceRecord& entry) const;
    bool PartnerConnected(int entry, const devices::InterfaceRecord& record) const;
    void OnInterfaceFound(int entry);
    void OnInterfaceLost(int entry);
    void Attach(int entry);
    void SwitchPath(int entry, bool toReceiver);
    void OnLinkState(int tabIndex, bool reachable);
    void LoseTab(int tabIndex);
    void SelectTab(int tabIndex, bool visible, bool activate);
    void OnDeviceSelected(toolkit::TNotifyUI& msg, int);
    void OnSelectPrevious(toolkit::TNotifyUI& msg, int);
    void OnSelectNext(toolkit::TNotifyUI& msg, int);
    int TabIndexOf(CDevicePage* page);
    void ShowNoDeviceLink();
    toolkit::CContainerUI* TabStrip();
    toolkit::CTabLayoutUI* Switch(std::string_view name);

    hid::Backend& m_backend;
    platform::MessageBus* m_bus;
    devices::HotplugDiscovery m_discovery;
    ThreadSlots m_threads;
    devices::LightingSync m_lightingSync;
    GameLighting m_gameLighting;
    HeadsetAudioLink m_audioLink;
    // The device pages, in the order they were made; "device_switch" owns them.
    std::vector<CDevicePage*> m_pages;
    FileChooser m_fileChooser;
    MessagePresenter m_messagePresenter;
    // The same by kind index: mice, keyboards, mouse pads, headsets.
    std::array<std::vector<CDevicePage*>, devices::kKindCount> m_devicesByKind;
    std::vector<CMpDevicePowerUI*> m_powerDisplays;
    CDeviceHook m_inputHook;
    std::function<void()> m_onFinal;
    std::function<bool(int)> m_languageSwitch;
    toolkit::CWindowWnd* m_about = nullptr;
    toolkit::CWindowWnd* m_skinFrame = nullptr;
    toolkit::CWindowWnd* m_palette = nullptr;
    CSetWnd* m_settings = nullptr;
    std::function<int()> m_currentLanguage;
    update::ServiceSettings m_updateService;
    toolkit::CWindowWnd* m_audioStyles = nullptr;
    // The first keyboard, which the companion's blocks feed (on the link's
    // reader thread); set once, pages live as long as the window.
    std::atomic<devices::CVendrakeUSBDevice*> m_audioKeyboard{nullptr};
    std::unique_ptr<AudioCompanionLink> m_audioCompanion;
    AudioCompanionProcess m_audioCompanionProcess;
    int m_audioCompanionAttempts = 0;
    int m_dpi = kDpiNormal;
    int m_fixedDpi = 0;
    int m_languageId = -1;  // index of the language applied last
    bool m_lightingControl = true;
    bool m_suspended = false;
    bool m_displayChanged = false;
    bool m_firstPassDone = false;
    bool m_initDone = false;
    bool m_shutDown = false;
};

}  // namespace viremo::ui
