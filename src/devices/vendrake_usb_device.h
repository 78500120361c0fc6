#pragma once
// The base of every device driver. It owns the command channel of one
// product, the identity of the device, its rows of the device tables, the
// lighting state, the light colours, the software lighting effects and the
// reaction buffers. The kinds derive from it, override the operations below
// that they provide and compose the shared parts (session guard, device
// information, status block, lighting engine) with their own tables; see
// devices/README.md.
//
// A driver knows nothing of windows. Its page (ui/device_page.h) owns it,
// shows what it reports through IDeviceView, IPowerDisplay and ILightPanel,
// and is where the operations the user sees live. Without a page (the
// command-line tool) nothing is shown and everything else works the same.
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "devices/device_info.h"
#include "devices/device_links.h"
#include "devices/interface_record.h"
#include "devices/lighting/effect_steps.h"
#include "devices/lighting/light_colours.h"
#include "devices/lighting/reaction_buffers.h"
#include "devices/protocol/command_channel.h"
#include "devices/protocol/device_result.h"
#include "devices/status_block.h"
#include "platform/clock.h"
#include "profiles/profile_records.h"

namespace viremo {
class CBasicProfiledata;
}

namespace viremo::devices {

inline constexpr int kMaxKeys = 170;
inline constexpr int kAudioLevelCount = 25;
inline constexpr int kAudioBandCount = 6;

class CVendrakeUSBDevice {
public:
    explicit CVendrakeUSBDevice(hid::Backend& backend = hid::systemBackend(), const Clock& clock = systemClock());
    virtual ~CVendrakeUSBDevice();
    CVendrakeUSBDevice(const CVendrakeUSBDevice&) = delete;
    CVendrakeUSBDevice& operator=(const CVendrakeUSBDevice&) = delete;

    // What a kind provides; the base does nothing and reports kNotDone.
    virtual DeviceResult ApplyLightingState();
    virtual void SendLightFrame();
    virtual DeviceResult ReadAllFromDevice();
    virtual void ReadSettingsFromDevice();
    // Reads the status block (through a receiver only while the device
    // behind it is reachable), keeps it and shows it on the power display.
    virtual void PollPower();
    virtual int IsReachableThroughReceiver();
    virtual DeviceResult LoadProfile();
    virtual void CheckMacroBindings();
    virtual void LoadDefaultProfile();
    virtual std::vector<int> GetUsedMacros();
    virtual DeviceResult WriteKeyAssignments(int page, const std::vector<KeyListEntry>& keys);
    virtual DeviceResult WriteKeyAssignmentsOf(int page);
    virtual DeviceResult WriteMacros(const std::vector<int>& macroNumbers);
    virtual DeviceResult WriteSettingsRecord(int profile, int value);
    virtual void BindProfileFiles();
    virtual std::string GetProfileName() const;
    virtual void SaveProfile();
    virtual void SetKindCode(int code);
    virtual void SetLightInfo(const LightRecord& lighting);
    virtual void SetAudioLightInfo(const AudioLightRecord& audio);
    virtual void OnAudioLevels(std::span<const int32_t, kAudioLevelCount> levels);
    virtual void OnAudioBands(std::span<const int32_t, kAudioBandCount> bands);
    // Brings what the page shows up to date and has the page show it (the
    // driver's half of ShowStateOnPanels).
    virtual void RefreshState();

    // The effects every kind shares: one step each.
    using EffectStep = void (CVendrakeUSBDevice::*)();
    void EffectBreathing();
    void EffectFourColourBreathing();
    void EffectStatic();
    void EffectSpectrum();
    void EffectBlink();
    void EffectFourColourBlink();
    void EffectOff();
    // A kind's table of the modes its lighting thread steps in software.
    struct ModeEffect {
        uint8_t mode;
        EffectStep step;
    };
    // Back to the first phase of every effect (on a mode change).
    void ResetEffects();

    void SetLightColour(int light, LightColour colour);
    LightColour GetLightColour(int light) const;
    void SetKeyMap(const std::map<int, int>& map);
    void DecayKeyLevel(int light, int style);
    void LightFirstKeys();
    void RotateKeys(uint8_t direction);
    void ClearReactionBuffers();
    int GetKindCode() const { return kindCode_; }
    AudioLightRecord GetAudioLightInfo();
    LightRecord GetLightingState() const;

    // The information block, read and kept (Info) on success.
    DeviceResult ReadDeviceInformation();
    const DeviceInfo& Info() const { return info_; }
    const DeviceInfoBlock& InfoBlock() const { return infoBlock_; }
    // The last status block PollPower read.
    std::optional<StatusBlock> LastStatus() const { return lastStatus_; }

    // Identity: the row of the device the driver stands for; setting it also
    // takes its model id and role.
    const InterfaceRecord& GetIdentity() const { return identity_; }
    void SetIdentity(const InterfaceRecord& identity);
    // The row of the interface the driver talks through. A receiver is only
    // the way in: its row gives the wired partner's row as the identity and
    // puts the driver on the receiver; any other row is the identity itself.
    void SetInterfaceRow(const InterfaceRecord& row);
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

    // Where the driver reports; each may be null.
    void SetView(IDeviceView* view);
    IPowerDisplay* GetPowerDisplay() const { return powerDisplay_; }
    void SetPowerDisplay(IPowerDisplay* display) { powerDisplay_ = display; }
    ILightPanel* GetLightPanel() const { return lightPanel_; }
    void SetLightPanel(ILightPanel* panel) { lightPanel_ = panel; }

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

    CommandChannel& Channel() { return channel_; }
    CommandChannel& NotificationChannel() { return notificationChannel_; }

    // The device's data folder (created when missing) and its kind's factory
    // profile.
    std::filesystem::path DeviceDataFolder() const;
    std::filesystem::path DefaultProfilePath() const;

protected:
    const Clock& clock() const { return clock_; }
    LightColours& Lights() { return lightColours_; }
    const LightColours& Lights() const { return lightColours_; }
    EffectState& Effect() { return effect_; }
    ReactionBuffers& Reactions() { return reactions_; }
    const AudioLightRecord& AudioLighting() const { return audioLighting_; }
    // Guard the kinds' per-light effect list and custom-effect step list
    // against the lighting thread.
    std::mutex& PerLightListLock() { return perLightListLock_; }
    std::mutex& StepListLock() { return stepListLock_; }

    void KeepDeviceInfo(const DeviceInfoBlock& block);

    // Points `profile` at this device's files: its factory profile, its light
    // configuration and the profile file its profile list selects (the list
    // is made when missing). The selected profile's name; nothing when none
    // is selected or the list cannot be read (the profile file then stays as
    // it was).
    std::optional<std::string> BindProfileStore(CBasicProfiledata& profile);
    // The entries of the device's "macro.config"; 0 when it cannot be read.
    int MacroCount() const;

    // The page's calls, made only while a page is set; safe from any thread.
    void ShowLightsOnPage();
    void ShowStateOnPage();
    void TellPageDeviceChanged();
    void TellPageResynchronise();
    // Steps the effect of `mode` in the table, under the effect lock; false
    // when the table has none.
    bool StepModeEffect(std::span<const ModeEffect> table, uint8_t mode);
    // A refused light frame holds the next ones back for a while, so that a
    // device that stopped answering is not written at every tick; the caller
    // (the page's frame timer on the user-interface thread) never waits.
    void PauseAfterFailedFrame();
    bool FramesHeldBack() const;

private:
    template <typename Call>
    void WithView(Call call);

    CommandChannel channel_;
    CommandChannel notificationChannel_;
    const Clock& clock_;
    std::recursive_mutex viewLock_;
    IDeviceView* view_ = nullptr;
    ILightPanel* lightPanel_ = nullptr;
    IPowerDisplay* powerDisplay_ = nullptr;
    std::string lightingPresetName_;
    std::string kindName_;
    int modelId_ = 0;
    int role_ = 0;
    int keyCount_ = 0;
    int lightCount_ = 0;
    int kindIndex_ = -1;
    std::map<int, int> keyMap_;
    LightColours lightColours_;
    mutable std::mutex lightingLock_;
    LightRecord lighting_;
    AudioLightRecord audioLighting_;
    std::mutex perLightListLock_;
    std::mutex stepListLock_;
    std::atomic<bool> lightingControl_{false};
    std::atomic<bool> windowActive_{false};
    // The effect state is stepped by the lighting thread and reset by the
    // mode changes of the user-interface thread.
    std::mutex effectLock_;
    EffectState effect_;
    ReactionBuffers reactions_;
    std::atomic<bool> batteryPowered_{false};
    std::atomic<bool> statusPollingPaused_{false};
    InterfaceRecord identity_;
    DeviceInfoBlock infoBlock_{};
    DeviceInfo info_;
    std::optional<StatusBlock> lastStatus_;
    int kindCode_ = 0;
    std::atomic<bool> onReceiver_{false};
    // No frames on the wire before this time (the clock's ticks).
    std::atomic<Clock::Monotonic::rep> noFramesBefore_{Clock::Monotonic::min().time_since_epoch().count()};
};

// Gives a driver its kind's rows of the device tables (kind, counts, names,
// battery) and the row of the interface it talks through (SetInterfaceRow).
// An unknown kind is left as it is.
void configureDevice(CVendrakeUSBDevice& device, int kindIndex, const InterfaceRecord& row);

}  // namespace viremo::devices
