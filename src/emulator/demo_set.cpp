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
    set.mouse = mouseFirmware();
    set.mousePad = mousePadFirmware();
    set.headset = headsetFirmware();
    set.mouseReceiver = std::make_shared<Receiver>(set.mouse);

    set.keyboardUsb = set.keyboardHandle->cable();
    set.mouseReceiverUsb = mouseReceiver(set.mouseReceiver);
    set.mousePadUsb = mousePad(set.mousePad);
    set.headsetUsb = headset(set.headset);
    return set;
}

DemoSet plugDemoSet(hid::EmulatedBus& bus) {
    DemoSet set = makeDemoSet();
    for (const EmulatedProduct* product : set.products()) product->plug(bus);
    return set;
}

}  // namespace viremo::emulator
