#include "devices/light_settings/light_settings_device.h"

#include "devices/protocol/packet_log.h"
#include "devices/protocol/result_code.h"
#include "devices/protocol/session.h"
#include "platform/folders.h"
#include "platform/log.h"

namespace viremo::devices {

CLightSettingsDevice::CLightSettingsDevice(LitDevice lit, std::string lightingExitLine, hid::Backend& backend,
                                           const Clock& clock, RandomSource* random)
    : CVendrakeUSBDevice(backend, clock),
      engine_(lit, clock, random ? *random : systemRandom_),
      lightingThread_(Channel(), kLightingPassPeriod, std::move(lightingExitLine)) {
    SetLightingControl(true);
}

CLightSettingsDevice::~CLightSettingsDevice() { lightingThread_.Stop(); }

// ---- Mode list and settings block ------------------------------------------

void CLightSettingsDevice::ReloadModes() {
    modes_ = keyboard::readModeList(folders::defaultData() / keyboard::kModeFileName, GetKindCode());
}

const keyboard::ModeList& CLightSettingsDevice::Modes() {
    if (!modes_) ReloadModes();
    return *modes_;
}

LightSettings CLightSettingsDevice::Settings() const {
    std::lock_guard lock(settingsLock_);
    return settings_;
}

DeviceResult CLightSettingsDevice::ReadLightSettings() {
    CommandChannel& channel = Channel();
    channel.SetSyncFlag(0);
    std::array<uint8_t, 1> profile{};
    if (const int result = channel.ReadSettings(0, profile); result != kSuccess) return result;
    std::array<uint8_t, kLightSettingsReadSize> block{};
    const uint16_t address = uint16_t(profile[0] * kLightSettingsProfileStride);
    if (const int result = channel.ReadSettings(address, block); result != kSuccess) return result;
    const LightSettings read = settingsFromDevice(std::span(block).first<kLightSettingsSize>(), Modes());
    {
        std::lock_guard lock(settingsLock_);
        settings_ = read;
    }
    const LightRecord lighting = read.Lighting(GetLightingState());
    CVendrakeUSBDevice::SetLightInfo(lighting);
    engine_.SetLighting(lighting);
    return kSuccess;
}

void CLightSettingsDevice::ReadSettingsFromDevice() { ReadLightSettings(); }

DeviceResult CLightSettingsDevice::WriteSettingsRecord(int slot, int) {
    const LightSettingsBytes wire = settingsToDevice(Settings(), Modes());
    CommandChannel& channel = Channel();
    Session session(channel);
    return channel.WriteSettings(uint16_t(slot * kLightSettingsSlotStride), wire);
}

// ---- Profile -----------------------------------------------------------------

void CLightSettingsDevice::BindProfileFiles() {
    if (auto name = BindProfileStore(LitProfile())) profileName_ = std::move(*name);
}

DeviceResult CLightSettingsDevice::LoadProfile() {
    BindProfileFiles();
    CBasicProfiledata& profile = LitProfile();
    if (profile.GetProfilePath().empty()) return kNotDone;
    profile.LoadProfile(profile.GetProfilePath());
    ApplyLightingState();
    TakeProfileState();
    return kSuccess;
}

void CLightSettingsDevice::LoadDefaultProfile() {
    BindProfileFiles();
    LitProfile().LoadProfile(DefaultProfilePath());
    ApplyLightingState();
    SaveProfile();
    RefreshState();
}

DeviceResult CLightSettingsDevice::ApplyLightingState() {
    CBasicProfiledata& profile = LitProfile();
    const LightRecord lighting = profile.GetLightInfo();
    CVendrakeUSBDevice::SetLightInfo(lighting);
    {
        std::lock_guard lock(settingsLock_);
        settings_ = withLighting(settings_, lighting);
    }
    profile.LoadLightConfig(profile.GetLightConfigPath());
    engine_.ApplyLightingState(lighting, profile.GetLightList(), profile.GetLightEffect());
    return kSuccess;
}

std::string CLightSettingsDevice::GetProfileName() const { return profileName_; }

void CLightSettingsDevice::SaveProfile() { LitProfile().Save(); }

void CLightSettingsDevice::SetKindCode(int code) {
    CVendrakeUSBDevice::SetKindCode(code);
    LitProfile().SetProfileIndex(0);
    modes_.reset();
}

void CLightSettingsDevice::SetLightInfo(const LightRecord& lighting) {
    CVendrakeUSBDevice::SetLightInfo(lighting);
    LitProfile().SetLightInfo(lighting);
}

// ---- Start and lighting --------------------------------------------------------

DeviceResult CLightSettingsDevice::ReadInformation() {
    Session session(Channel());
    return ReadDeviceInformation();
}

DeviceResult CLightSettingsDevice::ReadAllFromDevice() {
    if (!Channel().IsOpen()) return kNotDone;
    const DeviceResult information = ReadInformation();
    if (!information.succeeded()) return information;
    LoadProfile();
    ReadKindState();
    RefreshState();
    StartLighting();
    return kSuccess;
}

void CLightSettingsDevice::RefreshState() {
    ReloadModes();
    ShowStateOnPage();
}

void CLightSettingsDevice::LogLightData(std::span<const uint8_t> bytes) {
    if (log::enabled()) log::line("灯光\n" + hexLine(bytes));
}

void CLightSettingsDevice::LightTick() {
    if (HasLightingControl()) ShowLightsOnPage();
}

void CLightSettingsDevice::StartLighting() {
    lightingThread_.Restart([this] { LightingPass(); });
}

void CLightSettingsDevice::StopLighting() { lightingThread_.Stop(); }

void CLightSettingsDevice::LightingPass() {
    engine_.Pass();
    const LightColours& colours = engine_.Colours();
    for (int light = 0; light < colours.Count(); ++light) SetLightColour(light, colours.Get(light));
    SendLightFrame();
    ++framesSent_;
}

}  // namespace viremo::devices
