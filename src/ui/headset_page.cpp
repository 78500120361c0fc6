#include "ui/headset_page.h"

#include <string>

#include "toolkit/combo.h"
#include "toolkit/option.h"
#include "toolkit/slider.h"
#include "ui/combo_items.h"
#include "ui/control_family.h"
#include "ui/light_control.h"

namespace viremo::ui {
namespace {

namespace headset = devices::headset;

constexpr std::string_view kPresetOption = "6533_eq_option_";
constexpr std::string_view kBandSlider = "6533_eq_hz_slider_";
constexpr std::string_view kCustomLayout = "custom_eq_option_layout";
constexpr std::string_view kCustomCombo = "custom_eq_name_combo";
constexpr std::string_view kCustomEdit = "custom_eq_name_edit";
constexpr std::string_view kCustomSave = "custom_eq_save_btn";
constexpr std::string_view kCustomDelete = "custom_eq_delete_btn";
constexpr std::string_view kMicrophoneOption = "6533_MicIn_option";
constexpr std::string_view kMicrophoneSlider = "6533_MicIn_slider";
constexpr std::string_view kMonitorOption = "6533_MicMoniter_option";
constexpr std::string_view kMonitorSlider = "6533_MicMoniter_slider";
constexpr std::string_view kVoiceOption = "magic_enable_option";
constexpr std::string_view kVoiceLayout = "magic_option_layout";
constexpr std::string_view kVoiceTypeOption = "magic_option_";
constexpr int kVoiceTypes = 4;

}  // namespace

CHeadsetDevicePage::CHeadsetDevicePage(std::shared_ptr<devices::CVendrakeHS6533Device> headset)
    : CDevicePage(headset), headset_(headset.get()) {}

CHeadsetDevicePage::~CHeadsetDevicePage() { headset_->Audio().SetPanels(nullptr); }

std::string_view CHeadsetDevicePage::GetClass() const { return "HeadsetDevicePage"; }

void CHeadsetDevicePage::Initialise() {
    CDevicePage::Initialise();
    if (!GetDeviceSkin().empty()) headset_->Audio().SetPanels(this);
}

void CHeadsetDevicePage::Notify(toolkit::TNotifyUI& msg) {
    CDevicePage::Notify(msg);
    if (!showing_ && msg.pSender) TakeAudioChange(msg);
}

void CHeadsetDevicePage::LoadPanelLists() {
    headset_->ReloadModes();
    if (CLightControlUI* panel = GetLightControl()) panel->ShowModeList(headset_->Modes());
}

// The audio panels are shown by the driver's audio, which reports to the
// page as its IHeadsetPanels.
void CHeadsetDevicePage::ShowState() {
    showing_ = true;
    LoadPanelLists();
    ShowProfiles();
    if (CLightControlUI* panel = GetLightControl()) panel->ShowLightingState(headset_->GetLightingState());
    showing_ = false;
}

bool CHeadsetDevicePage::UseProfileFile(const std::filesystem::path& file) {
    headset_->Profile().SetProfilePath(file);
    return true;
}

std::string CHeadsetDevicePage::LoadedProfileId() const {
    return headset_->Profile().GetProfilePath().stem().string();
}

// The panels' changes, each one operation of the driver's audio, which
// shows the state it keeps afterwards.
void CHeadsetDevicePage::TakeAudioChange(toolkit::TNotifyUI& msg) {
    headset::HeadsetAudio& audio = headset_->Audio();
    const std::string_view name = msg.pSender->GetName();
    const auto* option = dynamic_cast<const toolkit::COptionUI*>(msg.pSender);
    const auto* slider = dynamic_cast<const toolkit::CSliderUI*>(msg.pSender);
    if (msg.sType == "selectchanged" && option) {
        const bool on = option->IsSelected();
        if (auto n = familyNumber(name, kPresetOption); n && on && *n <= headset::kLastPreset) audio.SelectPreset(*n);
        else if (auto n = familyNumber(name, kVoiceTypeOption); n && on) audio.SelectVoiceType(*n);
        else if (name == kMicrophoneOption) audio.SetMicrophoneMuted(!on);
        else if (name == kMonitorOption) audio.SetMonitorMuted(!on);
        else if (name == kVoiceOption) audio.SetVoiceChanger(on);
    } else if (msg.sType == "valuechanged" && slider) {
        if (auto band = familyNumber(name, kBandSlider)) audio.MoveBand(*band, slider->GetValue());
        else if (name == kMicrophoneSlider) audio.SetMicrophoneLevel(slider->GetValue());
        else if (name == kMonitorSlider) audio.SetMonitorLevel(slider->GetValue());
    } else if (msg.sType == "click" && name == kCustomSave) {
        if (toolkit::CControlUI* edit = FindSubControl(kCustomEdit)) audio.SaveCustomEqualiser(edit->GetText());
    } else if (msg.sType == "click" && name == kCustomDelete) {
        audio.DeleteCustomEqualiser();
    } else if (msg.sType == "itemselect" && name == kCustomCombo) {
        if (const auto* combo = dynamic_cast<const toolkit::CComboUI*>(msg.pSender); combo && combo->GetCurSel() >= 0)
            audio.ApplyCustomEqualiser(combo->GetCurSel());
    }
}

void CHeadsetDevicePage::ShowAudioState(const headset::AudioState& state) {
    showing_ = true;
    const HeadsetSettings& settings = state.settings;
    for (int preset = headset::kFirstPreset; preset <= headset::kCustomPreset; ++preset)
        SetChecked(familyName(kPresetOption, preset), settings.eqType == preset);
    for (int band = 0; band < headset::kBands; ++band) SetSlider(familyName(kBandSlider, band), state.bands[size_t(band)]);
    if (toolkit::CControlUI* layout = FindSubControl(kCustomLayout))
        layout->SetVisible(settings.eqType == headset::kCustomPreset);
    if (auto* combo = dynamic_cast<toolkit::CComboUI*>(FindSubControl(kCustomCombo))) {
        FillCombo(*combo, state.customNames);
        if (state.customSelection != headset::kNoCustomSelection) combo->SelectItem(state.customSelection, false, false);
    }
    SetChecked(kMicrophoneOption, settings.micInSelect != 0);
    SetSlider(kMicrophoneSlider, settings.micInValue);
    SetChecked(kMonitorOption, settings.micMonitorSelect != 0);
    SetSlider(kMonitorSlider, settings.micMonitorValue);
    SetChecked(kVoiceOption, settings.magicEnable != 0);
    for (int type = 1; type <= kVoiceTypes; ++type) SetChecked(familyName(kVoiceTypeOption, type), settings.magicType == type);

    const headset::AudioSupport& support = state.support;
    for (int preset = headset::kFirstPreset; preset <= headset::kCustomPreset; ++preset)
        Enable(familyName(kPresetOption, preset), support.equaliser);
    for (int band = 0; band < headset::kBands; ++band) Enable(familyName(kBandSlider, band), support.equaliser);
    for (std::string_view name : {kCustomCombo, kCustomEdit, kCustomSave, kCustomDelete}) Enable(name, support.equaliser);
    Enable(kMicrophoneOption, support.microphone);
    Enable(kMicrophoneSlider, support.microphone);
    Enable(kMonitorOption, support.monitor);
    Enable(kMonitorSlider, support.monitor);
    Enable(kVoiceOption, support.voiceChanger);
    Enable(kVoiceLayout, support.voiceChanger && settings.magicEnable != 0);
    showing_ = false;
}

void CHeadsetDevicePage::SetChecked(std::string_view name, bool checked) {
    if (auto* option = dynamic_cast<toolkit::COptionUI*>(FindSubControl(name))) option->Selected(checked, false);
}

void CHeadsetDevicePage::SetSlider(std::string_view name, int value) {
    if (auto* slider = dynamic_cast<toolkit::CSliderUI*>(FindSubControl(name))) slider->SetValue(value, false);
}

void CHeadsetDevicePage::Enable(std::string_view name, bool enabled) {
    if (toolkit::CControlUI* control = FindSubControl(name)) control->SetEnabled(enabled);
}

}  // namespace viremo::ui
