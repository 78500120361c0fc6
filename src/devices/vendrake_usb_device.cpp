#include "devices/vendrake_usb_device.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <optional>
#include <thread>

#include "devices/function_page.h"
#include "devices/lighting/light_frame.h"
#include "devices/protocol/result_code.h"
#include "platform/folders.h"
#include "toolkit/tab_layout.h"

namespace viremo::devices {
namespace {

constexpr std::string_view kKeyButtonClass = "DeviceKeyButton";
constexpr std::string_view kKeyPrefix = "key_";
constexpr std::string_view kLightPrefix = "light_";
constexpr std::string_view kSelectPanelName = "SelectPanel";
constexpr std::string_view kFunctionSwitchName = "device_function_switch";
constexpr std::string_view kKeyFunctionSwitchName = "device_key_function_switch";
constexpr auto kFailedFramePause = std::chrono::milliseconds(200);
constexpr LightColour kWhite{255, 255, 255, 255};

// The number of a control of the family `prefix` ("key_" + 12): the name
// split at its last underscore must give exactly that prefix and a decimal
// number.
std::optional<int> familyNumber(std::string_view name, std::string_view prefix) {
    const size_t underscore = name.rfind('_');
    if (underscore == std::string_view::npos || name.substr(0, underscore + 1) != prefix) return std::nullopt;
    const std::string_view digits = name.substr(underscore + 1);
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return number;
}

toolkit::Color buttonColour(LightColour colour) {
    return 0xFF000000u | uint32_t(colour.red) << 16 | uint32_t(colour.green) << 8 | colour.blue;
}

void paintButton(toolkit::CControlUI* button, LightColour colour) {
    auto* light = dynamic_cast<ILightButton*>(button);
    if (!light) return;
    light->SetLight(buttonColour(colour), colour.level, true);
    button->Invalidate();
}

}  // namespace

CVendrakeUSBDevice::CVendrakeUSBDevice(hid::Backend& backend, const Clock& clock)
    : channel_(backend), notificationChannel_(backend), clock_(clock) {}

CVendrakeUSBDevice::~CVendrakeUSBDevice() {
    channel_.Detach();
    notificationChannel_.Detach();
}

std::string_view CVendrakeUSBDevice::GetClass() const { return "VendrakeUSBDevice"; }

void CVendrakeUSBDevice::Notify(toolkit::TNotifyUI&) {}

void CVendrakeUSBDevice::Initialise() {
    if (deviceSkin_.empty()) {
        keyButtons_.clear();
        lightButtons_.clear();
        return;
    }
    selectPanel_ = FindSubControl(kSelectPanelName);
    BindButtons();
}

void CVendrakeUSBDevice::BindButtons() {
    keyButtons_.assign(keyCount_, nullptr);
    lightButtons_.assign(lightCount_, nullptr);
    for (toolkit::CControlUI* button : FindSubControlsByClass(kKeyButtonClass)) {
        const std::string& name = button->GetName();
        if (const auto key = familyNumber(name, kKeyPrefix); key && *key < keyCount_) {
            keyButtons_[*key] = button;
        } else if (const auto light = familyNumber(name, kLightPrefix); light && *light < lightCount_) {
            lightButtons_[*light] = button;
            paintButton(button, kWhite);
        }
    }
}

int CVendrakeUSBDevice::ApplyLightingState() { return kNotDone; }

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

void CVendrakeUSBDevice::SendLightFrame() {
    if (!lightingControl_) return;
    PaintLightButtons();
    if (onReceiver_) return;
    const LightFrame frame = buildLightFrame(lightColours_);
    const size_t length = 3 * size_t(lightColours_.Count());
    if (channel_.StreamLightFrame(std::span(frame).first(length)) != kSuccess) PauseAfterFailedFrame();
}

void CVendrakeUSBDevice::PaintLightButtons() {
    for (size_t light = 0; light < lightButtons_.size(); ++light) {
        toolkit::CControlUI* button = lightButtons_[light];
        if (button && button->IsVisible()) paintButton(button, lightColours_.Get(int(light)));
    }
}

void CVendrakeUSBDevice::PauseAfterFailedFrame() { std::this_thread::sleep_for(kFailedFramePause); }

void CVendrakeUSBDevice::SetLightColour(int light, LightColour colour) { lightColours_.Set(light, colour); }

LightColour CVendrakeUSBDevice::GetLightColour(int light) const { return lightColours_.Get(light); }

void CVendrakeUSBDevice::ReadAllFromDevice() {}

void CVendrakeUSBDevice::ReadSettingsFromDevice() {}

void CVendrakeUSBDevice::PollPower() {}

int CVendrakeUSBDevice::IsReachableThroughReceiver() { return kSuccess; }

int CVendrakeUSBDevice::LoadProfile() { return kNotDone; }

void CVendrakeUSBDevice::ShowStateOnPanels() {}

void CVendrakeUSBDevice::CheckMacroBindings() {}

void CVendrakeUSBDevice::LoadDefaultProfile() {}

std::vector<int> CVendrakeUSBDevice::GetUsedMacros() { return {}; }

int CVendrakeUSBDevice::WriteKeyAssignments(int, const std::vector<KeyListEntry>&) { return kNotDone; }

int CVendrakeUSBDevice::WriteKeyAssignmentsOf(int) { return kNotDone; }

int CVendrakeUSBDevice::WriteMacros(const std::vector<int>&) { return kNotDone; }

int CVendrakeUSBDevice::WriteSettingsRecord(int, int) { return kNotDone; }

void CVendrakeUSBDevice::LoadPanelLists() {}

void CVendrakeUSBDevice::SetKeyMap(const std::map<int, int>& map) { lookupMaps_[2] = map; }

void CVendrakeUSBDevice::DecayKeyLevel(int light, int style) { reactions_.Decay(light, style); }

void CVendrakeUSBDevice::LightFirstKeys() { reactions_.LightFirstKeys(); }

void CVendrakeUSBDevice::RotateKeys(uint8_t direction) { reactions_.Rotate(direction); }

void CVendrakeUSBDevice::ClearReactionBuffers() { reactions_.Clear(); }

void CVendrakeUSBDevice::SelectFunctionPage(int pageType) {
    pageType_ = pageType;
    const FunctionPages pages = functionPagesFor(pageType, modelId_);
    if (auto* functions = FindSwitch(functionSwitch_, kFunctionSwitchName)) functions->SelectItem(pages.functionPage);
    if (pages.keyPage < 0) return;
    if (auto* keys = FindSwitch(keyFunctionSwitch_, kKeyFunctionSwitchName)) keys->SelectItem(pages.keyPage);
}

toolkit::CTabLayoutUI* CVendrakeUSBDevice::FindSwitch(toolkit::CTabLayoutUI*& cache, std::string_view name) {
    if (!cache) cache = dynamic_cast<toolkit::CTabLayoutUI*>(FindSubControl(name));
    return cache;
}

int CVendrakeUSBDevice::GetFunctionPage() const { return pageType_; }

void CVendrakeUSBDevice::BindProfileFiles() {}

std::string CVendrakeUSBDevice::GetProfileName() const { return {}; }

void CVendrakeUSBDevice::SaveProfile() {}

void CVendrakeUSBDevice::SetKindCode(int code) { kindCode_ = code; }

int CVendrakeUSBDevice::GetKindCode() const { return kindCode_; }

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

void CVendrakeUSBDevice::SetSelectedItem(int index) { selectedItem_ = index; }

void CVendrakeUSBDevice::OnAudioLevels(std::span<const int32_t, kAudioLevelCount>) {}

void CVendrakeUSBDevice::OnAudioBands(std::span<const int32_t, kAudioBandCount>) {}

void CVendrakeUSBDevice::SetIdentity(const InterfaceRecord& identity) {
    identity_ = identity;
    modelId_ = identity.modelId;
    role_ = identity.role;
}

void CVendrakeUSBDevice::SetKeyCount(int count) { keyCount_ = std::clamp(count, 0, kMaxKeys); }

void CVendrakeUSBDevice::SetLightCount(int count) {
    lightCount_ = std::clamp(count, 0, kMaxLights);
    lightColours_.SetCount(lightCount_);
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

toolkit::CControlUI* CVendrakeUSBDevice::KeyButton(int key) const {
    return key >= 0 && size_t(key) < keyButtons_.size() ? keyButtons_[key] : nullptr;
}

toolkit::CControlUI* CVendrakeUSBDevice::LightButton(int light) const {
    return light >= 0 && size_t(light) < lightButtons_.size() ? lightButtons_[light] : nullptr;
}

}  // namespace viremo::devices
