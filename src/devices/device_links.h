#pragma once
// What a device object asks of the controls around it that belong to the
// layers above (the custom key buttons, the power display and the lighting
// panel). Those controls implement these interfaces; the device finds them
// in its page or is given them by the main window.
#include <cstdint>
#include <span>

#include "profiles/profile_records.h"
#include "toolkit/geometry.h"

namespace viremo::devices {

// A key or light of the device picture ("DeviceKeyButton").
class ILightButton {
public:
    virtual ~ILightButton() = default;
    // Shows a light's colour (0xAARRGGBB) and level (0-255) on the key.
    virtual void SetLight(toolkit::Color colour, int level, bool shown) = 0;
};

// The battery and power display of a device.
class IPowerDisplay {
public:
    virtual ~IPowerDisplay() = default;
    virtual void ShowPowerLayout(bool shown) = 0;
    // The status block of the device (battery level, charging, link).
    virtual void ShowPowerReport(std::span<const uint8_t> report) = 0;
};

// The lighting panel of a device page, as far as the device uses it.
class ILightPanel {
public:
    virtual ~ILightPanel() = default;
    virtual void ShowAudioLightInfo(const AudioLightRecord& record) = 0;
    virtual AudioLightRecord ReadAudioLightInfo() = 0;
};

}  // namespace viremo::devices
