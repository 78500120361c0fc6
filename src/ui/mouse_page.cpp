#include "ui/mouse_page.h"

#include <algorithm>
#include <string>

#include "devices/mouse/mouse_key_information.h"
#include "macros/macro_config.h"
#include "platform/folders.h"
#include "toolkit/check_box.h"
#include "toolkit/language.h"
#include "toolkit/list.h"
#include "toolkit/option.h"
#include "toolkit/slider.h"
#include "ui/control_family.h"
#include "ui/dpi_stage_colour.h"
#include "ui/edit_value.h"
#include "ui/key_info_list.h"
#include "ui/light_control.h"

namespace viremo::ui {
namespace {

constexpr std::string_view kEnableCheck = "DPI_enable_check_";
constexpr std::string_view kSelectCheck = "DPI_select_check_";
constexpr std::string_view kValueEdit = "quelm_DPI_edit_";
constexpr std::string_view kValueSlider = "quelm_DPI_slider_";
constexpr std::string_view kColourBox = "DPI_color_option_";
constexpr std::string_view kReportRateOption = "polling_rate_option_";
constexpr std::string_view kKeyInformationList = "device_setkeyinfo_list";
constexpr std::string_view kShootPanelName = "ShootControlItem";

// An assignment's text for the user: its language keys translated and
// joined with "+", or its literal text.
std::string DisplayText(const devices::mouse::AssignmentText& text) {
    if (text.languageKeys.empty()) return text.literal;
    std::string shown;
    for (std::string_view key : text.languageKeys) {
        if (!shown.empty()) shown += '+';
        shown += toolkit::Language().Translate(std::string(key));
    }
    return shown;
}

toolkit::Color OpaqueColour(const DpiStage& stage) {
    return 0xFF000000u | toolkit::Color(stage.red) << 16 | toolkit::Color(stage.green) << 8 | stage.blue;
}

}  // namespace

CMouseDevicePage::CMouseDevicePage(std::shared_ptr<devices::CVendrakeMouseDevice> mouse)
    : CDevicePage(mouse), mouse_(mouse.get()) {}

std::string_view CMouseDevicePage::GetClass() const { return "MouseDevicePage"; }

void CMouseDevicePage::Initialise() {
    CDevicePage::Initialise();
    InitialiseShootPanel();
}

// The panel builds its layout once; the gun files missing from the data
// folder are made from the factory ones, and the first bullet of the first
// gun is shown.
void CMouseDevicePage::InitialiseShootPanel() {
    auto* panel = dynamic_cast<CShootControlUI*>(FindSubControl(kShootPanelName));
    if (!panel || panel == shootPanel_ || !panel->BuildLayout(GetManager())) return;
    shootPanel_ = panel;
    panel->SetShootFolder(mouse_->DeviceDataFolder());
    panel->SetFactoryShootFolder(folders::defaultData());
    panel->InitShootFiles();
    panel->SelectGun(0);
    panel->SelectBullet(0);
}

void CMouseDevicePage::Notify(toolkit::TNotifyUI& msg) {
    CDevicePage::Notify(msg);
    if (showing_ || !msg.pSender) return;
    if (shootPanel_ && shootPanel_->Notify(msg)) return;
    const std::string_view name = msg.pSender->GetName();
    const auto* option = dynamic_cast<const toolkit::COptionUI*>(msg.pSender);
    if (msg.sType == "selectchanged" && option) {
        if (auto n = familyNumber(name, kEnableCheck)) EnableStage(*n, option->IsSelected());
        else if (auto n = familyNumber(name, kSelectCheck); n && option->IsSelected()) SelectStage(*n);
        else if (auto n = familyNumber(name, kReportRateOption); n && option->IsSelected()) TakeReportRate(*n);
    } else if (msg.sType == "valuechanged") {
        const auto* slider = dynamic_cast<const toolkit::CSliderUI*>(msg.pSender);
        if (auto n = familyNumber(name, kValueSlider); n && slider) TakeDpiValue(*n, slider->GetValue());
    }
}

void CMouseDevicePage::LoadPanelLists() {
    if (CLightControlUI* panel = GetLightControl()) panel->ShowModeList(mouse_->Modes());
}

void CMouseDevicePage::ShowState() {
    showing_ = true;
    LoadPanelLists();
    ShowProfiles();
    if (CLightControlUI* panel = GetLightControl()) panel->ShowLightingState(mouse_->GetLightingState());
    ShowDpiStages();
    ShowReportRate();
    ShowKeyInformation();
    showing_ = false;
}

bool CMouseDevicePage::UseProfileFile(const std::filesystem::path& file) {
    mouse_->Profile().SetProfilePath(file);
    return true;
}

std::string CMouseDevicePage::LoadedProfileId() const { return mouse_->Profile().GetProfilePath().stem().string(); }

// Each key position's name and assignment; a key whose assignment has no
// text keeps its row as it was.
void CMouseDevicePage::ShowKeyInformation() {
    auto* list = dynamic_cast<toolkit::CListUI*>(FindSubControl(kKeyInformationList));
    if (!list) return;
    const std::vector<std::string> macros = macroNames(mouse_->DeviceDataFolder());
    const std::vector<KeyListEntry>& keys = mouse_->KeyAssignments();
    for (size_t k = 0; k < keys.size() && k < devices::mouse::kKeyLabels.size(); ++k) {
        const KeyAssignment& current = keys[k].current;
        const auto text = devices::mouse::assignmentText({current.category, current.first, current.second}, macros);
        if (!text) continue;
        const toolkit::CControlUI* button = KeyButton(int(k));
        ui::ShowKeyInformation(*list, int(k), toolkit::Language().Translate(std::string(devices::mouse::kKeyLabels[k])),
                               DisplayText(*text), button && button->IsOwnVisible());
    }
}

// The stages the mouse keeps: switched on or off, the DPI of their level
// on the slider and the edit, their colour; the active one selected.
void CMouseDevicePage::ShowDpiStages() {
    const std::vector<DpiStage>& stages = mouse_->DpiStages();
    const devices::mouse::DpiScale scale = mouse_->Scale();
    for (int n = 0; n < kDpiStageCount && size_t(n) < stages.size(); ++n) {
        const DpiStage& stage = stages[size_t(n)];
        if (auto* enable = dynamic_cast<toolkit::CCheckBoxUI*>(FindSubControl(familyName(kEnableCheck, n))))
            enable->SetCheck(stage.enabled != 0);
        if (auto dpi = scale.DpiOfLevel(stage.dpiX)) {
            const int shown = std::clamp(*dpi, kDpiLow, kDpiHigh);
            if (auto* edit = FindSubControl(familyName(kValueEdit, n))) edit->SetText(std::to_string(shown));
            if (auto* slider = dynamic_cast<toolkit::CSliderUI*>(FindSubControl(familyName(kValueSlider, n))))
                slider->SetValue(shown, false);
        }
        if (auto* box = FindSubControl(familyName(kColourBox, n))) box->SetBkColor(OpaqueColour(stage));
    }
    if (auto* select = dynamic_cast<toolkit::COptionUI*>(FindSubControl(familyName(kSelectCheck, mouse_->GetActiveDpiStage()))))
        select->Selected(true, false);
    LockEnableBoxes();
}

// The active stage cannot be switched off, nor the last stage switched on.
void CMouseDevicePage::LockEnableBoxes() {
    const std::vector<DpiStage>& stages = mouse_->DpiStages();
    const auto enabled = std::count_if(stages.begin(), stages.end(), [](const DpiStage& s) { return s.enabled != 0; });
    for (int n = 0; n < kDpiStageCount; ++n) {
        const bool on = size_t(n) < stages.size() && stages[size_t(n)].enabled != 0;
        const bool locked = n == mouse_->GetActiveDpiStage() || (on && enabled == 1);
        if (toolkit::CControlUI* box = FindSubControl(familyName(kEnableCheck, n))) box->SetEnabled(!locked);
    }
}

// An index the mouse does not know shows the first option.
void CMouseDevicePage::ShowReportRate() {
    int index = mouse_->GetReportRate();
    if (index < 0 || index >= int(std::size(devices::mouse::kReportRatesHz))) index = 0;
    if (auto* option = dynamic_cast<toolkit::COptionUI*>(FindSubControl(familyName(kReportRateOption, index))))
        option->Selected(true, false);
}

void CMouseDevicePage::EnableStage(int stage, bool enabled) {
    std::vector<DpiStage> stages = mouse_->DpiStages();
    if (stage < 0 || size_t(stage) >= stages.size()) return;
    stages[size_t(stage)].enabled = enabled ? 1 : 0;
    mouse_->SetDpiStages(stages);
    LockEnableBoxes();
    SaveAndSend();
}

void CMouseDevicePage::SelectStage(int stage) {
    if (stage < 0 || stage >= kDpiStageCount || stage == mouse_->GetActiveDpiStage()) return;
    mouse_->SetActiveDpiStage(stage);
    LockEnableBoxes();
    SaveAndSend();
}

void CMouseDevicePage::TakeDpiValue(int stage, int dpi) {
    std::vector<DpiStage> stages = mouse_->DpiStages();
    const auto level = mouse_->Scale().LevelOfDpi(std::clamp(dpi, kDpiLow, kDpiHigh));
    if (stage < 0 || size_t(stage) >= stages.size() || !level) return;
    DpiStage& record = stages[size_t(stage)];
    if (record.dpiX == *level && record.dpiY == *level) return;
    record.dpiX = record.dpiY = uint16_t(*level);
    mouse_->SetDpiStages(stages);
    SaveAndSend();
}

void CMouseDevicePage::TakeReportRate(int index) {
    if (index < 0 || index >= int(std::size(devices::mouse::kReportRatesHz)) || index == mouse_->GetReportRate()) return;
    mouse_->SetReportRate(index);
    SaveAndSend();
}

toolkit::Color CMouseDevicePage::DpiStageColour(int stage) const {
    const std::vector<DpiStage>& stages = mouse_->DpiStages();
    if (stage < 0 || size_t(stage) >= stages.size()) return 0xFF000000u;
    return OpaqueColour(stages[size_t(stage)]);
}

bool CMouseDevicePage::ChooseDpiStageColour(int stage, toolkit::Color colour) {
    std::vector<DpiStage> stages = mouse_->DpiStages();
    if (!SetDpiStageColour(stages, stage, colour)) return false;
    mouse_->SetDpiStages(stages);
    if (auto* box = FindSubControl(familyName(kColourBox, stage))) box->SetBkColor(OpaqueColour(stages[size_t(stage)]));
    SaveAndSend();
    return true;
}

void CMouseDevicePage::SaveAndSend() {
    mouse_->SaveProfile();
    mouse_->WriteSettingsRecord(0, 0);
}

}  // namespace viremo::ui
