#pragma once
// The lighting panel of a device page ("LightControlItem", class
// "LightControl"): mode, brightness, speed, direction, colour, multi-colour,
// the keyboard's special mode and custom colour group, and the offer to
// light every device alike. Its controls come from its own layout
// ("LightControlItem.xml") unless the page gives it children. Which groups
// are usable follows the panel type (the device's model id) and the mode.
//
// The panel shows and reads; what a change does to the device is the
// page's (lighting_actions.h).
#include <string>
#include <vector>

#include "devices/keyboard/keyboard_panels.h"
#include "ui/edit_value.h"
#include "ui/light_groups.h"
#include "ui/skin_panel.h"

namespace viremo::toolkit {
class CComboUI;
class CSliderUI;
class CColorPaletteUI;
class CCheckBoxUI;
class COptionUI;
class CTabLayoutUI;
}

namespace viremo::ui {

class CLightControlUI : public CSkinPanelUI, public devices::keyboard::ILightingPanel {
public:
    static constexpr std::string_view kClassName = "LightControl";
    static constexpr std::string_view kLayoutFile = "XML/CustomControlXML/LightControlItem.xml";
    CLightControlUI() : CSkinPanelUI(std::string(kLayoutFile)) {}
    std::string_view GetClass() const override { return kClassName; }

    void Init() override;

    // The device's model id; the enabling rules apply again.
    void SetPanelType(int panelType);
    int GetPanelType() const { return m_panelType; }
    // Set while more than one device is shown (the all-devices offer).
    void SetMultiDevice(bool multiDevice);

    // One list item per mode (hidden when not visible), and the steps of
    // the two sliders.
    void SetModeList(const std::vector<std::string>& names, const std::vector<bool>& visible, int maxBrightness,
                     int maxSpeed);

    // devices::keyboard::ILightingPanel
    void ShowModeList(const devices::keyboard::ModeList& modes) override;
    void ShowLightingPresets(const std::vector<std::string>& names) override;
    void ShowLightingState(const LightRecord& lighting) override;
    void ShowCustomGroup(int group) override;
    int CurrentCustomGroup() const override;

    // What the panel shows now.
    int GetMode() const;
    int GetBrightness() const;
    int GetSpeed() const;
    int GetSpecialMode() const;
    toolkit::Color GetPaletteColour() const;
    // The background colour of swatch "color_option_" + n; 0 when there is
    // no such swatch.
    toolkit::Color GetSwatchColour(int n) const;

    // The value of a red, green or blue edit, kept within 0-255; the edit
    // shows the value taken.
    int TakeColourEdit(toolkit::CControlUI& edit);
    // Shows a colour (0xAARRGGBB, alpha ignored) in the edits, the palette
    // and the colour button, and switches multi-colour off.
    void ShowColour(toolkit::Color colour);

    // The groups of the shown mode, applied to the controls.
    void ApplyGroups();
    const LightGroups& Groups() const { return m_groups; }

private:
    void FindControls();
    void SetGroupEnabled(std::string_view name, bool enabled);
    void SetGroupVisible(std::string_view name, bool visible);
    void ShowDirectionCaptions(DirectionCaptions captions);

    int m_panelType = kPanelKeyboard;
    bool m_multiDevice = false;
    LightGroups m_groups;
    toolkit::CComboUI* m_modes = nullptr;
    toolkit::CComboUI* m_specialModes = nullptr;
    toolkit::CComboUI* m_customGroups = nullptr;
    toolkit::CSliderUI* m_brightness = nullptr;
    toolkit::CSliderUI* m_speed = nullptr;
    toolkit::CColorPaletteUI* m_palette = nullptr;
    toolkit::CControlUI* m_colourButton = nullptr;
    toolkit::CCheckBoxUI* m_multiColour = nullptr;
    toolkit::CCheckBoxUI* m_directionFirst = nullptr;
    toolkit::CCheckBoxUI* m_directionSecond = nullptr;
    toolkit::COptionUI* m_allDevices = nullptr;
    toolkit::CTabLayoutUI* m_colourPages = nullptr;
    std::vector<toolkit::CControlUI*> m_colourEdits;  // red, green, blue
};

}  // namespace viremo::ui
