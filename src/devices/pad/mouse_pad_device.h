#pragma once
// The driver of the lit mouse pad (320F:1004, cable only): lighting and
// nothing else. Its settings block, profile binding and lighting thread are
// the shared part of the lit devices (light_settings_device.h); its light
// frame is the plain one, three bytes per light for its 15 lights.
#include "devices/light_settings/light_settings_device.h"
#include "profiles/basic_profile_data.h"

namespace viremo::devices {

class CVendrakeMousePadDevice : public CLightSettingsDevice {
public:
    explicit CVendrakeMousePadDevice(hid::Backend& backend = hid::systemBackend(), const Clock& clock = systemClock(),
                                     RandomSource* random = nullptr);
    ~CVendrakeMousePadDevice() override;

    // The plain frame, also written to the debug log.
    void SendLightFrame() override;

    CBasicProfiledata& Profile() { return profile_; }

protected:
    CBasicProfiledata& LitProfile() override { return profile_; }

private:
    CBasicProfiledata profile_;
};

// Gives a pad driver its rows of the device tables and its interface row.
void configureMousePad(CVendrakeMousePadDevice& device, const InterfaceRecord& row);

}  // namespace viremo::devices
