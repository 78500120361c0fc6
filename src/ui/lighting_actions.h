#pragma once
// What a change on a lighting panel does to its device: the lighting state
// is read from the device, the changed bytes are put in, and the device
// stores the state, saves the profile, shows the lighting and writes its
// settings record. The panel is updated where a change shows elsewhere on
// it (a colour in the edits and the palette, the groups of a new mode).
#include "devices/vendrake_usb_device.h"
#include "toolkit/notify.h"
#include "ui/light_control.h"

namespace viremo::ui {

// False when the notification is not one of the panel's changes.
bool HandleLightingChange(CLightControlUI& panel, devices::CVendrakeUSBDevice& device, toolkit::TNotifyUI& msg);

}  // namespace viremo::ui
