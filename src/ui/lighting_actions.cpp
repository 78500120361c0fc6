#include "ui/lighting_actions.h"

#include <charconv>
#include <functional>

#include "toolkit/check_box.h"

namespace viremo::ui {
namespace {

using Change = std::function<bool(LightRecord&)>;

void setColour(LightRecord& lighting, toolkit::Color colour) {
    lighting.red = uint8_t(colour >> 16);
    lighting.green = uint8_t(colour >> 8);
    lighting.blue = uint8_t(colour);
    lighting.multiColor = 0;
}

bool isSelected(const toolkit::CControlUI* control) {
    const auto* option = dynamic_cast<const toolkit::COptionUI*>(control);
    return option && option->IsSelected();
}

// The number n of a swatch "color_option_" + n; -1 for other names.
int swatchNumber(std::string_view name) {
    constexpr std::string_view kPrefix = "color_option_";
    if (!name.starts_with(kPrefix)) return -1;
    int number = -1;
    const std::string_view digits = name.substr(kPrefix.size());
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() && end == digits.data() + digits.size() ? number : -1;
}

// The byte a colour edit changes; null for other names.
uint8_t LightRecord::*colourEditByte(std::string_view name) {
    if (name == "deng_edit_R") return &LightRecord::red;
    if (name == "deng_edit_G") return &LightRecord::green;
    if (name == "deng_edit_B") return &LightRecord::blue;
    return nullptr;
}

// The change a notification asks for, read from the panel; empty when it
// asks for none.
Change changeFor(CLightControlUI& panel, const toolkit::TNotifyUI& msg) {
    const std::string& name = msg.pSender->GetName();
    const std::string& type = msg.sType;
    if (type == "itemselect" && name == "light_combo_modeSelect") {
        panel.ApplyGroups();
        return [mode = panel.GetMode()](LightRecord& l) { return mode >= 0 && (l.mode = uint8_t(mode), true); };
    }
    if (type == "itemselect" && name == "light_combo_ZZCCmodeSelect" && panel.GetPanelType() == kPanelKeyboard)
        return [special = panel.GetSpecialMode()](LightRecord& l) { return special >= 0 && (l.zzccLedMode = uint8_t(special), true); };
    if (type == "valuechanged" && name == "deng_light_slider")
        return [value = panel.GetBrightness()](LightRecord& l) { return l.brightness = uint8_t(value), true; };
    if (type == "valuechanged" && name == "deng_speed_slider")
        return [value = panel.GetSpeed()](LightRecord& l) { return l.speed = uint8_t(value), true; };
    if (type == "selectchanged" && (name == "deng_FXL_check" || name == "deng_FXR_check")) {
        if (!isSelected(msg.pSender)) return {};
        return [first = name == "deng_FXL_check"](LightRecord& l) { return l.direction = first ? 1 : 0, true; };
    }
    if (type == "selectchanged" && name == "deng_7color_check")
        return [on = isSelected(msg.pSender)](LightRecord& l) { return l.multiColor = on ? 1 : 0, true; };
    if (type == "colorchanged" && name == "deng_Color_Pallet") {
        const toolkit::Color colour = panel.GetPaletteColour();
        panel.ShowColour(colour);
        return [colour](LightRecord& l) { return setColour(l, colour), true; };
    }
    if (type == "click" && swatchNumber(name) >= 0) {
        const toolkit::Color colour = panel.GetSwatchColour(swatchNumber(name));
        panel.ShowColour(colour);
        return [colour](LightRecord& l) { return setColour(l, colour), true; };
    }
    if (type == "killfocus") {
        if (uint8_t LightRecord::*byte = colourEditByte(name)) {
            const int value = panel.TakeColourEdit(*msg.pSender);
            return [&panel, byte, value](LightRecord& l) {
                l.*byte = uint8_t(value);
                panel.ShowColour(0xFF000000u | uint32_t(l.red) << 16 | uint32_t(l.green) << 8 | l.blue);
                return l.multiColor = 0, true;
            };
        }
    }
    return {};
}

}  // namespace

bool HandleLightingChange(CLightControlUI& panel, devices::CVendrakeUSBDevice& device, toolkit::TNotifyUI& msg) {
    if (!msg.pSender || !panel.IsAncestorOf(msg.pSender)) return false;
    const Change change = changeFor(panel, msg);
    if (!change) return false;
    LightRecord lighting = device.GetLightingState();
    if (!change(lighting)) return true;
    device.SetLightInfo(lighting);
    device.SaveProfile();
    device.ApplyLightingState();
    device.WriteSettingsRecord(0, 0);
    return true;
}

}  // namespace viremo::ui
