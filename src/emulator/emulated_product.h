#pragma once
// One USB device on the emulated bus: its ids and its HID interfaces, each
// with a report descriptor and the firmware that serves it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "emulator/interface_firmware.h"
#include "hid/emulated_bus.h"

namespace viremo::emulator {

struct EmulatedProduct {
    struct Interface {
        uint8_t number = 0;
        std::vector<uint8_t> reportDescriptor;
        std::shared_ptr<InterfaceFirmware> firmware;
    };

    std::string name;  // unique on the bus; the interfaces' nodes derive from it
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
    std::vector<Interface> interfaces;

    // The node standing in for the hidraw node of one interface.
    std::string node(uint8_t interfaceNumber) const;
    // One interface as a bus (or uhid) plugs it.
    hid::EmulatedUsbInterface usbInterface(const Interface& usbInterface) const;
    // The interface that carries the command collection (null if none).
    std::shared_ptr<InterfaceFirmware> commandInterface() const;

    // Plugs every interface; on failure unplugs those already plugged and
    // returns false.
    bool plug(hid::EmulatedBus& bus) const;
    void unplug(hid::EmulatedBus& bus) const;
};

}  // namespace viremo::emulator
