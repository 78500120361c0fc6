#include "emulator/uhid_products.h"

namespace viremo::emulator {

bool plugProduct(UhidAdapter& adapter, const EmulatedProduct& product, std::string* why) {
    for (size_t i = 0; i < product.interfaces.size(); ++i) {
        if (!adapter.plug(product.usbInterface(product.interfaces[i]), why)) {
            for (size_t j = 0; j < i; ++j) adapter.unplug(product.node(product.interfaces[j].number));
            return false;
        }
    }
    return true;
}

void unplugProduct(UhidAdapter& adapter, const EmulatedProduct& product) {
    for (const auto& usbInterface : product.interfaces) adapter.unplug(product.node(usbInterface.number));
}

bool plugDemoSet(UhidAdapter& adapter, const DemoSet& set, std::string* why) {
    bool allPlugged = true;
    for (const EmulatedProduct* product : set.products())
        allPlugged = plugProduct(adapter, *product, why) && allPlugged;
    return allPlugged;
}

}  // namespace viremo::emulator
