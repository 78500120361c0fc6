#pragma once
// The pages of the key panel's function combo box, one per kind of function.
namespace viremo {

enum class FunctionPage : int {
    Factory = 0,
    MouseButton = 1,
    MouseMove = 2,
    Wheel = 3,
    Dpi = 4,
    RapidFire = 5,
    Keyboard = 6,
    Media = 7,
    System = 8,
    Macro = 9,
    GunKey = 10,
    Shortcut = 11,
};

}  // namespace viremo
