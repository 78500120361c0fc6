#pragma once
// What the mouse pad and the headset share: the 21-byte settings block (read
// back from the device, written to slot 0), the profile's lighting applied to
// the block and to the software lighting engine, and the lighting thread,
// which steps the engine once per pass and sends the frame it leaves. The
// kinds give their profile data, their light layout and their frame.
//
// Threads: the user-interface thread calls the operations; the lighting
// thread runs Pass and sends frames.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

#include "devices/keyboard/keyboard_modes.h"
#include "devices/light_settings/light_settings_block.h"
#include "devices/lighting/lighting_engine.h"
#include "devices/lighting/lighting_thread.h"
#include "devices/vendrake_usb_device.h"
#include "profiles/basic_profile_data.h"

namespace viremo::devices {

class CLightSettingsDevice : public CVendrakeUSBDevice {
public:
    ~CLightSettingsDevice() override;

    DeviceResult ApplyLightingState() override;
    // Start: the information block, the profile, the kind's own state, the
    // state shown, the lighting thread.
    DeviceResult ReadAllFromDevice() override;
    // The mode names read again, and the state shown.
    void RefreshState() override;
    void ReadSettingsFromDevice() override;
    DeviceResult LoadProfile() override;
    void LoadDefaultProfile() override;
    // Writes the block to `slot` (every caller passes 0); the channel's result.
    DeviceResult WriteSettingsRecord(int slot, int value) override;
    void BindProfileFiles() override;
    std::string GetProfileName() const override;
    void SaveProfile() override;
    void SetKindCode(int code) override;
    void SetLightInfo(const LightRecord& lighting) override;
    // The frames go out from the lighting thread after each pass: the tab's
    // tick only has the picture follow the lights.
    void LightTick() override;

    // The active profile number and the block: 1 when both reads succeeded;
    // otherwise the previous block stays and the result is the failed read's
    // (0 while the channel is closed).
    DeviceResult ReadLightSettings();
    LightSettings Settings() const;
    LightRecord GetLightInfo() const { return GetLightingState(); }
    const keyboard::ModeList& Modes();
    void ReloadModes();

    void StartLighting();
    void StopLighting();
    bool IsLightingThreadRunning() const { return lightingThread_.IsRunning(); }
    // One pass of the lighting thread: the engine's step, then the frame.
    void LightingPass();
    uint64_t FramesSent() const { return framesSent_; }
    LightingEngine& Engine() { return engine_; }

protected:
    CLightSettingsDevice(LitDevice lit, std::string lightingExitLine, hid::Backend& backend, const Clock& clock,
                         RandomSource* random);

    virtual CBasicProfiledata& LitProfile() = 0;
    const CBasicProfiledata& LitProfile() const { return const_cast<CLightSettingsDevice*>(this)->LitProfile(); }
    // The kind's part of loading a profile, after the lighting.
    virtual void TakeProfileState() {}
    // The kind's part of the start, after the profile.
    virtual void ReadKindState() {}
    DeviceResult ReadInformation();
    // Light data as sent, in the debug log ("灯光" and the bytes).
    static void LogLightData(std::span<const uint8_t> bytes);

private:
    SystemRandom systemRandom_;
    LightingEngine engine_;
    mutable std::mutex settingsLock_;
    LightSettings settings_;
    std::optional<keyboard::ModeList> modes_;
    std::string profileName_;
    std::atomic<uint64_t> framesSent_{0};
    LightingThread lightingThread_;
};

}  // namespace viremo::devices
