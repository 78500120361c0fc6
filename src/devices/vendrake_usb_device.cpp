#include "devices/vendrake_usb_device.h"

#include <algorithm>
#include <chrono>

#include "devices/device_tables.h"
#include "devices/lighting/light_frame.h"
#include "macros/macro_config.h"
#include "platform/folders.h"
#include "profiles/basic_profile_data.h"
#include "profiles/profile_store.h"

namespace viremo::devices {
namespace {

constexpr auto kFailedFramePause = std::chrono::milliseconds(200);

}  // namespace

CVendrakeUSBDevice::CVendrakeUSBDevice(hid::Backend& backend, const Clock& clock)
    : channel_(backend), notificationChannel_(backend), clock_(clock) {}

CVendrakeUSBDevice::~CVendrakeUSBDevice() {
    channel_.Detach();
    notificationChannel_.Detach();
}

DeviceResult CVendrakeUSBDevice::ApplyLightingState() { return kNotDone; }

void CVendrakeUSBDevice::EffectBreathing() { stepBreathing(effect_, GetLightingState(), lightColours_); }

void CVendrakeUSBDevice::EffectFourColourBreathing() {
    stepFourColourBreathing(effect_, GetLightingState(), lightColours_);
}

void CVendrakeUSBDevice::EffectStatic() { stepStatic(GetLightingState(), lightColours_); }

void CVendrakeUSBDevice::EffectSpectrum() { stepSpectrum(effect_, GetLightingState(), lightColours_); }

void CVendrakeUSBDevice::EffectBlink() { stepBlink(effect_, GetLightingState(), lightColours_, clock_.now()); }

void CVendrakeUSBDevice::EffectFourColourBlink() {
    stepFourColourBlink(effect_, GetLightingState(), lightColours_, clock_.now());
}

void CVendrakeUSBDevice::EffectOff() { stepOff(lightColours_); }

void CVendrakeUSBDevice::ResetEffects() {
    std::lock_guard lock(effectLock_);
    effect_ = EffectState{};
}

bool CVendrakeUSBDevice::StepModeEffect(std::span<const ModeEffect> table, uint8_t mode) {
    for (const ModeEffect& effect : table) {
        if (effect.mode != mode) continue;
        std::lock_guard lock(effectLock_);
        (this->*effect.step)();
        return true;
    }
    return false;
}

void CVendrakeUSBDevice::SendLightFrame() {
    if (!lightingControl_) return;
    ShowLightsOnPage();
    if (onReceiver_ || FramesHeldBack()) return;
    const LightFrame frame = buildLightFrame(lightColours_);
    const size_t length = 3 * size_t(lightColours_.Count());
    if (channel_.StreamLightFrame(std::span(frame).first(length)) != kSuccess) PauseAfterFailedFrame();
}

void CVendrakeUSBDevice::PauseAfterFailedFrame() {
    noFramesBefore_ = (clock_.now() + kFailedFramePause).time_since_epoch().count();
}

bool CVendrakeUSBDevice::FramesHeldBack() const {
    return clock_.now().time_since_epoch().count() < noFramesBefore_.load();
}

void CVendrakeUSBDevice::SetLightColour(int light, LightColour colour) { lightColours_.Set(light, colour); }

LightColour CVendrakeUSBDevice::GetLightColour(int light) const { return lightColours_.Get(light); }

DeviceResult CVendrakeUSBDevice::ReadAllFromDevice() { return kNotDone; }

void CVendrakeUSBDevice::ReadSettingsFromDevice() {}

void CVendrakeUSBDevice::PollPower() {
    if (!channel_.IsOpen() || statusPollingPaused_ || !channel_.QueryOnline()) return;
    StatusBlock status{};
    if (channel_.ReadStatus(0, status) != kSuccess) return;
    status[kStatusLinkByte] = onReceiver_ ? 1 : 0;
    lastStatus_ = status;
    if (powerDisplay_) powerDisplay_->ShowPowerReport(status);
}

DeviceResult CVendrakeUSBDevice::ReadDeviceInformation() {
    DeviceInfoBlock block{};
    const DeviceResult result = channel_.ReadDeviceInfo(block);
    if (result.succeeded()) KeepDeviceInfo(block);
    return result;
}

void CVendrakeUSBDevice::KeepDeviceInfo(const DeviceInfoBlock& block) {
    infoBlock_ = block;
    info_ = decodeDeviceInfo(block);
}

// A device without its own link query counts as reachable while it is open;
// once closed (unplugged) it is not, so a late link check cannot show it again.
int CVendrakeUSBDevice::IsReachableThroughReceiver() { return Channel().IsOpen() ? kSuccess : 0; }

DeviceResult CVendrakeUSBDevice::LoadProfile() { return kNotDone; }

void CVendrakeUSBDevice::RefreshState() { ShowStateOnPage(); }

void CVendrakeUSBDevice::CheckMacroBindings() {}

void CVendrakeUSBDevice::LoadDefaultProfile() {}

std::vector<int> CVendrakeUSBDevice::GetUsedMacros() { return {}; }

DeviceResult CVendrakeUSBDevice::WriteKeyAssignments(int, const std::vector<KeyListEntry>&) { return kNotDone; }

DeviceResult CVendrakeUSBDevice::WriteKeyAssignmentsOf(int) { return kNotDone; }

DeviceResult CVendrakeUSBDevice::WriteMacros(const std::vector<int>&) {
    return DeviceResult::MacroUpload(kWriteFailed);
}

DeviceResult CVendrakeUSBDevice::WriteSettingsRecord(int, int) { return kNotDone; }

void CVendrakeUSBDevice::SetKeyMap(const std::map<int, int>& map) { keyMap_ = map; }

void CVendrakeUSBDevice::DecayKeyLevel(int light, int style) { reactions_.Decay(light, style); }

void CVendrakeUSBDevice::LightFirstKeys() { reactions_.LightFirstKeys(); }

void CVendrakeUSBDevice::RotateKeys(uint8_t direction) { reactions_.Rotate(direction); }

void CVendrakeUSBDevice::ClearReactionBuffers() { reactions_.Clear(); }

void CVendrakeUSBDevice::BindProfileFiles() {}

std::string CVendrakeUSBDevice::GetProfileName() const { return {}; }

void CVendrakeUSBDevice::SaveProfile() {}

void CVendrakeUSBDevice::SetKindCode(int code) { kindCode_ = code; }

void CVendrakeUSBDevice::SetLightInfo(const LightRecord& lighting) {
    std::lock_guard lock(lightingLock_);
    lighting_ = lighting;
}

LightRecord CVendrakeUSBDevice::GetLightingState() const {
    std::lock_guard lock(lightingLock_);
    return lighting_;
}

void CVendrakeUSBDevice::SetAudioLightInfo(const AudioLightRecord& audio) {
    audioLighting_ = audio;
    if (lightPanel_) lightPanel_->ShowAudioLightInfo(audio);
}

AudioLightRecord CVendrakeUSBDevice::GetAudioLightInfo() {
    if (lightPanel_) audioLighting_ = lightPanel_->ReadAudioLightInfo();
    return audioLighting_;
}

void CVendrakeUSBDevice::OnAudioLevels(std::span<const int32_t, kAudioLevelCount>) {}

void CVendrakeUSBDevice::OnAudioBands(std::span<const int32_t, kAudioBandCount>) {}

void CVendrakeUSBDevice::SetIdentity(const InterfaceRecord& identity) {
    identity_ = identity;
    modelId_ = identity.modelId;
    role_ = identity.role;
}

void CVendrakeUSBDevice::SetInterfaceRow(const InterfaceRecord& row) {
    SetIdentity(wiredEquivalent(row));
    onReceiver_ = isReceiverModel(row.modelId);
}

void CVendrakeUSBDevice::SetKeyCount(int count) { keyCount_ = std::clamp(count, 0, kMaxKeys); }

void CVendrakeUSBDevice::SetLightCount(int count) {
    lightCount_ = std::clamp(count, 0, kMaxLights);
    lightColours_.SetCount(lightCount_);
}

void CVendrakeUSBDevice::SetView(IDeviceView* view) {
    std::lock_guard lock(viewLock_);
    view_ = view;
}

template <typename Call>
void CVendrakeUSBDevice::WithView(Call call) {
    std::lock_guard lock(viewLock_);
    if (view_) call(*view_);
}

void CVendrakeUSBDevice::ShowLightsOnPage() {
    WithView([this](IDeviceView& view) { view.ShowLights(lightColours_); });
}

void CVendrakeUSBDevice::ShowStateOnPage() {
    WithView([](IDeviceView& view) { view.ShowState(); });
}

void CVendrakeUSBDevice::TellPageDeviceChanged() {
    WithView([](IDeviceView& view) { view.DeviceChanged(); });
}

void CVendrakeUSBDevice::TellPageResynchronise() {
    WithView([](IDeviceView& view) { view.ResynchroniseRequested(); });
}

void CVendrakeUSBDevice::SetBatteryPowered(bool powered) {
    batteryPowered_ = powered;
    if (powerDisplay_) powerDisplay_->ShowPowerLayout(powered);
}

void CVendrakeUSBDevice::SetStatusPollingPaused(bool paused) {
    if (batteryPowered_) statusPollingPaused_ = paused;
}

void CVendrakeUSBDevice::SetLightingControl(bool control) {
    lightingControl_ = control;
    if (control && modelId_ == kModelWiredKeyboard) channel_.TakeLightControl();
}

std::filesystem::path CVendrakeUSBDevice::DeviceDataFolder() const { return folders::deviceData(kindName_); }

std::filesystem::path CVendrakeUSBDevice::DefaultProfilePath() const {
    return folders::defaultData() / (kindName_ + ".Json");
}

std::optional<std::string> CVendrakeUSBDevice::BindProfileStore(CBasicProfiledata& profile) {
    const std::filesystem::path folder = DeviceDataFolder();
    ProfileStore store(folder, DefaultProfilePath(), wiredModel(uint16_t(modelId_)), clock_);
    profile.SetDefaultDataPath(DefaultProfilePath());
    profile.SetLightConfigPath(folder / (lightingPresetName_ + ".config"));
    // A reload keeps the profile loaded until the user switches.
    if (store.LoadProfileList(profile.GetProfilePath().stem().string()) != ProfileResult::Done) return std::nullopt;
    profile.SetProfilePath(store.CurrentProfileFile());
    const int selected = store.GetSelectedProfileIndex();
    if (selected < 0 || size_t(selected) >= store.Profiles().size()) return std::nullopt;
    return store.Profiles()[size_t(selected)].name;
}

int CVendrakeUSBDevice::MacroCount() const {
    const MacroConfig config = readMacroConfig(DeviceDataFolder());
    return config.state == json::FileState::Read ? int(config.entries.size()) : 0;
}

void configureDevice(CVendrakeUSBDevice& device, int kindIndex, const InterfaceRecord& row) {
    if (kindIndex < 0 || kindIndex >= kKindCount) return;
    const DeviceKind& kind = kDeviceKindTable[size_t(kindIndex)];
    const DevicePage& page = kDevicePageTable[size_t(kindIndex)];
    device.SetKindIndex(kindIndex);
    device.SetKindName(std::string(kind.kindName));
    device.SetKindCode(kind.kindCode);
    device.SetKeyCount(page.keyCount);
    device.SetLightCount(page.lightCount);
    device.SetLightingPresetName(std::string(page.lightingPresetName));
    device.SetBatteryPowered(page.batteryPowered);
    device.SetInterfaceRow(row);
}

}  // namespace viremo::devices
