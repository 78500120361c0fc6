#pragma once
// The driver of the gaming mouse, on its cable (model 2) or through its
// wireless receiver. It reads the mouse's identity and button table, writes
// and reads the 66-byte settings block of a profile slot (lighting, report
// rate, DPI stages, correction), writes the button table with the macros
// renumbered, the macro image and the recoil image, reacts to the mouse's
// own input reports (synchronisation, flash, profile and DPI stage changes)
// and runs the software lighting effects of its lights.
//
// Through the receiver every step that moves data is preceded by
// QueryOnline; a mouse that is not reachable ends the operation at once with
// result 0 (the macro write: -1 once it has started) and nothing more is
// sent, except the EndSession of a session already begun.
//
// Threads: the user-interface thread calls every operation; the lighting
// thread passes the lighting engine; the input-report readers only set the
// active profile and stage and tell the page.
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "devices/keyboard/keyboard_modes.h"
#include "devices/keyboard/keyboard_notification_reader.h"
#include "devices/lighting/lighting_engine.h"
#include "devices/lighting/lighting_thread.h"
#include "devices/lighting/random_source.h"
#include "devices/mouse/dpi_scale.h"
#include "devices/mouse/mouse_buttons.h"
#include "devices/mouse/mouse_settings.h"
#include "devices/vendrake_usb_device.h"
#include "profiles/mouse_profile_data.h"

namespace viremo::devices {

namespace mouse {
// What the mouse reports on its input interfaces.
inline constexpr uint16_t kSynchroniseCode = 0x0401;
inline constexpr uint16_t kFlashCode = 0x0403;
inline constexpr uint16_t kProfileCodeHigh = 0x10;
inline constexpr uint16_t kProfileAndStageCodeHigh = 0x11;
// The input interfaces: kind 2 on the cable, kind 6 through the receiver.
inline constexpr int kCableInputKind = 2;
inline constexpr int kReceiverInputKind = 6;
// The recoil memory: four guns of at most 30 bullets of six events.
inline constexpr size_t kRecoilCapacity = 4096;
inline constexpr int kReportRatesHz[] = {125, 250, 500, 1000};
}  // namespace mouse

class CVendrakeMouseDevice : public CVendrakeUSBDevice {
public:
    explicit CVendrakeMouseDevice(hid::Backend& backend = hid::systemBackend(), const Clock& clock = systemClock());
    ~CVendrakeMouseDevice() override;

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
    // The settings block into slot `profile` with first argument `value`.
    DeviceResult WriteSettingsRecord(int profile, int value) override;
    void BindProfileFiles() override;
    std::string GetProfileName() const override;
    void SaveProfile() override;
    void SetKindCode(int code) override;
    void SetLightInfo(const LightRecord& lighting) override;

    // Steps 1 to 3 of the read-all: device information and button table in
    // one session, then the button position map. Nothing is kept unless
    // both reads succeed.
    bool ReadButtonLayout();
    // The settings read: active profile, then its slot. Result 1 when both
    // reads succeeded (the lighting state and the active stage then come
    // from the mouse and the profile is saved); 0 and nothing changed
    // otherwise.
    DeviceResult ReadDeviceState();
    // The settings block of the profile into `slot`.
    DeviceResult WriteSettingsBlock(uint8_t slot, uint8_t first, uint8_t third);
    // The four guns' recoil image. Refused with kRecoilTooLarge (nothing
    // sent) when it does not fit the mouse's recoil memory.
    DeviceResult WriteRecoilData();

    // The page's DPI and report-rate controls: each stores into the profile
    // in memory (SaveProfile writes it).
    const std::vector<DpiStage>& DpiStages() const { return stages_; }
    void SetDpiStages(const std::vector<DpiStage>& stages);
    int GetActiveDpiStage() const { return activeStage_; }
    void SetActiveDpiStage(int stage);
    int GetReportRate() const { return int(systemWords_[2] >> 16); }
    void SetReportRate(int index);
    mouse::DpiScale Scale() const { return mouse::DpiScale(Info()); }
    const std::vector<KeyListEntry>& KeyAssignments() const { return keys_; }
    void SetKeyAssignment(int key, const KeyListEntry& assignment);

    // The screen size the settings block carries (the primary screen's).
    void SetScreenSize(uint16_t width, uint16_t height) { screenWidth_ = width, screenHeight_ = height; }

    // The mouse's input interfaces (kinds 2 and 6): attaching opens one and
    // starts its reader, detaching stops the reader and closes it.
    bool AttachInputInterface(const std::string& path, int interfaceKind);
    void DetachInputInterface(int interfaceKind);
    // What a report's event code does; the readers' handler.
    void OnInputReport(uint16_t code, int interfaceKind);
    void StartFlash() { engine_.StartFlash(); }

    bool IsLightingThreadRunning() const { return lightingThread_.IsRunning(); }
    const LightingEngine& Engine() const { return engine_; }
    // One pass of the lighting thread, for the effect runner.
    void LightingPass() { engine_.Pass(); }

    // What the last reads left.
    uint8_t ActiveProfile() const { return activeProfile_; }
    const std::vector<uint8_t>& ButtonTableCopy() const { return buttonTable_; }
    const mouse::ButtonMap& ButtonPositions() const { return buttons_; }
    const std::optional<mouse::SettingsRead>& LastBlock() const { return lastBlock_; }
    size_t MacroCapacity() const;
    const keyboard::ModeList& Modes();
    CMouseProfiledata& Profile() { return profile_; }

private:
    struct InputPort {
        std::atomic<bool> open{false};
        keyboard::NotificationReader reader;
    };

    void TakeProfileState();
    void RestartLightingThread();
    int UploadMacros(const std::vector<int>& macroNumbers);
    InputPort& PortOf(int interfaceKind);
    hid::HidDevice& InputDeviceOf(int interfaceKind);

    CMouseProfiledata profile_;
    std::string profileName_;
    std::optional<keyboard::ModeList> modes_;
    std::vector<uint8_t> buttonTable_;
    mouse::ButtonMap buttons_;
    std::optional<mouse::SettingsRead> lastBlock_;
    std::atomic<uint8_t> activeProfile_{0};
    std::atomic<int> activeStage_{0};
    std::vector<KeyListEntry> keys_;
    std::vector<DpiStage> stages_;
    std::array<uint32_t, 3> systemWords_{};
    uint16_t screenWidth_ = 0;
    uint16_t screenHeight_ = 0;

    SystemRandom random_;
    LightingEngine engine_;
    std::array<InputPort, 2> ports_;  // cable, receiver
    LightingThread lightingThread_;
};

// Gives a mouse driver its rows of the device tables and the row of the
// interface it talks through (the cable's, or the receiver's, which keeps
// the cable's row as the identity).
void configureMouse(CVendrakeMouseDevice& device, const InterfaceRecord& row);

}  // namespace viremo::devices
