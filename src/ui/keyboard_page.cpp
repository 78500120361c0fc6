#include "ui/keyboard_page.h"

#include "macros/assignment_text.h"
#include "macros/key_capture.h"
#include "macros/macro_config.h"
#include "profiles/json_file.h"
#include "toolkit/message_queue.h"
#include "toolkit/paint_manager.h"
#include "ui/device_key_button.h"
#include "ui/program_messages.h"

namespace viremo::ui {
namespace {

constexpr std::string_view kLightingPanelName = "LightControlItem";
constexpr std::string_view kMacroPanelName = "MacroControlItem";
constexpr std::string_view kKeySetPanelName = "KeySetControlItem";
constexpr std::string_view kCustomGroupName = "light_combo_custommodeSelect";

// The names of the lighting presets of this kind in the presets file.
std::vector<std::string> lightingPresets(const std::filesystem::path& file, int kindCode) {
    std::vector<std::string> presets;
    const Json::Value config = json::readFile(file);
    const Json::Value* kinds = config.isObject() ? json::arrayMember(config, "LightInfo") : nullptr;
    if (!kinds || kindCode < 0 || Json::ArrayIndex(kindCode) >= kinds->size()) return presets;
    for (const Json::Value& preset : (*kinds)[Json::ArrayIndex(kindCode)])
        if (preset.isObject()) presets.push_back(json::stringMember(preset, "LightName").value_or(""));
    return presets;
}

}  // namespace

CKeyboardDevicePage::CKeyboardDevicePage(std::shared_ptr<devices::CVendrakeKeyboardDevice> keyboard)
    : CDevicePage(keyboard), keyboard_(keyboard.get()) {}

CKeyboardDevicePage::~CKeyboardDevicePage() { keyboard_->SetLightingPanel(nullptr); }

std::string_view CKeyboardDevicePage::GetClass() const { return "KeyboardDevicePage"; }

void CKeyboardDevicePage::Initialise() {
    CDevicePage::Initialise();
    InitialiseKeyboardPage();
}

void CKeyboardDevicePage::Notify(toolkit::TNotifyUI& msg) {
    CDevicePage::Notify(msg);
    if (OnKeySetEvent(msg)) return;
    // A macro added or renamed also changes the key panel's macro list.
    if (macroControl_ && macroControl_->EventOf(msg) == CMacroControlUI::Event::NamesChanged) ShowPanelLists();
    // The custom colour group changes no lighting state: the keyboard edits
    // that group's colours in mode 20.
    if (msg.sType == "itemselect" && msg.pSender && msg.pSender->GetName() == kCustomGroupName && lightingPanel_) {
        keyboard_->SetCustomGroup(lightingPanel_->CurrentCustomGroup());
        keyboard_->SaveProfile();
        keyboard_->PrepareMode20();
    }
}

void CKeyboardDevicePage::InitialiseKeyboardPage() {
    // The key and light buttons of the picture are bound by the base; the
    // profile panel ("DeviceProfileItem") is driven by the main window.
    if (GetDeviceSkin().empty()) return;
    lightingPanel_ = dynamic_cast<devices::keyboard::ILightingPanel*>(FindSubControl(kLightingPanelName));
    macroPanel_ = dynamic_cast<IMacroListPanel*>(FindSubControl(kMacroPanelName));
    macroControl_ = dynamic_cast<CMacroControlUI*>(macroPanel_);
    if (macroControl_) macroControl_->SetMacroFolder(keyboard_->DeviceDataFolder());
    keySetPanel_ = dynamic_cast<IKeySetPanel*>(FindSubControl(kKeySetPanelName));
    keySetControl_ = dynamic_cast<CKeySetControlUI*>(keySetPanel_);
    if (keySetControl_) keySetControl_->SetPanelType(keyboard_->GetModelId());
    for (size_t key = 0; key < keyboard_->KeyAssignments().size(); ++key) MarkKey(int(key));
    keyboard_->SetLightingPanel(lightingPanel_);
}

void CKeyboardDevicePage::LoadPanelLists() {
    keyboard_->ReloadModes();
    ShowPanelLists();
}

void CKeyboardDevicePage::ShowPanelLists() {
    const std::filesystem::path folder = keyboard_->DeviceDataFolder();
    const std::vector<std::string> macros = macroNames(folder);
    if (macroPanel_) macroPanel_->ShowMacroNames(macros);
    if (keySetControl_) keySetControl_->SetMacroNames(macros);
    if (!lightingPanel_) return;
    lightingPanel_->ShowModeList(keyboard_->Modes());
    lightingPanel_->ShowLightingPresets(
        lightingPresets(folder / (keyboard_->GetLightingPresetName() + ".config"), keyboard_->GetKindCode()));
}

void CKeyboardDevicePage::ShowState() {
    ShowPanelLists();
    ShowProfiles();
    if (lightingPanel_) lightingPanel_->ShowLightingState(keyboard_->GetLightingState());
    if (keySetPanel_) keySetPanel_->ShowSystemSettings(keyboard_->SystemStages());
}

void CKeyboardDevicePage::ShowLights(const devices::LightColours& colours) {
    if (!LightPaintDue()) return;
    const auto& keys = KeyButtons();
    for (size_t key = 0; key < keys.size(); ++key)
        if (keys[key] && keys[key]->IsVisible()) PaintLight(keys[key], colours.Get(int(key)));
}

bool CKeyboardDevicePage::UseProfileFile(const std::filesystem::path& file) {
    keyboard_->Profile().SetProfilePath(file);
    return true;
}

std::string CKeyboardDevicePage::LoadedProfileId() const {
    return keyboard_->Profile().GetProfilePath().stem().string();
}

void CKeyboardDevicePage::SetSelectedItem(int index) {
    CDevicePage::SetSelectedItem(index);
    const auto& keys = keyboard_->KeyAssignments();
    if (keySetPanel_ && index >= 0 && size_t(index) < keys.size())
        keySetPanel_->ShowKeyAssignment(index, keys[size_t(index)]);
}

bool CKeyboardDevicePage::OnKeySetEvent(toolkit::TNotifyUI& msg) {
    if (!msg.pSender) return false;
    if (!keySetControl_ || keySetControl_->SelectedKey() < 0) return false;
    const CKeySetControlUI::Event event = keySetControl_->EventOf(msg);
    if (event == CKeySetControlUI::Event::None) return false;
    if (event == CKeySetControlUI::Event::CaptureStart || event == CKeySetControlUI::Event::CaptureEnd) {
        // The main window captures keys in mode 1 while the edit has the focus.
        if (GetMainWindow() != toolkit::kNoWindow)
            toolkit::UiQueue().Post(GetMainWindow(),
                                    {kMsgInputHook, event == CKeySetControlUI::Event::CaptureStart ? 1u : 0u, 0});
    } else if (event == CKeySetControlUI::Event::Save) {
        SaveKeyAssignment();
    }
    return true;
}

void CKeyboardDevicePage::OnCapturedKey(int wParam, const KeyboardHookRecord& record) {
    if (!keySetControl_ || keySetControl_->SelectedKey() < 0) return;
    if (!captureHookKey(keySetControl_->Model(), wParam, record)) return;
    keySetControl_->ShowModelCurrent();
    SaveKeyAssignment();
}

void CKeyboardDevicePage::SaveKeyAssignment() {
    const int key = keySetControl_->SelectedKey();
    keyboard_->SetKeyAssignment(key, keySetControl_->ReadAssignment());
    MarkKey(key);
}

void CKeyboardDevicePage::MarkKey(int key) {
    auto* button = dynamic_cast<CDeviceKeyButtonUI*>(KeyButton(key));
    const auto& keys = keyboard_->KeyAssignments();
    if (!button || key < 0 || size_t(key) >= keys.size()) return;
    const KeyListEntry& entry = keys[size_t(key)];
    button->SetKeySetMarkHidden(entry.current.code() == entry.factory.code());
    button->SetToolTip(describeAssignment(AssignmentCode::fromProfileInteger(entry.current.code())));
}

}  // namespace viremo::ui
