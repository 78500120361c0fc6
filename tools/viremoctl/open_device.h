#pragma once
// Putting a driver on its device: the kind's command interface, on the
// cable, or through the receiver when only that is present.
#include <optional>
#include <string>
#include <string_view>

#include "devices/vendrake_usb_device.h"
#include "hid/backend.h"

namespace viremoctl {

// Gives `device` its kind's rows and attaches it; the one-line reason when
// there is no such device or it cannot be opened.
std::optional<std::string> attachDevice(viremo::devices::CVendrakeUSBDevice& device, viremo::hid::Backend& backend,
                                        int kind, std::string_view noun);

}  // namespace viremoctl
