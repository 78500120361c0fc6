#include "emulator/demo_set.h"

#include "emulator/products.h"

namespace viremo::emulator {

std::vector<const EmulatedProduct*> DemoSet::products() const {
    return {&keyboardUsb, &mouseReceiverUsb, &mousePadUsb, &headsetUsb};
}

DemoSet makeDemoSet() {
    DemoSet set;
    set.keyboardHandle = std::make_shared<KeyboardFirmware>();
    set.keyboard = set.keyboardHandle->device();
    set.mouseHandle = std::make_shared<MouseFirmware>();
    set.mouse = set.mouseHandle->device();
    set.mousePadHandle = std::make_shared<MousePadFirmware>();
    set.mousePad = set.mousePadHandle->device();
    set.headset = headsetFirmware();
    set.mouseReceiver = set.mouseHandle->receiver();

    set.keyboardUsb = set.keyboardHandle->cable();
    set.mouseReceiverUsb = set.mouseHandle->receiverProduct();
    set.mousePadUsb = set.mousePadHandle->product();
    set.headsetUsb = headset(set.headset);
    return set;
}

DemoSet plugDemoSet(hid::EmulatedBus& bus) {
    DemoSet set = makeDemoSet();
    for (const EmulatedProduct* product : set.products()) product->plug(bus);
    return set;
}

}  // namespace viremo::emulator
