#include "ui/light_control.h"

#include <array>

#include "toolkit/check_box.h"
#include "toolkit/color_palette.h"
#include "toolkit/combo.h"
#include "toolkit/slider.h"
#include "toolkit/tab_layout.h"
#include "ui/combo_items.h"

namespace viremo::ui {
namespace {

constexpr std::array<std::string_view, 3> kColourEdits = {"deng_edit_R", "deng_edit_G", "deng_edit_B"};

struct CaptionPair {
    std::string_view first, second;
};

CaptionPair captionsOf(DirectionCaptions captions) {
    switch (captions) {
    case DirectionCaptions::Clockwise: return {"light_set_clockwise_text", "light_set_anticlockwise_text"};
    case DirectionCaptions::DownUp: return {"light_set_down_to_up_text", "light_set_up_to_down_text"};
    case DirectionCaptions::UpDown: return {"light_set_up_to_down_text", "light_set_down_to_up_text"};
    case DirectionCaptions::OutsideInside:
        return {"light_set_outside_to_inside_text", "light_set_inside_to_outside_text"};
    case DirectionCaptions::RightLeft: break;
    }
    return {"light_set_right_to_left_text", "light_set_left_to_right_text"};
}

toolkit::Color opaque(uint8_t red, uint8_t green, uint8_t blue) {
    return 0xFF000000u | uint32_t(red) << 16 | uint32_t(green) << 8 | blue;
}

void fillCombo(toolkit::CComboUI* combo, const std::vector<std::string>& names, const std::vector<bool>& visible) {
    if (combo) FillCombo(*combo, names, visible);
}

void selectQuietly(toolkit::CComboUI* combo, int index) {
    if (combo && index < combo->GetCount()) combo->SelectItem(index, false, false);
}

}  // namespace

void CLightControlUI::Init() {
    CSkinPanelUI::Init();
    FindControls();
    ApplyGroups();
}

void CLightControlUI::FindControls() {
    auto find = [this](std::string_view name) { return FindSubControl(name); };
    m_modes = dynamic_cast<toolkit::CComboUI*>(find("light_combo_modeSelect"));
    m_specialModes = dynamic_cast<toolkit::CComboUI*>(find("light_combo_ZZCCmodeSelect"));
    m_customGroups = dynamic_cast<toolkit::CComboUI*>(find("light_combo_custommodeSelect"));
    m_brightness = dynamic_cast<toolkit::CSliderUI*>(find("deng_light_slider"));
    m_speed = dynamic_cast<toolkit::CSliderUI*>(find("deng_speed_slider"));
    m_palette = dynamic_cast<toolkit::CColorPaletteUI*>(find("deng_Color_Pallet"));
    m_colourButton = find("deng_colordp_btn");
    m_multiColour = dynamic_cast<toolkit::CCheckBoxUI*>(find("deng_7color_check"));
    m_directionFirst = dynamic_cast<toolkit::CCheckBoxUI*>(find("deng_FXL_check"));
    m_directionSecond = dynamic_cast<toolkit::CCheckBoxUI*>(find("deng_FXR_check"));
    m_allDevices = dynamic_cast<toolkit::COptionUI*>(find("deng_same_mode"));
    m_colourPages = dynamic_cast<toolkit::CTabLayoutUI*>(find("light_color_tablayout"));
    m_colourEdits.clear();
    for (std::string_view name : kColourEdits) m_colourEdits.push_back(find(name));
}

void CLightControlUI::SetPanelType(int panelType) {
    m_panelType = panelType;
    ApplyGroups();
}

void CLightControlUI::SetMultiDevice(bool multiDevice) {
    m_multiDevice = multiDevice;
    ApplyGroups();
}

void CLightControlUI::SetModeList(const std::vector<std::string>& names, const std::vector<bool>& visible,
                                  int maxBrightness, int maxSpeed) {
    fillCombo(m_modes, names, visible);
    if (m_brightness) m_brightness->SetMaxValue(maxBrightness);
    if (m_speed) m_speed->SetMaxValue(maxSpeed);
}

void CLightControlUI::ShowModeList(const devices::keyboard::ModeList& modes) {
    std::vector<std::string> names;
    std::vector<bool> visible;
    for (const auto& mode : modes.modes) {
        names.push_back(mode.name);
        visible.push_back(mode.visible);
    }
    fillCombo(m_modes, names, visible);
    fillCombo(m_specialModes, modes.areaNames, {});
}

void CLightControlUI::ShowLightingPresets(const std::vector<std::string>& names) {
    fillCombo(m_customGroups, names, {});
}

void CLightControlUI::ShowLightingState(const LightRecord& lighting) {
    selectQuietly(m_modes, lighting.mode);
    if (m_brightness) m_brightness->SetValue(lighting.brightness, false);
    if (m_speed) m_speed->SetValue(lighting.speed, false);
    const toolkit::Color colour = opaque(lighting.red, lighting.green, lighting.blue);
    ShowColour(colour);
    if (m_multiColour) m_multiColour->SetCheck(lighting.multiColor != 0);
    selectQuietly(m_specialModes, lighting.zzccLedMode);
    if (m_directionFirst) m_directionFirst->SetCheck(lighting.direction == 1);
    if (m_directionSecond) m_directionSecond->SetCheck(lighting.direction != 1);
    ApplyGroups();
}

void CLightControlUI::ShowCustomGroup(int group) { selectQuietly(m_customGroups, group); }

int CLightControlUI::CurrentCustomGroup() const { return m_customGroups ? m_customGroups->GetCurSel() : -1; }

int CLightControlUI::GetMode() const { return m_modes ? m_modes->GetCurSel() : -1; }
int CLightControlUI::GetBrightness() const { return m_brightness ? m_brightness->GetValue() : 0; }
int CLightControlUI::GetSpeed() const { return m_speed ? m_speed->GetValue() : 0; }
int CLightControlUI::GetSpecialMode() const { return m_specialModes ? m_specialModes->GetCurSel() : 0; }

toolkit::Color CLightControlUI::GetPaletteColour() const {
    return m_palette ? (m_palette->GetSelectColor() | 0xFF000000u) : 0xFF000000u;
}

toolkit::Color CLightControlUI::GetSwatchColour(int n) const {
    const toolkit::CControlUI* swatch = FindSubControl("color_option_" + std::to_string(n));
    return swatch ? swatch->GetBkColor() : 0;
}

int CLightControlUI::TakeColourEdit(toolkit::CControlUI& edit) {
    const int value = EditValue(edit.GetText(), kColourLow, kColourHigh);
    edit.SetText(std::to_string(value));
    return value;
}

void CLightControlUI::ShowColour(toolkit::Color colour) {
    colour |= 0xFF000000u;
    const std::array<int, 3> channels = {int(colour >> 16 & 0xFF), int(colour >> 8 & 0xFF), int(colour & 0xFF)};
    for (size_t i = 0; i < m_colourEdits.size(); ++i)
        if (m_colourEdits[i]) m_colourEdits[i]->SetText(std::to_string(channels[i]));
    if (m_palette) m_palette->SetSelectColor(colour);
    if (m_colourButton) m_colourButton->SetBkColor(colour);
    if (m_multiColour) m_multiColour->SetCheck(false);
}

void CLightControlUI::ApplyGroups() {
    m_groups = LightGroupsFor(m_panelType, GetMode());
    SetGroupEnabled("lighteffect_layout", true);
    if (m_multiColour) m_multiColour->SetEnabled(m_groups.multiColour);
    SetGroupEnabled("deng_color_layout", m_groups.colour);
    SetGroupEnabled("colorpallet_layout", m_groups.palette);
    SetGroupEnabled("deng_light_layout", m_groups.brightness);
    SetGroupEnabled("deng_speed_layout", m_groups.speed);
    SetGroupVisible("deng_speed_layout", m_groups.speedShown);
    SetGroupEnabled("deng_fx_layout", m_groups.direction);
    SetGroupEnabled("light_color_layout", m_groups.colourArea);
    SetGroupVisible("light_combo_ZZCCmodeSelectLayout", m_groups.specialMode);
    SetGroupVisible("lightcustom_layout", m_groups.customGroup);
    SetGroupVisible("light_combo_AudiomodeSelectLayout", m_groups.audioMode);
    if (m_allDevices) m_allDevices->SetVisible(m_multiDevice && m_groups.allDevices);
    if (m_colourPages) m_colourPages->SelectItem(m_groups.colourPage, false);
    ShowDirectionCaptions(m_groups.captions);
}

void CLightControlUI::SetGroupEnabled(std::string_view name, bool enabled) {
    if (toolkit::CControlUI* group = FindSubControl(name)) group->SetEnabled(enabled);
}

void CLightControlUI::SetGroupVisible(std::string_view name, bool visible) {
    if (toolkit::CControlUI* group = FindSubControl(name)) group->SetVisible(visible);
}

void CLightControlUI::ShowDirectionCaptions(DirectionCaptions captions) {
    const CaptionPair pair = captionsOf(captions);
    if (m_directionFirst) m_directionFirst->SetText(std::string(pair.first));
    if (m_directionSecond) m_directionSecond->SetText(std::string(pair.second));
}

}  // namespace viremo::ui
