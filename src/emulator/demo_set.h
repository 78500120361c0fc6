#pragma once
// The demo set: the keyboard on its cable, the mouse through its receiver, the
// mouse pad and the headset, plugged into an emulated bus.
#include <memory>
#include <vector>

#include "emulator/device_firmware.h"
#include "emulator/emulated_product.h"
#include "emulator/keyboard_firmware.h"
#include "emulator/mouse_firmware.h"
#include "emulator/mouse_pad_firmware.h"
#include "emulator/receiver.h"
#include "hid/emulated_bus.h"

namespace viremo::emulator {

struct DemoSet {
    // The devices' firmware: memory, sessions, light control.
    std::shared_ptr<DeviceFirmware> keyboard;
    std::shared_ptr<DeviceFirmware> mouse;
    std::shared_ptr<DeviceFirmware> mousePad;
    std::shared_ptr<DeviceFirmware> headset;
    // The keyboard's memory as the host left it, its notifications, and its
    // receiver (not plugged).
    std::shared_ptr<KeyboardFirmware> keyboardHandle;
    // The mouse's radio link.
    std::shared_ptr<Receiver> mouseReceiver;
    // The mouse's and the pad's memory as the host left it, their input
    // reports; the mouse's cable (not plugged).
    std::shared_ptr<MouseFirmware> mouseHandle;
    std::shared_ptr<MousePadFirmware> mousePadHandle;
    // The USB devices as plugged: their interfaces (packet logs, faults,
    // notifications) and unplug.
    EmulatedProduct keyboardUsb;
    EmulatedProduct mouseReceiverUsb;
    EmulatedProduct mousePadUsb;
    EmulatedProduct headsetUsb;

    // The four USB devices, in the order above.
    std::vector<const EmulatedProduct*> products() const;
};

// The demo set, not yet plugged anywhere.
DemoSet makeDemoSet();

// Makes the demo set and plugs it into `bus`. A product whose nodes are
// already taken is left out.
DemoSet plugDemoSet(hid::EmulatedBus& bus);

}  // namespace viremo::emulator
