#pragma once
// What a driver reports to the layers above: its page (IDeviceView), the
// power display and the lighting panel. Each is optional: without them (the
// command-line tool) nothing is shown and the driver works the same.
#include <cstdint>
#include <span>

#include "devices/lighting/light_colours.h"
#include "profiles/profile_records.h"

namespace viremo::devices {

// The page of a device. ShowLights may be called from the lighting thread,
// DeviceChanged and ResynchroniseRequested from a notification reader; the
// page moves that work to its own thread.
class IDeviceView {
public:
    virtual ~IDeviceView() = default;
    // The light colours of the picture changed.
    virtual void ShowLights(const LightColours& colours) = 0;
    // The driver's state (lighting, settings, assignments) is up to date:
    // show it on the panels.
    virtual void ShowState() = 0;
    // The device reported a change: the state is to be shown again.
    virtual void DeviceChanged() = 0;
    // The device asks for its settings to be read again (after a short
    // delay, through the device tab's timer).
    virtual void ResynchroniseRequested() = 0;
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
