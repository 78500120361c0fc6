#pragma once
// The driver of the keyboards, on their cable (model 1) and through their
// wireless receiver (model 9). It reads and writes the keyboard's
// memory regions (device information, settings, key table with its key
// attribute block, macro memory, colour pages), streams light frames while
// the program drives the lights, listens for the keyboard's notifications
// on its consumer-control interfaces and runs its lighting engine. The base
// driver reads its information and status blocks.
//
// Threads: the user-interface thread calls every operation; the lighting
// thread steps the effects; the notification readers only set the active
// profile index and tell the page the rest (a resynchronisation, a change
// to show), which the page moves to the user-interface thread.
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "devices/keyboard/keyboard_effects.h"
#include "devices/keyboard/keyboard_layout.h"
#include "devices/keyboard/keyboard_modes.h"
#include "devices/keyboard/keyboard_notification_reader.h"
#include "devices/keyboard/keyboard_panels.h"
#include "devices/keyboard/keyboard_settings.h"
#include "devices/lighting/lighting_thread.h"
#include "devices/lighting/random_source.h"
#include "devices/vendrake_usb_device.h"
#include "profiles/keyboard_profile_data.h"

namespace viremo::devices {

class CVendrakeKeyboardDevice : public CVendrakeUSBDevice {
public:
    explicit CVendrakeKeyboardDevice(hid::Backend& backend = hid::systemBackend(), const Clock& clock = systemClock());
    // Effects with their chance from `random` (tests).
    CVendrakeKeyboardDevice(hid::Backend& backend, const Clock& clock, RandomSource& random);
    ~CVendrakeKeyboardDevice() override;

    DeviceResult ApplyLightingState() override;
    void SendLightFrame() override;
    DeviceResult ReadAllFromDevice() override;
    void ReadSettingsFromDevice() override;
    int IsReachableThroughReceiver() override;
    DeviceResult LoadProfile() override;
    void RefreshState() override;
    void CheckMacroBindings() override;
    void LoadDefaultProfile() override;
    std::vector<int> GetUsedMacros() override;
    DeviceResult WriteKeyAssignments(int page, const std::vector<KeyListEntry>& keys) override;
    DeviceResult WriteKeyAssignmentsOf(int page) override;
    DeviceResult WriteMacros(const std::vector<int>& macroNumbers) override;
    DeviceResult WriteSettingsRecord(int profile, int value) override;
    void BindProfileFiles() override;
    std::string GetProfileName() const override;
    void SaveProfile() override;
    void SetKindCode(int code) override;
    void SetLightInfo(const LightRecord& lighting) override;
    void SetAudioLightInfo(const AudioLightRecord& audio) override;
    void OnAudioLevels(std::span<const int32_t, kAudioLevelCount> levels) override;
    void OnAudioBands(std::span<const int32_t, kAudioBandCount> bands) override;

    // Keyboard operations.
    LightRecord GetLightInfo() const;
    void SetCustomGroup(int group);
    void PrepareMode20();
    void FillAll(bool on);
    void SetCustomColour(int light);

    // The lighting panel of the page, for the custom colour group being
    // edited; null when there is none.
    void SetLightingPanel(keyboard::ILightingPanel* panel) { lightingPanel_ = panel; }
    // Reads the mode list file again.
    void ReloadModes();

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

    bool IsLightingThreadRunning() const { return lightingThread_.IsRunning(); }
    // One pass of the lighting thread: the mode's effect, then the
    // per-light effects of "LightList".
    void LightingPass();
    // A key pressed (1) or released (2) at a key table position starts the
    // reaction of the lighting mode at its light.
    void OnKeyEvent(int position, uint8_t kind);
    void ReactToKey(int light, uint8_t kind);
    // Whether SendLightFrame streams in the current mode and connection (not
    // through the receiver, not in the modes the keyboard renders itself).
    bool StreamsLightFrames() const;
    const keyboard::KeyboardEffects& Effects() const { return effects_; }

    // What the last reads left.
    int KeyPositionCount() const { return Info().keyCount; }
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
    CKeyboardProfiledata& Profile() { return profile_; }
    const CKeyboardProfiledata& Profile() const { return profile_; }

    static uint16_t LastNotificationCode() { return lastNotificationCode_; }

private:
    struct NotificationPort;

    bool ReadSettingsMirror();
    void RunModeChange(uint8_t mode);
    void KeepAudioLighting(const AudioLightRecord& audio);
    void RestartLightingThread();
    void WriteColourPage();
    void StoreCustomColours(int group);
    int UploadMacros(const std::vector<int>& macroNumbers);
    void TakeProfileState();
    void OnNotification(uint16_t code, bool onCable);
    NotificationPort& PortOf(uint16_t modelId);
    const NotificationPort& PortOf(uint16_t modelId) const;

    CKeyboardProfiledata profile_;
    std::string profileName_;
    std::optional<keyboard::ModeList> modes_;
    std::vector<uint8_t> keyTable_;
    std::vector<uint8_t> keyAttributes_;
    keyboard::KeyMaps maps_ = keyboard::KeyMaps::absent();
    bool layoutRead_ = false;  // the maps come from this keyboard
    keyboard::SettingsBlock mirror_{};
    std::atomic<uint8_t> activeProfile_{0};
    std::atomic<uint8_t> secondIndex_{0};
    std::vector<KeyListEntry> keys_;
    keyboard::SystemSettings system_;
    // The profile's "LightList", under the per-light list lock, for the
    // per-light effects laid over the lighting thread's steps.
    std::vector<LightRecord> perLightList_;

    keyboard::ILightingPanel* lightingPanel_ = nullptr;

    SystemRandom systemRandom_;
    keyboard::KeyboardEffects effects_;

    struct NotificationPort {
        std::atomic<bool> open{false};
        keyboard::NotificationReader reader;
    };
    std::array<NotificationPort, 2> ports_;  // cable, receiver

    LightingThread lightingThread_;

    static std::atomic<uint16_t> lastNotificationCode_;
};

// Gives a keyboard driver its rows of the device tables (kind, counts,
// names) and the row of the interface it talks through (the cable's, or the
// receiver's, which keeps the cable's row as the identity).
void configureKeyboard(CVendrakeKeyboardDevice& device, const InterfaceRecord& row);

}  // namespace viremo::devices
