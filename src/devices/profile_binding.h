#pragma once
// Binds a device's profile data to its files: the kind's factory profile,
// the light configuration of its lighting preset and the current profile of
// the device's profile list. A reload keeps the profile loaded until the
// user switches.
#include <optional>
#include <string>

#include "devices/vendrake_usb_device.h"
#include "profiles/basic_profile_data.h"

namespace viremo::devices {

// The name of the current profile; nullopt when the list cannot be read or
// names none.
std::optional<std::string> bindProfileFiles(const CVendrakeUSBDevice& device, CBasicProfiledata& profile,
                                            const Clock& clock);

}  // namespace viremo::devices
