#pragma once
// The device object of the keyboards, on their cable (model 1) and through
// their wireless receiver (model 9). It reads and writes the keyboard's
// memory regions (device information, settings, key table with its key
// attribute block, macro memory, colour pages), streams light frames while
// the program drives the lights, polls the battery, listens for the
// keyboard's notifications on its consumer-control interfaces and runs the
// lighting thread.
//
// Threads: the user-interface thread calls every operation; the lighting
// thread steps the effects; the notification readers only set the active
// profile index and post the rest (tab timer, ShowStateOnPanels) to the
// user-interface thread.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "devices/keyboard/keyboard_layout.h"
#include "devices/keyboard/keyboard_modes.h"
#include "devices/keyboard/keyboard_notification_reader.h"
#include "devices/keyboard/keyboard_panels.h"
#include "devices/keyboard/keyboard_settings.h"
#include "devices/vendrake_usb_device.h"
#include "profiles/keyboard_profile_data.h"

namespace viremo::devices {

// Sent to the main window after a battery reading; wParam = battery level.
inline constexpr unsigned kMsgBatteryLevel = 3329;
// The device tab's timer that makes it read the settings again.
inline constexpr unsigned kTabTimerResynchronise = 1002;
inline constexpr unsigned kResynchroniseDelayMs = 50;

class CVendrakeKeyboardDevice : public CVendrakeUSBDevice {
public:
    explicit CVendrakeKeyboardDevice(hid::Backend& backend = hid::systemBackend(), const Clock& clock = systemClock());
    ~CVendrakeKeyboardDevice() override;

    std::string_view GetClass() const override;

    void Initialise() override;                                       // 1
    int ApplyLightingState() override;                                // 2
    void SendLightFrame() override;                                   // 10
    void ReadAllFromDevice() override;                                // 13
    void ReadSettingsFromDevice() override;                           // 14
    void PollPower() override;                                        // 17
    int IsReachableThroughReceiver() override;                        // 18
    int LoadProfile() override;                                       // 19
    void ShowStateOnPanels() override;                                // 20
    void CheckMacroBindings() override;                               // 21
    void LoadDefaultProfile() override;                               // 22
    std::vector<int> GetUsedMacros() override;                        // 23
    int WriteKeyAssignments(int page, const std::vector<KeyListEntry>& keys) override;  // 24
    int WriteKeyAssignmentsOf(int page) override;                     // 25
    int WriteMacros(const std::vector<int>& macroNumbers) override;   // 26
    int WriteSettingsRecord(int profile, int value) override;         // 27
    void LoadPanelLists() override;                                   // 28
    void BindProfileFiles() override;                                 // 36
    std::string GetProfileName() const override;                      // 37
    void SaveProfile() override;                                      // 38
    void SetKindCode(int code) override;                              // 39
    void SetLightInfo(const LightRecord& lighting) override;          // 41
    void SetAudioLightInfo(const AudioLightRecord& audio) override;   // 42
    void SetSelectedItem(int index) override;                         // 44
    void OnAudioLevels(std::span<const int32_t, kAudioLevelCount> levels) override;  // 45
    void OnAudioBands(std::span<const int32_t, kAudioBandCount> bands) override;     // 46

    // Keyboard operations.
    void InitialiseKeyboardPage();     // 47
    LightRecord GetLightInfo() const;  // 48
    void ResetEffects();               // 49
    void SetCustomGroup(int group);    // 64
    void PrepareMode20();              // 65
    void FillAll(bool on);             // 66
    void SetCustomColour(int light);   // 99

    // Steps 1 to 3 of the read-all: device information, key table and key
    // attribute block in one session, then the key and light position maps.
    // Nothing is kept unless all three reads succeed.
    bool ReadKeyLayout();
    // The key panel's save: stores one key's assignment in the list and the
    // profile in memory.
    void SetKeyAssignment(int key, const KeyListEntry& assignment);

    // The consumer-control interface of model 1 (cable) or 9 (receiver):
    // attaching opens it and starts its reader, detaching stops the reader
    // and closes it.
    bool AttachNotificationInterface(const std::string& path, uint16_t modelId);
    void DetachNotificationInterface(uint16_t modelId);
    bool IsNotificationOpen(uint16_t modelId) const;

    bool IsLightingThreadRunning() const { return lightingThread_.joinable(); }

    // What the last reads left.
    const std::array<uint8_t, kDeviceInfoSize>& DeviceInfo() const { return deviceInfo_; }
    int KeyPositionCount() const { return deviceInfo_[5]; }
    size_t MacroCapacity() const;
    const std::vector<uint8_t>& KeyTableCopy() const { return keyTable_; }
    const keyboard::KeyMaps& Maps() const { return maps_; }
    const keyboard::SettingsBlock& SettingsMirror() const { return mirror_; }
    uint8_t ActiveProfile() const { return activeProfile_; }
    uint8_t SecondIndex() const { return secondIndex_; }
    const std::vector<KeyListEntry>& KeyAssignments() const { return keys_; }
    const keyboard::SystemSettings& SystemStages() const { return system_; }
    void SetSystemStages(const keyboard::SystemSettings& system);
    const keyboard::ModeList& Modes();
    std::optional<std::array<uint8_t, 6>> LastStatus() const { return lastStatus_; }
    CKeyboardProfiledata& Profile() { return profile_; }
    const CKeyboardProfiledata& Profile() const { return profile_; }

    static uint16_t LastNotificationCode() { return lastNotificationCode_; }

private:
    class Session;
    struct NotificationPort;

    bool ReadSettingsMirror();
    void RunModeChange(uint8_t mode);
    void WriteColourPage();
    void StoreCustomColours(int group);
    int MacroCount() const;
    void TakeProfileState();
    void OnNotification(uint16_t code, bool onCable);
    void PostToUi(std::function<void()> work);
    void StartTabTimer(unsigned id, unsigned elapseMs);
    NotificationPort& PortOf(uint16_t modelId);
    const NotificationPort& PortOf(uint16_t modelId) const;

    void RestartLightingThread();
    void StopLightingThread();
    void RunLighting(std::stop_token stop);
    bool StepBaseEffect(uint8_t mode);

    CKeyboardProfiledata profile_;
    std::string profileName_;
    std::optional<keyboard::ModeList> modes_;
    std::array<uint8_t, kDeviceInfoSize> deviceInfo_{};
    std::vector<uint8_t> keyTable_;
    std::vector<uint8_t> keyAttributes_;
    keyboard::KeyMaps maps_ = keyboard::KeyMaps::absent();
    bool layoutRead_ = false;  // the maps come from this keyboard
    keyboard::SettingsBlock mirror_{};
    std::atomic<uint8_t> activeProfile_{0};
    std::atomic<uint8_t> secondIndex_{0};
    std::vector<KeyListEntry> keys_;
    keyboard::SystemSettings system_;
    std::optional<std::array<uint8_t, 6>> lastStatus_;
    // The sound levels and bands the audio-reactive effects follow.
    std::array<std::atomic<int32_t>, kAudioLevelCount> audioLevels_{};
    std::array<std::atomic<int32_t>, kAudioBandCount> audioBands_{};
    // The profile's "LightList", under the per-light list lock, for the
    // per-light effects laid over the lighting thread's steps.
    std::vector<LightRecord> perLightList_;

    keyboard::ILightingPanel* lightingPanel_ = nullptr;
    keyboard::IMacroListPanel* macroPanel_ = nullptr;
    keyboard::IKeySetPanel* keySetPanel_ = nullptr;

    struct NotificationPort {
        std::atomic<bool> open{false};
        keyboard::NotificationReader reader;
    };
    std::array<NotificationPort, 2> ports_;  // cable, receiver
    // Work posted to the user-interface thread holds this weakly, so that
    // it does nothing once the device is gone.
    std::shared_ptr<CVendrakeKeyboardDevice*> self_;

    // The effect state is stepped by the lighting thread and reset by the
    // mode changes of the user-interface thread.
    std::mutex effectLock_;
    std::jthread lightingThread_;

    static std::atomic<uint16_t> lastNotificationCode_;
};

// Gives a keyboard device object its rows of the device tables (kind,
// counts, names) and the identity of the interface it talks through.
void configureKeyboard(CVendrakeKeyboardDevice& device, const InterfaceRecord& identity);

}  // namespace viremo::devices
