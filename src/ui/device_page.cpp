#include "ui/device_page.h"

#include <optional>

#include "devices/status_block.h"
#include "toolkit/message_queue.h"
#include "toolkit/paint_manager.h"
#include "toolkit/tab_layout.h"
#include "ui/device_profile.h"
#include "ui/control_family.h"
#include "ui/function_page.h"
#include "ui/light_button.h"
#include "ui/light_control.h"
#include "ui/lighting_actions.h"

namespace viremo::ui {
namespace {

constexpr std::string_view kKeyButtonClass = "DeviceKeyButton";
constexpr std::string_view kKeyPrefix = "key_";
constexpr std::string_view kLightPrefix = "light_";
constexpr std::string_view kSelectPanelName = "SelectPanel";
constexpr std::string_view kLightControlName = "LightControlItem";
constexpr std::string_view kProfilePanelName = "DeviceProfileItem";
constexpr std::string_view kFunctionSwitchName = "device_function_switch";
constexpr std::string_view kKeyFunctionSwitchName = "device_key_function_switch";
constexpr devices::LightColour kWhite{255, 255, 255, 255};

toolkit::Color buttonColour(devices::LightColour colour) {
    return 0xFF000000u | uint32_t(colour.red) << 16 | uint32_t(colour.green) << 8 | colour.blue;
}

}  // namespace

void CDevicePage::PaintLight(toolkit::CControlUI* button, devices::LightColour colour) {
    auto* light = dynamic_cast<ILightButton*>(button);
    if (!light) return;
    light->SetLight(buttonColour(colour), colour.level, true);
    button->Invalidate();
}

CDevicePage::CDevicePage(std::shared_ptr<devices::CVendrakeUSBDevice> driver)
    : driver_(std::move(driver)), self_(std::make_shared<CDevicePage*>(this)) {
    // The constructing thread is the user-interface thread; the queue is
    // bound to it before any of the driver's threads posts to it.
    toolkit::UiQueue();
    driver_->SetView(this);
    driver_->SetPowerDisplay(this);
}

CDevicePage::~CDevicePage() {
    driver_->SetView(nullptr);
    driver_->SetPowerDisplay(nullptr);
    if (toolkit::CPaintManagerUI* manager = GetManager()) manager->RemoveNotifier(this);
}

std::string_view CDevicePage::GetClass() const { return "DevicePage"; }

void CDevicePage::Notify(toolkit::TNotifyUI& msg) {
    if (lightControl_) HandleLightingChange(*lightControl_, *driver_, msg);
}

void CDevicePage::ShowProfiles() {
    if (!profilePanel_) return;
    profilePanel_->SetProfilePaths(driver_->DeviceDataFolder(), driver_->DefaultProfilePath(), driver_->GetModelId(),
                                   LoadedProfileId());
}

bool CDevicePage::UseProfileFile(const std::filesystem::path&) { return false; }

void CDevicePage::SetMultiDevice(bool multiDevice) {
    if (lightControl_) lightControl_->SetMultiDevice(multiDevice);
}

void CDevicePage::Initialise() {
    if (deviceSkin_.empty()) {
        keyButtons_.clear();
        lightButtons_.clear();
        return;
    }
    selectPanel_ = FindSubControl(kSelectPanelName);
    lightControl_ = dynamic_cast<CLightControlUI*>(FindSubControl(kLightControlName));
    if (lightControl_) lightControl_->SetPanelType(driver_->GetModelId());
    profilePanel_ = dynamic_cast<CDeviceProfileUI*>(FindSubControl(kProfilePanelName));
    BindButtons();
}

void CDevicePage::BindButtons() {
    const int keyCount = driver_->GetKeyCount();
    const int lightCount = driver_->GetLightCount();
    keyButtons_.assign(size_t(keyCount), nullptr);
    lightButtons_.assign(size_t(lightCount), nullptr);
    for (toolkit::CControlUI* button : FindSubControlsByClass(kKeyButtonClass)) {
        const std::string& name = button->GetName();
        if (const auto key = familyNumber(name, kKeyPrefix); key && *key < keyCount) {
            keyButtons_[size_t(*key)] = button;
        } else if (const auto light = familyNumber(name, kLightPrefix); light && *light < lightCount) {
            lightButtons_[size_t(*light)] = button;
            PaintLight(button, kWhite);
        }
    }
}

void CDevicePage::ShowStateOnPanels() { driver_->RefreshState(); }

void CDevicePage::LoadPanelLists() {}

void CDevicePage::SetSelectedItem(int index) { selectedItem_ = index; }

void CDevicePage::SelectFunctionPage(int pageType) {
    pageType_ = pageType;
    const FunctionPages pages = functionPagesFor(pageType, driver_->GetModelId());
    if (auto* functions = FindSwitch(functionSwitch_, kFunctionSwitchName)) functions->SelectItem(pages.functionPage);
    if (pages.keyPage < 0) return;
    if (auto* keys = FindSwitch(keyFunctionSwitch_, kKeyFunctionSwitchName)) keys->SelectItem(pages.keyPage);
}

toolkit::CTabLayoutUI* CDevicePage::FindSwitch(toolkit::CTabLayoutUI*& cache, std::string_view name) {
    if (!cache) cache = dynamic_cast<toolkit::CTabLayoutUI*>(FindSubControl(name));
    return cache;
}

void CDevicePage::SetPowerDisplay(devices::IPowerDisplay* display) {
    powerDisplay_ = display;
    if (display) display->ShowPowerLayout(driver_->IsBatteryPowered());
}

toolkit::CControlUI* CDevicePage::KeyButton(int key) const {
    return key >= 0 && size_t(key) < keyButtons_.size() ? keyButtons_[size_t(key)] : nullptr;
}

toolkit::CControlUI* CDevicePage::LightButton(int light) const {
    return light >= 0 && size_t(light) < lightButtons_.size() ? lightButtons_[size_t(light)] : nullptr;
}

void CDevicePage::ShowLights(const devices::LightColours& colours) {
    for (size_t light = 0; light < lightButtons_.size(); ++light) {
        toolkit::CControlUI* button = lightButtons_[light];
        if (button && button->IsVisible()) PaintLight(button, colours.Get(int(light)));
    }
}

void CDevicePage::ShowState() { ShowProfiles(); }

void CDevicePage::DeviceChanged() {
    PostToUi([this] { ShowStateOnPanels(); });
}

void CDevicePage::ResynchroniseRequested() {
    PostToUi([this] { StartTabTimer(kTabTimerResynchronise, kResynchroniseDelayMs); });
}

void CDevicePage::ShowPowerLayout(bool shown) {
    if (powerDisplay_) powerDisplay_->ShowPowerLayout(shown);
}

void CDevicePage::ShowPowerReport(std::span<const uint8_t> report) {
    if (powerDisplay_) powerDisplay_->ShowPowerReport(report);
    if (mainWindow_ != toolkit::kNoWindow && report.size() > devices::kStatusBatteryByte)
        toolkit::UiQueue().Post(mainWindow_, {kMsgBatteryLevel, report[devices::kStatusBatteryByte], 0});
}

void CDevicePage::PostToUi(std::function<void()> work) {
    std::weak_ptr<CDevicePage*> alive = self_;
    toolkit::UiQueue().PostTask([alive, work = std::move(work)] {
        if (alive.lock()) work();
    });
}

void CDevicePage::StartTabTimer(unsigned id, unsigned elapseMs) {
    if (tab_ && tab_->GetManager()) tab_->GetManager()->SetTimer(tab_, id, elapseMs);
}

}  // namespace viremo::ui
