#pragma once
// The base of every device object. A device object is at once the container
// of its device page (built from the device skin) and the driver of one
// product: it owns the command channel, the identity of the device, the
// per-key and per-light view state, the lighting state and the software
// lighting effects. The main window and the panels call the virtual
// operations below without knowing the device kind; the kinds override them.
//
// Without a window (an empty device skin) the key and light lists are
// empty and everything else works the same; the command-line tool uses
// device objects this way.
#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "devices/protocol/command_channel.h"
#include "devices/device_links.h"
#include "devices/lighting/effect_steps.h"
#include "devices/interface_record.h"
#include "devices/lighting/light_colours.h"
#include "devices/lighting/reaction_buffers.h"
#include "platform/clock.h"
#include "profiles/profile_records.h"
#include "toolkit/horizontal_layout.h"
#include "toolkit/message.h"
#include "toolkit/notify.h"

namespace viremo::toolkit {
class CTabLayoutUI;
}

namespace viremo::devices {

inline constexpr int kMaxKeys = 170;
inline constexpr int kAudioLevelCount = 25;
inline constexpr int kAudioBandCount = 6;

class CVendrakeUSBDevice : public toolkit::CHorizontalLayoutUI, public toolkit::INotifyUI {
public:
    explicit CVendrakeUSBDevice(hid::Backend& backend = hid::systemBackend(), const Clock& clock = systemClock());
    ~CVendrakeUSBDevice() override;

    std::string_view GetClass() const override;
    // Notifications of the page; the base handles none.
    void Notify(toolkit::TNotifyUI& msg) override;

    // The numbered operations, in their order.
    virtual void Initialise();                                       // 1
    virtual int ApplyLightingState();                                // 2
    virtual void EffectBreathing();                                  // 3
    virtual void EffectFourColourBreathing();                        // 4
    virtual void EffectStatic();                                     // 5
    virtual void EffectSpectrum();                                   // 6
    virtual void EffectBlink();                                      // 7
    virtual void EffectFourColourBlink();                            // 8
    virtual void EffectOff();                                        // 9
    virtual void SendLightFrame();                                   // 10
    virtual void SetLightColour(int light, LightColour colour);      // 11
    virtual LightColour GetLightColour(int light) const;             // 12
    virtual void ReadAllFromDevice();                                // 13
    virtual void ReadSettingsFromDevice();                           // 14
    // 15 and 16 are spare slots.
    virtual void PollPower();                                        // 17
    virtual int IsReachableThroughReceiver();                        // 18
    virtual int LoadProfile();                                       // 19
    virtual void ShowStateOnPanels();                                // 20
    virtual void CheckMacroBindings();                               // 21
    virtual void LoadDefaultProfile();                               // 22
    virtual std::vector<int> GetUsedMacros();                        // 23
    virtual int WriteKeyAssignments(int page, const std::vector<KeyListEntry>& keys);  // 24
    virtual int WriteKeyAssignmentsOf(int page);                     // 25
    virtual int WriteMacros(const std::vector<int>& macroNumbers);   // 26
    virtual int WriteSettingsRecord(int profile, int value);         // 27
    virtual void LoadPanelLists();                                   // 28
    virtual void SetKeyMap(const std::map<int, int>& map);           // 29
    virtual void DecayKeyLevel(int light, int style);                // 30
    virtual void LightFirstKeys();                                   // 31
    virtual void RotateKeys(uint8_t direction);                      // 32
    virtual void ClearReactionBuffers();                             // 33
    virtual void SelectFunctionPage(int pageType);                   // 34
    virtual int GetFunctionPage() const;                             // 35
    virtual void BindProfileFiles();                                 // 36
    virtual std::string GetProfileName() const;                      // 37
    virtual void SaveProfile();                                      // 38
    virtual void SetKindCode(int code);                              // 39
    virtual int GetKindCode() const;                                 // 40
    virtual void SetLightInfo(const LightRecord& lighting);          // 41
    virtual void SetAudioLightInfo(const AudioLightRecord& audio);   // 42
    virtual AudioLightRecord GetAudioLightInfo();                    // 43
    virtual void SetSelectedItem(int index);                         // 44
    virtual void OnAudioLevels(std::span<const int32_t, kAudioLevelCount> levels);  // 45
    virtual void OnAudioBands(std::span<const int32_t, kAudioBandCount> bands);     // 46

    // Identity: setting it also takes its model id and role.
    const InterfaceRecord& GetIdentity() const { return identity_; }
    void SetIdentity(const InterfaceRecord& identity);
    int GetModelId() const { return modelId_; }
    int GetRole() const { return role_; }

    int GetKindIndex() const { return kindIndex_; }
    void SetKindIndex(int index) { kindIndex_ = index; }
    int GetKeyCount() const { return keyCount_; }
    void SetKeyCount(int count);
    int GetLightCount() const { return lightCount_; }
    void SetLightCount(int count);
    const std::string& GetLightingPresetName() const { return lightingPresetName_; }
    void SetLightingPresetName(std::string name) { lightingPresetName_ = std::move(name); }
    const std::string& GetKindName() const { return kindName_; }
    void SetKindName(std::string name) { kindName_ = std::move(name); }
    const std::string& GetDeviceSkin() const { return deviceSkin_; }
    void SetDeviceSkin(std::string skin) { deviceSkin_ = std::move(skin); }
    toolkit::WindowHandle GetMainWindow() const { return mainWindow_; }
    void SetMainWindow(toolkit::WindowHandle window) { mainWindow_ = window; }
    IPowerDisplay* GetPowerDisplay() const { return powerDisplay_; }
    void SetPowerDisplay(IPowerDisplay* display) { powerDisplay_ = display; }
    toolkit::CControlUI* GetTab() const { return tab_; }
    void SetTab(toolkit::CControlUI* tab) { tab_ = tab; }
    ILightPanel* GetLightPanel() const { return lightPanel_; }
    void SetLightPanel(ILightPanel* panel) { lightPanel_ = panel; }
    toolkit::CControlUI* GetSelectPanel() const { return selectPanel_; }

    // Battery powered: setting it also shows or hides the power display.
    bool IsBatteryPowered() const { return batteryPowered_; }
    void SetBatteryPowered(bool powered);
    // Status polling pauses while the main window is hidden; only battery
    // powered devices are polled at all.
    bool IsStatusPollingPaused() const { return statusPollingPaused_; }
    void SetStatusPollingPaused(bool paused);
    // Set while this program drives the device's lighting; software frames
    // are sent only then. Taking control of a wired keyboard tells it so.
    bool HasLightingControl() const { return lightingControl_; }
    void SetLightingControl(bool control);
    bool IsWindowActive() const { return windowActive_; }
    void SetWindowActive(bool active) { windowActive_ = active; }
    bool IsOnReceiver() const { return onReceiver_; }
    void SetOnReceiver(bool onReceiver) { onReceiver_ = onReceiver; }
    int GetSelectedItem() const { return selectedItem_; }

    LightRecord GetLightingState() const;
    CommandChannel& Channel() { return channel_; }
    CommandChannel& NotificationChannel() { return notificationChannel_; }

    // The device's data folder (created when missing) and its kind's factory
    // profile.
    std::filesystem::path DeviceDataFolder() const;
    std::filesystem::path DefaultProfilePath() const;

    toolkit::CControlUI* KeyButton(int key) const;
    toolkit::CControlUI* LightButton(int light) const;

protected:
    const Clock& clock() const { return clock_; }
    LightColours& Lights() { return lightColours_; }
    const LightColours& Lights() const { return lightColours_; }
    EffectState& Effect() { return effect_; }
    ReactionBuffers& Reactions() { return reactions_; }
    std::map<int, int>& LookupMap(int which) { return lookupMaps_.at(which); }
    const AudioLightRecord& AudioLighting() const { return audioLighting_; }
    // Guard the kinds' per-light effect list and custom-effect step list
    // against the lighting thread.
    std::mutex& PerLightListLock() { return perLightListLock_; }
    std::mutex& StepListLock() { return stepListLock_; }

    // Paints the light buttons that are showing with the current colours.
    void PaintLightButtons();
    // A failed light frame costs a pause, so that a device that stopped
    // answering does not keep the caller in a tight loop.
    void PauseAfterFailedFrame();

private:
    void BindButtons();
    toolkit::CTabLayoutUI* FindSwitch(toolkit::CTabLayoutUI*& cache, std::string_view name);

    CommandChannel channel_;
    CommandChannel notificationChannel_;
    const Clock& clock_;
    ILightPanel* lightPanel_ = nullptr;
    toolkit::CControlUI* selectPanel_ = nullptr;
    toolkit::CControlUI* tab_ = nullptr;
    IPowerDisplay* powerDisplay_ = nullptr;
    toolkit::CTabLayoutUI* functionSwitch_ = nullptr;
    toolkit::CTabLayoutUI* keyFunctionSwitch_ = nullptr;
    std::string deviceSkin_;
    std::string lightingPresetName_;
    std::string kindName_;
    toolkit::WindowHandle mainWindow_ = toolkit::kNoWindow;
    int modelId_ = 0;
    int role_ = 0;
    int keyCount_ = 0;
    int lightCount_ = 0;
    int kindIndex_ = -1;
    int selectedItem_ = -1;
    int pageType_ = 1;
    std::vector<toolkit::CControlUI*> keyButtons_;
    std::vector<toolkit::CControlUI*> lightButtons_;
    std::array<std::map<int, int>, 3> lookupMaps_;
    LightColours lightColours_;
    mutable std::mutex lightingLock_;
    LightRecord lighting_;
    AudioLightRecord audioLighting_;
    std::mutex perLightListLock_;
    std::mutex stepListLock_;
    std::atomic<bool> lightingControl_{false};
    std::atomic<bool> windowActive_{false};
    EffectState effect_;
    ReactionBuffers reactions_;
    std::atomic<bool> batteryPowered_{false};
    std::atomic<bool> statusPollingPaused_{false};
    InterfaceRecord identity_;
    int kindCode_ = 0;
    std::atomic<bool> onReceiver_{false};
};

}  // namespace viremo::devices
