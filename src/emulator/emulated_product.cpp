#include "emulator/emulated_product.h"

namespace viremo::emulator {

std::string EmulatedProduct::node(uint8_t interfaceNumber) const {
    return "emulated/" + name + "/if" + std::to_string(interfaceNumber);
}

std::shared_ptr<InterfaceFirmware> EmulatedProduct::commandInterface() const {
    for (const auto& usbInterface : interfaces)
        if (usbInterface.firmware->hasCommandTarget()) return usbInterface.firmware;
    return nullptr;
}

hid::EmulatedUsbInterface EmulatedProduct::usbInterface(const Interface& usbInterface) const {
    hid::EmulatedUsbInterface plugged;
    plugged.node = node(usbInterface.number);
    plugged.vendorId = vendorId;
    plugged.productId = productId;
    plugged.versionNumber = versionNumber;
    plugged.interfaceNumber = usbInterface.number;
    plugged.reportDescriptor = usbInterface.reportDescriptor;
    plugged.firmware = usbInterface.firmware;
    return plugged;
}

bool EmulatedProduct::plug(hid::EmulatedBus& bus) const {
    for (size_t i = 0; i < interfaces.size(); ++i) {
        if (!bus.plug(usbInterface(interfaces[i]))) {
            for (size_t j = 0; j < i; ++j) bus.unplug(node(interfaces[j].number));
            return false;
        }
    }
    return true;
}

void EmulatedProduct::unplug(hid::EmulatedBus& bus) const {
    for (const auto& usbInterface : interfaces) bus.unplug(node(usbInterface.number));
}

}  // namespace viremo::emulator
