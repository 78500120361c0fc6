#pragma once
// Which groups of the lighting panel a mode leaves usable, per kind of
// panel (model id 1 keyboard, 2 mouse, 3 pad, 7 headset). A mode that does
// not use colours disables the colour groups; some modes have no speed or
// no direction; the modes the other devices can follow offer the
// all-devices option.
namespace viremo::ui {

// The caption pairs of the two direction checks.
enum class DirectionCaptions { RightLeft, Clockwise, DownUp, UpDown, OutsideInside };

struct LightGroups {
    bool multiColour = false;  // "deng_7color_check"
    bool colour = false;       // "deng_color_layout"
    bool palette = false;      // "colorpallet_layout"
    bool brightness = false;   // "deng_light_layout"
    bool speed = false;        // "deng_speed_layout"
    bool direction = false;    // "deng_fx_layout"
    bool allDevices = false;   // "deng_same_mode" offered (with more than one device shown)
    bool colourArea = true;    // "light_color_layout" enabled
    bool speedShown = true;    // "deng_speed_layout" visible
    bool specialMode = false;  // "light_combo_ZZCCmodeSelectLayout" shown
    bool customGroup = false;  // "lightcustom_layout" shown
    bool audioMode = false;    // "light_combo_AudiomodeSelectLayout" shown
    int colourPage = 0;        // page of "light_color_tablayout": 0 colours, 1 audio colours
    DirectionCaptions captions = DirectionCaptions::RightLeft;
};

inline constexpr int kPanelKeyboard = 1;
inline constexpr int kPanelMouse = 2;
inline constexpr int kPanelPad = 3;
inline constexpr int kPanelHeadset = 7;

LightGroups LightGroupsFor(int panelType, int mode);

}  // namespace viremo::ui
