#pragma once
// A key or light of the device picture ("DeviceKeyButton"), as the page
// paints it.
#include "toolkit/geometry.h"

namespace viremo::ui {

class ILightButton {
public:
    virtual ~ILightButton() = default;
    // Shows a light's colour (0xAARRGGBB) and level (0-255) on the key;
    // whether anything changed (and the key needs painting again).
    virtual bool SetLight(toolkit::Color colour, int level, bool shown) = 0;
};

}  // namespace viremo::ui
